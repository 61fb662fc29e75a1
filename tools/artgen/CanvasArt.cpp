// The canvas's sounds and trace-task picture, which Lumora loads by path (added to the
// catalogue by Pictures.cpp).
//
// The three dwell sounds climb in pitch, so that a user who keeps the eyes on the drawing hears
// how far a dwell has gone: a low blip for the first step, a higher one when the cursor turns
// red, and a rising two-note chime when the shape or stamp is committed.
#include <QPainter>
#include <QPolygon>

#include "BmpWriter.h"
#include "Catalog.h"
#include "WavWriter.h"

namespace artgen {

namespace {

constexpr double kStepHertz = 523.25;  // C5
constexpr double kStepSeconds = 0.07;
constexpr double kRedHertz = 783.99;  // G5
constexpr double kRedSeconds = 0.07;
constexpr double kCommitLowHertz = 1046.5;   // C6
constexpr double kCommitHighHertz = 1568.0;  // G6
constexpr double kCommitSeconds = 0.16;

// The trace-task picture: smaller than any canvas of a common screen (so it is padded, never
// cut), a plain house under a sun drawn in a light grey that the user's colours stand out on.
constexpr int kTraceWidth = 760;
constexpr int kTraceHeight = 560;
constexpr int kTracePen = 6;
constexpr QRgb kTracePaper = 0xFFFFFFFFu;
constexpr QRgb kTraceLine = 0xFFAAAAAAu;

QImage drawTraceTask() {
    QImage image(kTraceWidth, kTraceHeight, QImage::Format_RGB32);
    image.fill(kTracePaper);
    QPainter p(&image);
    // No smoothing: the file keeps two colours and small indexed depth.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(QColor::fromRgb(kTraceLine), kTracePen, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    // The house: walls, roof, door and a window.
    p.drawRect(QRect(160, 250, 300, 240));
    p.drawPolygon(QPolygon({{130, 250}, {310, 110}, {490, 250}}));
    p.drawRect(QRect(280, 370, 70, 120));
    p.drawRect(QRect(190, 290, 60, 60));
    // The sun and its rays.
    p.drawEllipse(QPoint(620, 110), 55, 55);
    const QPoint rays[][2] = {{{620, 25}, {620, 45}},   {{620, 175}, {620, 195}}, {{535, 110}, {555, 110}},
                              {{685, 110}, {705, 110}}, {{560, 50}, {574, 64}},   {{666, 156}, {680, 170}},
                              {{680, 50}, {666, 64}},   {{574, 156}, {560, 170}}};
    for (const auto& ray : rays) {
        p.drawLine(ray[0], ray[1]);
    }
    // The ground.
    p.drawLine(60, 490, 700, 490);
    return image;
}

}  // namespace

std::vector<Artifact> CanvasFiles() {
    return {
        {"Lumora/Sounds/y.wav", [] { return EncodeWav(Tones({kStepHertz}, kStepSeconds)); }},
        {"Lumora/Sounds/r.wav", [] { return EncodeWav(Tones({kRedHertz}, kRedSeconds)); }},
        {"Lumora/Sounds/g.wav",
         [] {
             return EncodeWav(Tones({kCommitLowHertz, kCommitHighHertz}, kCommitSeconds));
         }},
        {"Lumora/Images/tracetask.bmp",
         [] {
             const QImage picture = drawTraceTask();
             return EncodeBmp(picture, IndexedDepthFor(picture));
         }},
    };
}

}  // namespace artgen
