// The 38 stamp pictures: 70 x 70 (the Bus 73 x 73), white background, a handful of flat
// colours each so that they fit a 4- or 8-bit colour table and their white edges stay white
// (white is what stamp drawing leaves transparent). Drawn without smoothing for that reason.
#include <QPainter>
#include <QPainterPath>
#include <QPolygon>
#include <cmath>
#include <map>
#include <numbers>

#include "BmpWriter.h"
#include "Catalog.h"

namespace artgen {

namespace {

constexpr int kSize = 70;
constexpr int kBusSize = 73;
constexpr int kBusNumber = 160;

// The palette the pictures share.
const QColor kWhite(255, 255, 255);
const QColor kBlack(0, 0, 0);
const QColor kRed(200, 30, 40);
const QColor kDarkRed(130, 10, 20);
const QColor kPink(245, 150, 190);
const QColor kOrange(245, 120, 0);
const QColor kYellow(255, 220, 0);
const QColor kLightYellow(255, 245, 150);
const QColor kGreen(40, 150, 40);
const QColor kDarkGreen(20, 90, 30);
const QColor kLightGreen(150, 220, 120);
const QColor kBlue(30, 60, 200);
const QColor kLightBlue(120, 190, 245);
const QColor kNavy(20, 30, 110);
const QColor kPurple(110, 40, 150);
const QColor kViolet(170, 90, 210);
const QColor kBrown(130, 75, 30);
const QColor kLightBrown(200, 150, 90);
const QColor kTan(225, 180, 110);
const QColor kGrey(130, 130, 130);
const QColor kLightGrey(200, 200, 200);
const QColor kSkin(250, 205, 165);
const QColor kBlond(240, 200, 60);

using Painter = QPainter;

void pen(Painter& p, const QColor& c, int width = 2) {
    p.setPen(QPen(c, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}
void noPen(Painter& p) {
    p.setPen(Qt::NoPen);
}
void fill(Painter& p, const QColor& c) {
    p.setBrush(c);
}
void noFill(Painter& p) {
    p.setBrush(Qt::NoBrush);
}

void disc(Painter& p, double cx, double cy, double rx, double ry, const QColor& inside, const QColor& edge,
          int edgeWidth = 2) {
    pen(p, edge, edgeWidth);
    fill(p, inside);
    p.drawEllipse(QPointF(cx, cy), rx, ry);
}

void line(Painter& p, double x1, double y1, double x2, double y2, const QColor& c, int width) {
    pen(p, c, width);
    p.drawLine(QPointF(x1, y1), QPointF(x2, y2));
}

// ---- nature --------------------------------------------------------------------------

void flower(Painter& p) {
    line(p, 35, 36, 35, 68, kGreen, 4);
    pen(p, kDarkGreen, 1);
    fill(p, kGreen);
    p.save();
    p.translate(27, 54);
    p.rotate(-35);
    p.drawEllipse(QPointF(0, 0), 10, 4);
    p.restore();
    p.save();
    p.translate(43, 50);
    p.rotate(35);
    p.drawEllipse(QPointF(0, 0), 10, 4);
    p.restore();
    for (int i = 0; i < 6; ++i) {
        const double a = i * std::numbers::pi / 3;
        disc(p, 35 + 12 * std::cos(a), 24 + 12 * std::sin(a), 9, 9, kRed, kDarkRed, 1);
    }
    disc(p, 35, 24, 7, 7, kYellow, kOrange, 1);
}

void heart(Painter& p) {
    QPainterPath path;
    path.moveTo(35, 64);
    path.cubicTo(10, 46, 2, 30, 6, 18);
    path.cubicTo(10, 6, 30, 4, 35, 20);
    path.cubicTo(40, 4, 60, 6, 64, 18);
    path.cubicTo(68, 30, 60, 46, 35, 64);
    pen(p, kDarkRed, 2);
    fill(p, kRed);
    p.drawPath(path);
    disc(p, 20, 20, 4, 3, kPink, kPink, 1);
}

void star(Painter& p) {
    QPolygonF poly;
    for (int i = 0; i < 10; ++i) {
        const double r = i % 2 == 0 ? 32 : 13;
        const double a = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
        poly << QPointF(35 + r * std::cos(a), 37 + r * std::sin(a));
    }
    pen(p, kOrange, 2);
    fill(p, kYellow);
    p.drawPolygon(poly);
}

void snowflake(Painter& p) {
    for (int i = 0; i < 6; ++i) {
        const double a = i * std::numbers::pi / 3;
        const double c = std::cos(a);
        const double s = std::sin(a);
        auto at = [&](double along, double across) {
            return QPointF(35 + along * c - across * s, 35 + along * s + across * c);
        };
        pen(p, kLightBlue, 4);
        p.drawLine(at(0, 0), at(30, 0));
        pen(p, kBlue, 2);
        p.drawLine(at(0, 0), at(30, 0));
        for (double d : {14.0, 22.0}) {
            p.drawLine(at(d, 0), at(d + 7, 7));
            p.drawLine(at(d, 0), at(d + 7, -7));
        }
    }
    disc(p, 35, 35, 4, 4, kWhite, kBlue, 2);
}

void spider(Painter& p) {
    line(p, 35, 0, 35, 22, kGrey, 1);
    pen(p, kBlack, 2);
    noFill(p);
    for (int side : {-1, 1}) {
        for (int i = 0; i < 4; ++i) {
            const double y = 30 + i * 5;
            QPainterPath leg;
            leg.moveTo(35, y);
            leg.lineTo(35 + side * 16, y - 10 + i * 3);
            leg.lineTo(35 + side * 28, y + 2 + i * 4);
            p.drawPath(leg);
        }
    }
    disc(p, 35, 30, 8, 8, kBlack, kBlack, 1);
    disc(p, 35, 44, 11, 12, kBlack, kBlack, 1);
    disc(p, 32, 28, 2, 2, kRed, kRed, 1);
    disc(p, 38, 28, 2, 2, kRed, kRed, 1);
}

void bird(Painter& p) {
    // Wings up, seen from the side, flying to the right.
    pen(p, kNavy, 2);
    fill(p, kBlue);
    p.drawPolygon(QPolygonF({QPointF(22, 36), QPointF(12, 8), QPointF(38, 30)}));
    p.drawPolygon(QPolygonF({QPointF(30, 36), QPointF(34, 6), QPointF(46, 32)}));
    disc(p, 34, 40, 18, 9, kBlue, kNavy);
    disc(p, 53, 32, 8, 8, kBlue, kNavy);
    pen(p, kNavy, 1);
    fill(p, kBlue);
    p.drawPolygon(QPolygonF({QPointF(18, 38), QPointF(4, 30), QPointF(6, 46)}));
    pen(p, kOrange, 1);
    fill(p, kOrange);
    p.drawPolygon(QPolygonF({QPointF(60, 30), QPointF(69, 33), QPointF(60, 36)}));
    disc(p, 55, 30, 2, 2, kBlack, kBlack, 1);
}

void butterfly(Painter& p) {
    for (int side : {-1, 1}) {
        disc(p, 35 + side * 16, 22, 15, 15, kViolet, kPurple);
        disc(p, 35 + side * 13, 48, 11, 12, kOrange, kPurple);
        disc(p, 35 + side * 18, 20, 5, 5, kYellow, kYellow, 1);
        disc(p, 35 + side * 13, 50, 4, 4, kYellow, kYellow, 1);
        line(p, 35, 14, 35 + side * 9, 3, kBlack, 2);
        disc(p, 35 + side * 9, 3, 2, 2, kBlack, kBlack, 1);
    }
    disc(p, 35, 36, 4, 22, kBlack, kBlack, 1);
}

void fish(Painter& p) {
    pen(p, kDarkRed, 2);
    fill(p, kOrange);
    p.drawPolygon(QPolygonF({QPointF(16, 35), QPointF(3, 20), QPointF(3, 50)}));
    p.drawPolygon(QPolygonF({QPointF(30, 24), QPointF(40, 12), QPointF(48, 24)}));
    disc(p, 38, 35, 26, 15, kOrange, kDarkRed);
    pen(p, kDarkRed, 2);
    noFill(p);
    p.drawArc(QRectF(22, 24, 16, 22), -60 * 16, 120 * 16);
    disc(p, 52, 31, 4, 4, kWhite, kBlack, 1);
    disc(p, 53, 31, 2, 2, kBlack, kBlack, 1);
    line(p, 58, 40, 63, 39, kDarkRed, 2);
}

void grapes(Painter& p) {
    line(p, 35, 4, 35, 14, kBrown, 3);
    pen(p, kDarkGreen, 1);
    fill(p, kGreen);
    p.drawPolygon(QPolygonF({QPointF(36, 10), QPointF(52, 2), QPointF(60, 10), QPointF(50, 16)}));
    const int rows[] = {5, 4, 3, 2, 1};
    for (int r = 0; r < 5; ++r) {
        for (int i = 0; i < rows[r]; ++i) {
            const double x = 35 + (i - (rows[r] - 1) / 2.0) * 11;
            disc(p, x, 20 + r * 10, 6, 6, kPurple, kNavy, 1);
        }
    }
}

void strawberry(Painter& p) {
    QPainterPath berry;
    berry.moveTo(35, 66);
    berry.cubicTo(14, 50, 6, 30, 14, 20);
    berry.cubicTo(22, 12, 48, 12, 56, 20);
    berry.cubicTo(64, 30, 56, 50, 35, 66);
    pen(p, kDarkRed, 2);
    fill(p, kRed);
    p.drawPath(berry);
    pen(p, kYellow, 2);
    for (int y = 26; y < 58; y += 8) {
        for (int x = 18; x < 54; x += 8) {
            const double sx = x + ((y / 8) % 2) * 4;
            if (std::abs(sx - 35) < (66 - y) * 0.55) {
                p.drawPoint(QPointF(sx, y));
            }
        }
    }
    pen(p, kDarkGreen, 1);
    fill(p, kGreen);
    p.drawPolygon(QPolygonF({QPointF(16, 18), QPointF(28, 14), QPointF(35, 6), QPointF(42, 14), QPointF(54, 18),
                             QPointF(42, 22), QPointF(35, 18), QPointF(28, 22)}));
    line(p, 35, 10, 38, 2, kDarkGreen, 3);
}

void watermelon(Painter& p) {
    // A slice: the rind along the bottom, flesh above, pips.
    noPen(p);
    fill(p, kDarkGreen);
    p.drawPie(QRectF(2, -30, 66, 92), 180 * 16, 180 * 16);
    fill(p, kLightGreen);
    p.drawPie(QRectF(7, -25, 56, 82), 180 * 16, 180 * 16);
    fill(p, kRed);
    p.drawPie(QRectF(10, -22, 50, 76), 180 * 16, 180 * 16);
    pen(p, kDarkGreen, 2);
    p.drawLine(QPointF(2, 16), QPointF(68, 16));
    noPen(p);
    fill(p, kRed);
    p.drawRect(QRectF(10, 16, 50, 1));
    for (auto [x, y] : {std::pair{22, 26}, {35, 24}, {48, 26}, {28, 36}, {42, 36}, {35, 45}}) {
        disc(p, x, y, 2, 3, kBlack, kBlack, 1);
    }
}

// ---- things --------------------------------------------------------------------------

void bulb(Painter& p) {
    QPainterPath glass;
    glass.moveTo(27, 46);
    glass.cubicTo(10, 36, 12, 6, 35, 5);
    glass.cubicTo(58, 6, 60, 36, 43, 46);
    glass.closeSubpath();
    pen(p, kOrange, 2);
    fill(p, kLightYellow);
    p.drawPath(glass);
    pen(p, kOrange, 2);
    noFill(p);
    QPainterPath wire;
    wire.moveTo(31, 45);
    wire.lineTo(31, 30);
    wire.lineTo(33, 25);
    wire.lineTo(35, 30);
    wire.lineTo(37, 25);
    wire.lineTo(39, 30);
    wire.lineTo(39, 45);
    p.drawPath(wire);
    pen(p, kBlack, 1);
    fill(p, kGrey);
    p.drawRect(QRectF(26, 46, 18, 14));
    for (int y = 50; y < 60; y += 4) {
        line(p, 26, y, 44, y, kBlack, 1);
    }
    fill(p, kBlack);
    noPen(p);
    p.drawRect(QRectF(31, 60, 8, 5));
    pen(p, kYellow, 2);
    for (int i = 0; i < 5; ++i) {
        const double a = std::numbers::pi * (1.1 + i * 0.2);
        p.drawLine(QPointF(35 + 29 * std::cos(a), 24 + 29 * std::sin(a)),
                   QPointF(35 + 34 * std::cos(a), 24 + 34 * std::sin(a)));
    }
}

void music(Painter& p) {
    // Two eighth notes joined by one beam.
    pen(p, kBlack, 1);
    fill(p, kBlack);
    for (auto [x, y] : {std::pair{18.0, 54.0}, {48.0, 48.0}}) {
        p.save();
        p.translate(x, y);
        p.rotate(-25);
        p.drawEllipse(QPointF(0, 0), 9, 6);
        p.restore();
    }
    line(p, 26, 52, 26, 14, kBlack, 3);
    line(p, 56, 46, 56, 8, kBlack, 3);
    noPen(p);
    fill(p, kBlack);
    p.drawPolygon(QPolygonF({QPointF(25, 12), QPointF(57, 5), QPointF(57, 14), QPointF(25, 21)}));
}

void eye(Painter& p) {
    QPainterPath lids;
    lids.moveTo(3, 35);
    lids.quadTo(35, 2, 67, 35);
    lids.quadTo(35, 68, 3, 35);
    pen(p, kBlack, 2);
    fill(p, kWhite);
    p.drawPath(lids);
    disc(p, 35, 35, 14, 14, kBlue, kNavy, 1);
    disc(p, 35, 35, 6, 6, kBlack, kBlack, 1);
    disc(p, 31, 31, 2, 2, kWhite, kWhite, 1);
    for (int i = 0; i < 5; ++i) {
        const double x = 15 + i * 10;
        const double y = 21 - (i == 0 || i == 4 ? -3 : (i == 2 ? 3 : 1));
        line(p, x, y, x + (x - 35) * 0.25, y - 8, kBlack, 2);
    }
}

void computer(Painter& p) {
    pen(p, kBlack, 2);
    fill(p, kLightGrey);
    p.drawRect(QRectF(8, 5, 54, 40));
    fill(p, kBlue);
    p.drawRect(QRectF(13, 10, 44, 30));
    pen(p, kLightBlue, 2);
    p.drawLine(QPointF(18, 16), QPointF(40, 16));
    p.drawLine(QPointF(18, 22), QPointF(48, 22));
    p.drawLine(QPointF(18, 28), QPointF(34, 28));
    pen(p, kBlack, 2);
    fill(p, kGrey);
    p.drawRect(QRectF(30, 45, 10, 6));
    p.drawRect(QRectF(18, 51, 34, 4));
    fill(p, kLightGrey);
    p.drawPolygon(QPolygonF({QPointF(8, 58), QPointF(62, 58), QPointF(66, 67), QPointF(4, 67)}));
    pen(p, kGrey, 1);
    for (int x = 10; x < 62; x += 6) {
        p.drawLine(QPointF(x, 61), QPointF(x + 1, 64));
    }
}

void wheelchair(Painter& p) {
    // A person seated in a wheelchair, facing right.
    pen(p, kBlack, 3);
    noFill(p);
    p.drawEllipse(QPointF(30, 48), 18, 18);
    pen(p, kBlack, 1);
    p.drawLine(QPointF(12, 48), QPointF(48, 48));
    p.drawLine(QPointF(30, 30), QPointF(30, 66));
    disc(p, 56, 62, 4, 4, kBlack, kBlack, 1);
    pen(p, kGrey, 3);
    p.drawLine(QPointF(22, 22), QPointF(22, 46));  // back
    p.drawLine(QPointF(22, 46), QPointF(48, 46));  // seat
    p.drawLine(QPointF(48, 46), QPointF(56, 58));  // frame to the front wheel
    p.drawLine(QPointF(18, 22), QPointF(24, 22));  // handle
    disc(p, 33, 12, 6, 6, kSkin, kBrown, 1);
    line(p, 30, 20, 28, 40, kBlue, 7);   // body
    line(p, 28, 40, 46, 40, kNavy, 6);   // thigh
    line(p, 46, 40, 50, 56, kNavy, 5);   // shin
    line(p, 50, 56, 56, 56, kBlack, 3);  // foot
    line(p, 31, 25, 42, 32, kSkin, 4);   // arm
}

void bus(Painter& p) {
    // A yellow school bus from the side, 73 x 73.
    pen(p, kBlack, 2);
    fill(p, kYellow);
    QPainterPath body;
    body.moveTo(3, 56);
    body.lineTo(3, 20);
    body.quadTo(3, 14, 10, 14);
    body.lineTo(56, 14);
    body.quadTo(62, 14, 63, 24);
    body.lineTo(64, 34);
    body.lineTo(70, 36);
    body.lineTo(70, 56);
    body.closeSubpath();
    p.drawPath(body);
    fill(p, kLightBlue);
    pen(p, kBlack, 1);
    for (int x = 8; x < 52; x += 11) {
        p.drawRect(QRectF(x, 19, 8, 12));
    }
    p.drawRect(QRectF(54, 19, 7, 15));
    line(p, 3, 39, 70, 39, kBlack, 2);
    line(p, 3, 45, 70, 45, kBlack, 2);
    fill(p, kOrange);
    pen(p, kBlack, 1);
    p.drawRect(QRectF(66, 48, 4, 4));
    disc(p, 17, 58, 8, 8, kBlack, kBlack, 1);
    disc(p, 17, 58, 3, 3, kGrey, kGrey, 1);
    disc(p, 56, 58, 8, 8, kBlack, kBlack, 1);
    disc(p, 56, 58, 3, 3, kGrey, kGrey, 1);
}

void icecream(Painter& p) {
    pen(p, kBrown, 2);
    fill(p, kTan);
    p.drawPolygon(QPolygonF({QPointF(18, 32), QPointF(52, 32), QPointF(35, 68)}));
    pen(p, kBrown, 1);
    for (int i = 0; i < 4; ++i) {
        p.drawLine(QPointF(22 + i * 8, 32), QPointF(30 + i * 8 - 30 + 24, 52 - i * 2));
    }
    for (int i = 0; i < 3; ++i) {
        p.drawLine(QPointF(20 + i * 4, 38 + i * 9), QPointF(50 - i * 4, 38 + i * 9));
    }
    disc(p, 35, 24, 17, 14, kPink, kRed);
    disc(p, 35, 8, 5, 5, kRed, kDarkRed, 1);
}

void balloon(Painter& p) {
    // A hot-air balloon: striped envelope, ropes, basket.
    QPainterPath envelope;
    envelope.moveTo(27, 50);
    envelope.cubicTo(4, 36, 6, 3, 35, 3);
    envelope.cubicTo(64, 3, 66, 36, 43, 50);
    envelope.closeSubpath();
    pen(p, kDarkRed, 2);
    fill(p, kRed);
    p.drawPath(envelope);
    p.save();
    p.setClipPath(envelope);
    noPen(p);
    fill(p, kYellow);
    p.drawEllipse(QPointF(35, 26), 9, 26);
    p.restore();
    pen(p, kDarkRed, 2);
    noFill(p);
    p.drawPath(envelope);
    line(p, 27, 50, 29, 58, kBrown, 1);
    line(p, 43, 50, 41, 58, kBrown, 1);
    pen(p, kBlack, 1);
    fill(p, kBrown);
    p.drawRect(QRectF(28, 58, 14, 10));
}

// ---- creatures and people ----------------------------------------------------------------

void cat(Painter& p) {
    pen(p, kBlack, 2);
    fill(p, kOrange);
    p.drawPolygon(QPolygonF({QPointF(10, 30), QPointF(12, 4), QPointF(30, 18)}));
    p.drawPolygon(QPolygonF({QPointF(60, 30), QPointF(58, 4), QPointF(40, 18)}));
    disc(p, 35, 38, 26, 24, kOrange, kBlack);
    fill(p, kPink);
    noPen(p);
    p.drawPolygon(QPolygonF({QPointF(15, 24), QPointF(15, 10), QPointF(24, 18)}));
    p.drawPolygon(QPolygonF({QPointF(55, 24), QPointF(55, 10), QPointF(46, 18)}));
    disc(p, 25, 34, 5, 6, kGreen, kBlack, 1);
    disc(p, 45, 34, 5, 6, kGreen, kBlack, 1);
    line(p, 25, 30, 25, 38, kBlack, 2);
    line(p, 45, 30, 45, 38, kBlack, 2);
    pen(p, kBlack, 1);
    fill(p, kPink);
    p.drawPolygon(QPolygonF({QPointF(31, 44), QPointF(39, 44), QPointF(35, 48)}));
    line(p, 35, 48, 35, 52, kBlack, 1);
    noFill(p);
    p.drawArc(QRectF(27, 46, 8, 8), 180 * 16, 180 * 16);
    p.drawArc(QRectF(35, 46, 8, 8), 180 * 16, 180 * 16);
    for (int i = -1; i <= 1; ++i) {
        line(p, 26, 47 + i * 3, 6, 45 + i * 6, kBlack, 1);
        line(p, 44, 47 + i * 3, 64, 45 + i * 6, kBlack, 1);
    }
}

void dog(Painter& p) {
    disc(p, 35, 36, 22, 24, kLightBrown, kBrown);
    pen(p, kBrown, 1);
    fill(p, kBrown);
    p.save();
    p.translate(12, 32);
    p.rotate(15);
    p.drawEllipse(QPointF(0, 0), 7, 19);
    p.restore();
    p.save();
    p.translate(58, 32);
    p.rotate(-15);
    p.drawEllipse(QPointF(0, 0), 7, 19);
    p.restore();
    disc(p, 35, 48, 12, 9, kTan, kBrown, 1);
    disc(p, 27, 30, 4, 4, kBlack, kBlack, 1);
    disc(p, 43, 30, 4, 4, kBlack, kBlack, 1);
    disc(p, 35, 43, 5, 4, kBlack, kBlack, 1);
    line(p, 35, 47, 35, 52, kBlack, 1);
    pen(p, kBlack, 1);
    noFill(p);
    p.drawArc(QRectF(28, 47, 14, 8), 200 * 16, 140 * 16);
    disc(p, 35, 58, 3, 3, kPink, kRed, 1);
}

void bear(Painter& p) {
    // A teddy bear: head with round ears over a round body.
    disc(p, 35, 54, 16, 14, kBrown, kDarkRed, 1);
    disc(p, 35, 56, 8, 8, kTan, kTan, 1);
    disc(p, 17, 50, 6, 6, kBrown, kDarkRed, 1);
    disc(p, 53, 50, 6, 6, kBrown, kDarkRed, 1);
    disc(p, 24, 66, 7, 4, kBrown, kDarkRed, 1);
    disc(p, 46, 66, 7, 4, kBrown, kDarkRed, 1);
    disc(p, 19, 11, 8, 8, kBrown, kDarkRed, 1);
    disc(p, 51, 11, 8, 8, kBrown, kDarkRed, 1);
    disc(p, 19, 11, 4, 4, kTan, kTan, 1);
    disc(p, 51, 11, 4, 4, kTan, kTan, 1);
    disc(p, 35, 24, 17, 16, kBrown, kDarkRed, 1);
    disc(p, 35, 30, 8, 6, kTan, kTan, 1);
    disc(p, 28, 20, 2, 2, kBlack, kBlack, 1);
    disc(p, 42, 20, 2, 2, kBlack, kBlack, 1);
    disc(p, 35, 27, 3, 2, kBlack, kBlack, 1);
    pen(p, kBlack, 1);
    noFill(p);
    p.drawArc(QRectF(31, 28, 8, 6), 200 * 16, 140 * 16);
}

struct Child {
    QColor hair;
    QColor clothes;
    bool girl;
    bool longHair;
    bool cap;
};

void child(Painter& p, const Child& c) {
    // Legs and arms first, then clothes, then the head on top.
    line(p, 29, 52, 28, 66, kSkin, 4);
    line(p, 41, 52, 42, 66, kSkin, 4);
    line(p, 24, 66, 29, 66, kBlack, 3);
    line(p, 41, 66, 46, 66, kBlack, 3);
    line(p, 26, 30, 14, 46, kSkin, 4);
    line(p, 44, 30, 56, 46, kSkin, 4);
    pen(p, kBlack, 1);
    fill(p, c.clothes);
    if (c.girl) {
        p.drawPolygon(QPolygonF({QPointF(28, 27), QPointF(42, 27), QPointF(52, 56), QPointF(18, 56)}));
    } else {
        p.drawRect(QRectF(25, 27, 20, 20));
        fill(p, kNavy);
        p.drawRect(QRectF(25, 47, 20, 8));
    }
    if (c.longHair) {
        noPen(p);
        fill(p, c.hair);
        p.drawRect(QRectF(22, 10, 26, 22));
    }
    disc(p, 35, 16, 11, 12, kSkin, kBrown, 1);
    noPen(p);
    fill(p, c.hair);
    p.drawChord(QRectF(23, 3, 24, 18), 0, 180 * 16);
    if (c.cap) {
        fill(p, kRed);
        p.drawChord(QRectF(23, 2, 24, 16), 0, 180 * 16);
        p.drawRect(QRectF(35, 8, 16, 3));
    }
    if (c.girl && !c.longHair) {
        disc(p, 21, 14, 5, 7, c.hair, c.hair, 1);
        disc(p, 49, 14, 5, 7, c.hair, c.hair, 1);
        disc(p, 23, 9, 2, 2, kRed, kRed, 1);
        disc(p, 47, 9, 2, 2, kRed, kRed, 1);
    }
    disc(p, 31, 16, 1.5, 1.5, kBlack, kBlack, 1);
    disc(p, 39, 16, 1.5, 1.5, kBlack, kBlack, 1);
    pen(p, kRed, 1);
    noFill(p);
    p.drawArc(QRectF(31, 18, 8, 6), 200 * 16, 140 * 16);
}

// ---- characters ---------------------------------------------------------------------------

// Digits, "+" and "=" as thick blue strokes in a box 36 wide and 54 high.
void glyph(Painter& p, int number) {
    QPainterPath s;
    const int n = number - 203;
    switch (n) {
        case 0:
            s.addEllipse(QRectF(17, 8, 36, 54));
            break;
        case 1:
            s.moveTo(24, 18);
            s.lineTo(36, 8);
            s.lineTo(36, 62);
            s.moveTo(25, 62);
            s.lineTo(47, 62);
            break;
        case 2:
            s.arcMoveTo(QRectF(17, 8, 36, 30), 160);
            s.arcTo(QRectF(17, 8, 36, 30), 160, -210);
            s.lineTo(17, 62);
            s.lineTo(54, 62);
            break;
        case 3:
            s.arcMoveTo(QRectF(19, 8, 32, 27), 150);
            s.arcTo(QRectF(19, 8, 32, 27), 150, -240);
            s.arcTo(QRectF(17, 35, 36, 27), 90, -240);
            break;
        case 4:
            s.moveTo(44, 62);
            s.lineTo(44, 8);
            s.lineTo(15, 46);
            s.lineTo(55, 46);
            break;
        case 5:
            s.moveTo(51, 8);
            s.lineTo(22, 8);
            s.lineTo(20, 32);
            s.arcTo(QRectF(17, 27, 36, 35), 140, -280);
            break;
        case 6:
            s.addEllipse(QRectF(17, 30, 36, 32));
            s.moveTo(17, 46);
            s.cubicTo(17, 20, 28, 8, 48, 8);
            break;
        case 7:
            s.moveTo(16, 8);
            s.lineTo(54, 8);
            s.lineTo(29, 62);
            break;
        case 8:
            s.addEllipse(QRectF(20, 8, 30, 26));
            s.addEllipse(QRectF(17, 34, 36, 28));
            break;
        case 9:
            s.addEllipse(QRectF(17, 8, 36, 32));
            s.moveTo(53, 24);
            s.cubicTo(53, 50, 42, 62, 22, 62);
            break;
        case 10:  // "+"
            s.moveTo(35, 12);
            s.lineTo(35, 58);
            s.moveTo(12, 35);
            s.lineTo(58, 35);
            break;
        case 11:  // "="
            s.moveTo(12, 25);
            s.lineTo(58, 25);
            s.moveTo(12, 45);
            s.lineTo(58, 45);
            break;
        default:
            return;
    }
    p.setPen(QPen(kBlue, n >= 10 ? 10 : 8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(s);
}

using Drawing = void (*)(Painter&);

const std::map<int, Drawing>& drawings() {
    static const std::map<int, Drawing> table = {
        {149, flower},
        {170, heart},
        {159, bulb},
        {172, music},
        {176, star},
        {175, snowflake},
        {150, spider},
        {158, bird},
        {163, cat},
        {165, dog},
        {161, butterfly},
        {168, fish},
        {167, eye},
        {164, computer},
        {179, wheelchair},
        {160, bus},
        {171, icecream},
        {169, grapes},
        {177, strawberry},
        {178, watermelon},
        {151, balloon},
        {157, bear},
        {182,
         [](Painter& p) {
             child(p, {kBrown, kBlue, false, false, false});
         }},
        {183,
         [](Painter& p) {
             child(p, {kBlack, kGreen, false, false, true});
         }},
        {184,
         [](Painter& p) {
             child(p, {kBlond, kPink, true, true, false});
         }},
        {186,
         [](Painter& p) {
             child(p, {kBrown, kViolet, true, false, false});
         }},
    };
    return table;
}

}  // namespace

std::vector<int> StampNumbers() {
    // In the order of the stamp palette.
    return {149, 170, 159, 172, 176, 175, 150, 158, 163, 165, 161, 168, 167, 164, 179, 160, 171, 169, 177,
            178, 151, 157, 182, 183, 184, 186, 203, 204, 205, 206, 207, 208, 209, 210, 211, 212, 213, 214};
}

QImage DrawStamp(int number) {
    const int size = number == kBusNumber ? kBusSize : kSize;
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(kWhite);
    Painter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    const auto& table = drawings();
    if (auto it = table.find(number); it != table.end()) {
        it->second(p);
    } else {
        glyph(p, number);
    }
    return image;
}

std::vector<Artifact> StampFiles() {
    std::vector<Artifact> files;
    for (int number : StampNumbers()) {
        files.push_back({QStringLiteral("%1.bmp").arg(number), [number] {
                             const QImage picture = DrawStamp(number);
                             return EncodeBmp(picture, IndexedDepthFor(picture));
                         }});
    }
    return files;
}

QByteArray StampResourceList() {
    QByteArray qrc = "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/lumora/stamps\">\n";
    for (int number : StampNumbers()) {
        qrc += QStringLiteral("    <file>%1.bmp</file>\n").arg(number).toUtf8();
    }
    qrc += "</qresource>\n</RCC>\n";
    return qrc;
}

}  // namespace artgen
