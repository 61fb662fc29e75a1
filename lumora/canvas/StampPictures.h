// The 38 stamp pictures compiled into the program, by picture number (149 to 214; the numbers
// the stamp buttons post and the canvas stores). Each is 70 x 70 pixels (the Bus 73 x 73) on
// a white background, which drawing treats as transparent.
#pragma once

#include <QImage>
#include <span>

namespace lumora {

constexpr int kStampSize = 70;
constexpr int kStampBusSize = 73;
constexpr int kStampFirstNumber = 149;  // the Flower: the canvas's stamp at start

// Every picture number, in the order of the stamp palette (Flower, Heart, Bulb, ... , "+", "=").
std::span<const int> StampNumbers();

// The picture as RGB32, read from the program's resources on first use and kept. A number
// that names no stamp gives a null image (callers then draw only their background).
// User-interface thread only.
const QImage& StampPicture(int number);

}  // namespace lumora
