// The dialogs' pictures, which Lumora loads by path (added to the catalogue by Pictures.cpp):
// the open dialog's book with no page, the left or the right page chosen; the settings
// dialog's nine choices, each plain and highlighted ("_sel"); the about box's two logos.
//
// The generator runs without a windowing system, so it has no fonts: figures and words are drawn
// with a small stroke alphabet of its own. No smoothing anywhere, so that every picture keeps
// few colours and is stored with a colour table.
#include <QPainter>
#include <QPainterPath>
#include <map>

#include "BmpWriter.h"
#include "Catalog.h"

namespace artgen {

namespace {

constexpr QRgb kBackground = 0xFFD6D3CEu;  // the dialogs' grey
constexpr QRgb kInk = 0xFF202020u;
constexpr QRgb kBlue = 0xFF41418Bu;      // the gaze cursor's blue
constexpr QRgb kGreen = 0xFF00A000u;     // the chosen page's frame
constexpr QRgb kSelFill = 0xFFFFF6B0u;  // a highlighted choice's ground
constexpr QRgb kSelEdge = 0xFF00A000u;
constexpr QRgb kDotGreen = 0xFF509847u;  // the canvas cursor's colours
constexpr QRgb kDotYellow = 0xFFFFFF6Cu;
constexpr QRgb kDotRed = 0xFFC83737u;

constexpr int kChoiceWidth = 100;  // buttons show the top-left 100 x 85 pixels
constexpr int kChoiceHeight = 85;
constexpr int kBookWidth = 650;  // the open dialog draws this source rectangle
constexpr int kBookHeight = 475;
constexpr int kLogoWidth = 194;
constexpr int kLogoHeight = 99;
constexpr int kPartnerLogoWidth = 343;
constexpr int kPartnerLogoHeight = 65;

// ---- A stroke alphabet: each glyph a list of polylines on a 4 x 6 grid ---------------------

using Stroke = std::vector<QPoint>;
const std::map<QChar, std::vector<Stroke>>& Glyphs() {
    static const std::map<QChar, std::vector<Stroke>> glyphs = {
        {'0', {{{0, 0}, {4, 0}, {4, 6}, {0, 6}, {0, 0}}}},
        {'1', {{{1, 1}, {2, 0}, {2, 6}}, {{1, 6}, {3, 6}}}},
        {'2', {{{0, 0}, {4, 0}, {4, 3}, {0, 3}, {0, 6}, {4, 6}}}},
        {'3', {{{0, 0}, {4, 0}, {4, 6}, {0, 6}}, {{1, 3}, {4, 3}}}},
        {'4', {{{0, 0}, {0, 3}, {4, 3}}, {{4, 0}, {4, 6}}}},
        {'5', {{{4, 0}, {0, 0}, {0, 3}, {4, 3}, {4, 6}, {0, 6}}}},
        {'6', {{{4, 0}, {0, 0}, {0, 6}, {4, 6}, {4, 3}, {0, 3}}}},
        {'7', {{{0, 0}, {4, 0}, {2, 6}}}},
        {'8', {{{0, 0}, {4, 0}, {4, 6}, {0, 6}, {0, 0}}, {{0, 3}, {4, 3}}}},
        {'9', {{{4, 3}, {0, 3}, {0, 0}, {4, 0}, {4, 6}, {0, 6}}}},
        {'.', {{{2, 5}, {2, 6}}}},
        {'m', {{{0, 6}, {0, 2}, {4, 2}, {4, 6}}, {{2, 2}, {2, 6}}}},
        {'s', {{{4, 2}, {0, 2}, {0, 4}, {4, 4}, {4, 6}, {0, 6}}}},
        {'A', {{{0, 6}, {0, 2}, {2, 0}, {4, 2}, {4, 6}}, {{0, 4}, {4, 4}}}},
        {'E', {{{4, 0}, {0, 0}, {0, 6}, {4, 6}}, {{0, 3}, {3, 3}}}},
        {'L', {{{0, 0}, {0, 6}, {4, 6}}}},
        {'M', {{{0, 6}, {0, 0}, {2, 3}, {4, 0}, {4, 6}}}},
        {'O', {{{1, 0}, {3, 0}, {4, 1}, {4, 5}, {3, 6}, {1, 6}, {0, 5}, {0, 1}, {1, 0}}}},
        {'R', {{{0, 6}, {0, 0}, {4, 0}, {4, 3}, {0, 3}, {4, 6}}}},
        {'U', {{{0, 0}, {0, 6}, {4, 6}, {4, 0}}}},
        {'V', {{{0, 0}, {2, 6}, {4, 0}}}},
    };
    return glyphs;
}

// Draws the text with its top-left corner at `at`; `unit` pixels per grid step.
void DrawText(QPainter& p, QPoint at, const QString& text, int unit, QRgb colour, int pen) {
    p.setPen(QPen(QColor::fromRgb(colour), pen, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    for (const QChar ch : text) {
        const auto glyph = Glyphs().find(ch);
        if (glyph != Glyphs().end()) {
            for (const Stroke& stroke : glyph->second) {
                QPolygon line;
                for (const QPoint& g : stroke)
                    line << at + g * unit;
                p.drawPolyline(line);
            }
        }
        at.rx() += 6 * unit;
    }
}

int TextWidth(const QString& text, int unit) {
    return static_cast<int>(text.size()) * 6 * unit - 2 * unit;
}

QByteArray Encode(const QImage& picture) {
    const int depth = IndexedDepthFor(picture);
    return EncodeBmp(picture, depth > 0 ? depth : 24);
}

// ---- Settings choices ----------------------------------------------------------------------

QImage ChoiceGround(bool selected) {
    QImage image(kChoiceWidth, kChoiceHeight, QImage::Format_RGB32);
    image.fill(selected ? kSelFill : kBackground);
    if (selected) {
        QPainter p(&image);
        p.setPen(QPen(QColor::fromRgb(kSelEdge), 6));
        p.drawRect(QRect(3, 3, kChoiceWidth - 7, kChoiceHeight - 7));
    }
    return image;
}

// A dial filled to the part of a second, and the milliseconds under it.
QImage TimingChoice(int ms, bool selected) {
    QImage image = ChoiceGround(selected);
    QPainter p(&image);
    const QRect dial(34, 8, 32, 32);
    p.setPen(QPen(QColor::fromRgb(kInk), 2));
    p.setBrush(QColor::fromRgb(0xFFFFFFFFu));
    p.drawEllipse(dial);
    p.setBrush(QColor::fromRgb(kBlue));
    p.drawPie(dial, 90 * 16, -ms * 360 * 16 / 1000);
    const QString text = QString::number(ms) + QStringLiteral("ms");
    const int unit = 3;
    DrawText(p, QPoint((kChoiceWidth - TextWidth(text, unit)) / 2, 52), text, unit, kInk, 2);
    return image;
}

// The cursor's colours in the order a dwell shows them.
QImage SequenceChoice(bool withYellow, bool selected) {
    QImage image = ChoiceGround(selected);
    QPainter p(&image);
    std::vector<QRgb> dots = {kDotGreen};
    if (withYellow)
        dots.push_back(kDotYellow);
    dots.push_back(kDotRed);
    const int size = 22;
    const int gap = 6;
    const int total = static_cast<int>(dots.size()) * size + static_cast<int>(dots.size() - 1) * gap;
    int x = (kChoiceWidth - total) / 2;
    p.setPen(QPen(QColor::fromRgb(kInk), 2));
    for (QRgb dot : dots) {
        p.setBrush(QColor::fromRgb(dot));
        p.drawRect(QRect(x, (kChoiceHeight - size) / 2, size, size));
        x += size + gap;
    }
    return image;
}

// A ring as wide as the gaze may wander, and the size in inches.
QImage SizeChoice(int hundredths, bool selected) {
    QImage image = ChoiceGround(selected);
    QPainter p(&image);
    const int radius = 6 + hundredths / 5;
    p.setPen(QPen(QColor::fromRgb(kBlue), 3));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPoint(kChoiceWidth / 2, 28), radius, radius);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor::fromRgb(kInk));
    p.drawRect(QRect(kChoiceWidth / 2 - 2, 26, 5, 5));
    const QString text = QStringLiteral("0.") + QString::number(hundredths);
    const int unit = 3;
    DrawText(p, QPoint((kChoiceWidth - TextWidth(text, unit)) / 2, 60), text, unit, kInk, 2);
    return image;
}

// ---- The book ------------------------------------------------------------------------------

constexpr QRect kLeftPage(18, 26, 296, 420);
constexpr QRect kRightPage(336, 26, 296, 420);

QImage Book(int chosenPage) {
    QImage image(kBookWidth, kBookHeight, QImage::Format_RGB32);
    image.fill(kBackground);
    QPainter p(&image);
    // Cover, pages, spine.
    p.setPen(QPen(QColor::fromRgb(0xFF3A2A1Au), 2));
    p.setBrush(QColor::fromRgb(0xFF6B4A2Bu));
    p.drawRect(QRect(4, 10, kBookWidth - 9, kBookHeight - 21));
    p.setPen(QPen(QColor::fromRgb(0xFF9A9080u), 1));
    p.setBrush(QColor::fromRgb(0xFFFFFCF0u));
    p.drawRect(kLeftPage);
    p.drawRect(kRightPage);
    p.setPen(QPen(QColor::fromRgb(0xFF3A2A1Au), 4));
    p.drawLine(kBookWidth / 2, 14, kBookWidth / 2, kBookHeight - 14);
    if (chosenPage >= 0) {
        p.setPen(QPen(QColor::fromRgb(kGreen), 8, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        p.setBrush(Qt::NoBrush);
        p.drawRect((chosenPage == 0 ? kLeftPage : kRightPage).adjusted(-6, -6, 6, 6));
    }
    return image;
}

// ---- Logos ---------------------------------------------------------------------------------

QImage LumoraLogo() {
    QImage image(kLogoWidth, kLogoHeight, QImage::Format_RGB32);
    image.fill(0xFFD4D0C8u);  // the about box's ground
    QPainter p(&image);
    // An eye whose pupil is the gaze cursor, above the name.
    QPainterPath eye;
    eye.moveTo(57, 30);
    eye.quadTo(97, 0, 137, 30);
    eye.quadTo(97, 60, 57, 30);
    p.setPen(QPen(QColor::fromRgb(kInk), 3));
    p.setBrush(QColor::fromRgb(0xFFFFFFFFu));
    p.drawPath(eye);
    p.setBrush(QColor::fromRgb(kBlue));
    p.drawEllipse(QPoint(97, 30), 11, 11);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor::fromRgb(0xFFFFFFFFu));
    p.drawRect(QRect(100, 24, 4, 4));
    const QString name = QStringLiteral("LUMORA");
    const int unit = 4;
    DrawText(p, QPoint((kLogoWidth - TextWidth(name, unit)) / 2, 64), name, unit, kBlue, 4);
    return image;
}

QImage PartnerLogo() {
    QImage image(kPartnerLogoWidth, kPartnerLogoHeight, QImage::Format_RGB32);
    image.fill(0xFFD4D0C8u);
    QPainter p(&image);
    // Three brush strokes in the palette's colours beside the letters.
    const QRgb strokes[] = {kDotRed, kDotGreen, kBlue};
    for (int i = 0; i < 3; ++i) {
        p.setPen(QPen(QColor::fromRgb(strokes[i]), 7, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(14 + i * 18, 52, 34 + i * 18, 12);
    }
    const QString name = QStringLiteral("VEL");
    DrawText(p, QPoint(110, 11), name, 7, kInk, 6);
    return image;
}

}  // namespace

std::vector<Artifact> DialogFiles() {
    std::vector<Artifact> files = {
        {"Lumora/Images/book.bmp", [] { return Encode(Book(-1)); }},
        {"Lumora/Images/bookleft.bmp", [] { return Encode(Book(0)); }},
        {"Lumora/Images/bookright.bmp", [] { return Encode(Book(1)); }},
        {"Lumora/Images/LumoraLogo.bmp", [] { return Encode(LumoraLogo()); }},
        {"Lumora/Images/VelLogo.bmp", [] { return Encode(PartnerLogo()); }},
    };
    for (bool selected : {false, true}) {
        const QString tail = selected ? QStringLiteral("_sel.bmp") : QStringLiteral(".bmp");
        for (int ms : {300, 400, 500, 600}) {
            files.push_back({QStringLiteral("Lumora/Images/") + QString::number(ms) + tail,
                             [ms, selected] { return Encode(TimingChoice(ms, selected)); }});
        }
        files.push_back({QStringLiteral("Lumora/Images/g-r") + tail,
                         [selected] { return Encode(SequenceChoice(false, selected)); }});
        files.push_back({QStringLiteral("Lumora/Images/g-y-r") + tail,
                         [selected] { return Encode(SequenceChoice(true, selected)); }});
        for (int size : {25, 50, 75}) {
            files.push_back({QStringLiteral("Lumora/Images/gdt") + QString::number(size) + tail,
                             [size, selected] { return Encode(SizeChoice(size, selected)); }});
        }
    }
    return files;
}

}  // namespace artgen
