// The pictures Lumora loads by path from "Lumora/Images". Buttons show the top-left 100 x 85
// pixels of their picture, so button pictures are made that size.
#include <QPainter>
#include <QPolygon>

#include "BmpWriter.h"
#include "Catalog.h"

namespace artgen {

std::vector<Artifact> SoundFiles();
std::vector<Artifact> CanvasFiles();  // CanvasArt.cpp: the canvas's sounds and trace-task picture
std::vector<Artifact> DialogFiles();  // DialogArt.cpp: the dialogs' pictures and sounds

namespace {

constexpr int kButtonPictureWidth = 100;
constexpr int kButtonPictureHeight = 85;
constexpr QRgb kButtonBackground = 0xFFD6D3CEu;  // the dialogs' grey, RGB(214, 211, 206)
constexpr QRgb kArrowBlue = 0xFF41418Bu;         // the gaze cursor's blue, RGB(65, 65, 139)
constexpr QRgb kArrowEdge = 0xFF202050u;
constexpr int kArrowDepth = 8;

}  // namespace

QImage DrawArrow(bool pointsLeft) {
    if (pointsLeft) {
        // Mirrored pixel for pixel, so that the two arrows match exactly.
        return DrawArrow(false).mirrored(true, false);
    }
    QImage image(kButtonPictureWidth, kButtonPictureHeight, QImage::Format_RGB32);
    image.fill(kButtonBackground);
    QPainter p(&image);
    const QPolygon arrow({{12, 30}, {52, 30}, {52, 10}, {90, 42}, {52, 74}, {52, 54}, {12, 54}});
    p.setPen(QPen(QColor::fromRgb(kArrowEdge), 3, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(QColor::fromRgb(kArrowBlue));
    p.drawPolygon(arrow);
    return image;
}

std::vector<Artifact> DataFiles() {
    std::vector<Artifact> files = {
        {"Lumora/Images/left_small.bmp", [] { return EncodeBmp(DrawArrow(true), kArrowDepth); }},
        {"Lumora/Images/right_small.bmp", [] { return EncodeBmp(DrawArrow(false), kArrowDepth); }},
    };
    for (auto* more : {&SoundFiles, &CanvasFiles, &DialogFiles}) {
        for (Artifact& file : (*more)()) {
            files.push_back(std::move(file));
        }
    }
    return files;
}

}  // namespace artgen
