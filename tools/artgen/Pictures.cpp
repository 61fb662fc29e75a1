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

constexpr int BUTTON_PICTURE_WIDTH = 100;
constexpr int BUTTON_PICTURE_HEIGHT = 85;
constexpr QRgb BUTTON_BACKGROUND = 0xFFD6D3CEu;  // the dialogs' grey, RGB(214, 211, 206)
constexpr QRgb ARROW_BLUE = 0xFF41418Bu;         // the gaze cursor's blue, RGB(65, 65, 139)
constexpr QRgb ARROW_EDGE = 0xFF202050u;
constexpr int ARROW_DEPTH = 8;

}  // namespace

QImage DrawArrow(bool pointsLeft) {
    if (pointsLeft) {
        // Mirrored pixel for pixel, so that the two arrows match exactly.
        return DrawArrow(false).mirrored(true, false);
    }
    QImage image(BUTTON_PICTURE_WIDTH, BUTTON_PICTURE_HEIGHT, QImage::Format_RGB32);
    image.fill(BUTTON_BACKGROUND);
    QPainter p(&image);
    const QPolygon arrow({{12, 30}, {52, 30}, {52, 10}, {90, 42}, {52, 74}, {52, 54}, {12, 54}});
    p.setPen(QPen(QColor::fromRgb(ARROW_EDGE), 3, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(QColor::fromRgb(ARROW_BLUE));
    p.drawPolygon(arrow);
    return image;
}

std::vector<Artifact> DataFiles() {
    std::vector<Artifact> files = {
        {"Lumora/Images/left_small.bmp", [] { return EncodeBmp(DrawArrow(true), ARROW_DEPTH); }},
        {"Lumora/Images/right_small.bmp", [] { return EncodeBmp(DrawArrow(false), ARROW_DEPTH); }},
    };
    for (auto* more : {&SoundFiles, &CanvasFiles, &DialogFiles}) {
        for (Artifact& file : (*more)()) {
            files.push_back(std::move(file));
        }
    }
    return files;
}

}  // namespace artgen
