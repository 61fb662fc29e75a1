// Writes Windows bitmap files (14-byte file header, 40-byte info header, bottom-up rows,
// uncompressed) from QImages, in the depth a picture is bound to.
#pragma once

#include <QByteArray>
#include <QImage>

namespace artgen {

// 1, 4 and 8 bits per pixel take a full colour table of 2^bits entries built from the
// picture's own colours (unused entries black); the picture must hold no more colours than
// that, else the result is empty. 24 bits per pixel stores the colours directly.
QByteArray EncodeBmp(const QImage& picture, int bitsPerPixel);

// The smallest of 4 and 8 bits per pixel that holds the picture's colours; 0 when even 8
// bits do not.
int IndexedDepthFor(const QImage& picture);

}  // namespace artgen
