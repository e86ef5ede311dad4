#include "ButtonIconPainter.h"

#include <QPainter>

#include "PathKit.h"
#include "Typeface.h"

namespace sylvenor::draw {

namespace {

const QColor kSkin("#f2c29b");
const QColor kDark("#3c4650");
const QColor kGrey("#7d8793");
const QColor kBlue("#2f6fb5");
const QColor kGreen("#2e9e4f");
const QColor kRed("#d0342c");
const QColor kOrange("#e07b24");
const QColor kWood("#a0703a");
const QColor kPaper("#fbfbf7");

void paintOutlined(QPainter& painter, const QPainterPath& path, const QColor& fill) {
  PathKit::fillOutlined(painter, path, fill, fill.darker(150), 2.5);
}

void paintLine(QPainter& painter, std::initializer_list<QPointF> points, qreal width,
               const QColor& colour) {
  painter.fillPath(PathKit::stroke(PathKit::polyline(points), width), colour);
}

QPainterPath rightArrow(qreal left, qreal right, qreal centreY, qreal shaft, qreal head) {
  const qreal neck = right - head;
  return PathKit::polygon({{left, centreY - shaft / 2},
                           {neck, centreY - shaft / 2},
                           {neck, centreY - head * 0.9},
                           {right, centreY},
                           {neck, centreY + head * 0.9},
                           {neck, centreY + shaft / 2},
                           {left, centreY + shaft / 2}});
}

QPainterPath thumbUp() {
  return PathKit::unite({
      PathKit::roundedRect(QRectF(34, 44, 48, 44), 11),
      PathKit::roundedRect(QRectF(36, 8, 20, 48), 10),
  });
}

void paintHand(QPainter& painter, const QColor& colour) {
  paintOutlined(painter, PathKit::roundedRect(QRectF(14, 46, 24, 44), 4), colour.darker(130));
  paintOutlined(painter, thumbUp(), colour);
  painter.setPen(QPen(colour.darker(150), 2.5, Qt::SolidLine, Qt::RoundCap));
  for (const qreal y : {55.0, 66.0, 77.0}) {
    painter.drawLine(QPointF(58, y), QPointF(80, y));
  }
  painter.setPen(Qt::NoPen);
}

void paintDisc(QPainter& painter, const QColor& colour) {
  paintOutlined(painter, PathKit::circle({50, 50}, 44), colour);
  painter.fillPath(PathKit::ellipse({38, 28}, 18, 9), QColor(255, 255, 255, 70));
}

void paintBox(QPainter& painter) {
  paintLine(painter, {{10, 54}, {10, 90}, {90, 90}, {90, 54}}, 11, kDark);
}

}  // namespace

void ButtonIconPainter::paintPupil(QPainter& painter) {
  QPainterPath shirt({22, 98});
  shirt.lineTo(24, 64);
  shirt.quadTo(26, 48, 50, 48);
  shirt.quadTo(74, 48, 76, 64);
  shirt.lineTo(78, 98);
  shirt.closeSubpath();
  paintOutlined(painter, shirt, QColor("#3f8fd0"));
  paintOutlined(painter, PathKit::circle({50, 28}, 16), kSkin);
  const QPainterPath hair = PathKit::circle({50, 25}, 17.5)
                                .subtracted(PathKit::polygon(
                                    {{30, 26}, {44, 20}, {58, 24}, {72, 28}, {72, 50}, {30, 50}}));
  paintOutlined(painter, hair, QColor("#6b4226"));
  painter.fillPath(PathKit::circle({44, 31}, 2), kDark);
  painter.fillPath(PathKit::circle({56, 31}, 2), kDark);
  QPainterPath smile({44, 37});
  smile.quadTo(50, 42, 56, 37);
  painter.fillPath(PathKit::stroke(smile, 2), kDark);
  paintOutlined(painter,
                PathKit::polygon({{20, 60}, {50, 67}, {80, 60}, {80, 90}, {50, 97}, {20, 90}}),
                QColor("#d0463b"));
  paintOutlined(painter, PathKit::polygon({{24, 61}, {50, 68}, {50, 92}, {24, 86}}), kPaper);
  paintOutlined(painter, PathKit::polygon({{50, 68}, {76, 61}, {76, 86}, {50, 92}}), kPaper);
  for (const qreal y : {72.0, 78.0, 84.0}) {
    paintLine(painter, {{29, y - 6}, {45, y - 2}}, 1.6, QColor("#9aa4ae"));
    paintLine(painter, {{55, y - 2}, {71, y - 6}}, 1.6, QColor("#9aa4ae"));
  }
}

void ButtonIconPainter::paintTeacher(QPainter& painter) {
  paintOutlined(painter, PathKit::roundedRect(QRectF(4, 8, 66, 52), 3), kWood);
  painter.fillRect(QRectF(9, 13, 56, 42), QColor("#2f6b4f"));
  const QColor chalk(255, 255, 255, 230);
  paintLine(painter, {{37, 18}, {37, 28}}, 2.4, chalk);
  paintLine(painter, {{20, 38}, {20, 28}, {54, 28}, {54, 38}}, 2.4, chalk);
  paintLine(painter, {{14, 48}, {14, 40}, {26, 40}, {26, 48}}, 2.4, chalk);
  paintLine(painter, {{48, 48}, {48, 40}, {60, 40}, {60, 48}}, 2.4, chalk);
  QPainterPath jacket({60, 98});
  jacket.lineTo(62, 64);
  jacket.quadTo(64, 52, 79, 52);
  jacket.quadTo(94, 52, 96, 64);
  jacket.lineTo(97, 98);
  jacket.closeSubpath();
  paintOutlined(painter, jacket, QColor("#7a4f9a"));
  paintLine(painter, {{64, 62}, {52, 50}}, 7, QColor("#7a4f9a").darker(115));
  paintLine(painter, {{50, 48}, {36, 34}}, 2.6, QColor("#6b4a2f"));
  paintOutlined(painter, PathKit::circle({51, 49}, 4), kSkin);
  paintOutlined(painter, PathKit::circle({79, 36}, 12), kSkin);
  const QPainterPath hair =
      PathKit::circle({79, 33}, 13)
          .subtracted(PathKit::polygon({{64, 34}, {74, 30}, {94, 34}, {94, 50}, {64, 50}}));
  paintOutlined(painter, hair, QColor("#8a8a8a"));
  painter.fillPath(PathKit::circle({76, 38}, 1.8), kDark);
  painter.fillPath(PathKit::circle({85, 38}, 1.8), kDark);
}

void ButtonIconPainter::paintDoorExit(QPainter& painter) {
  paintOutlined(painter, PathKit::roundedRect(QRectF(12, 6, 50, 90), 2), QColor("#6b4a2f"));
  painter.fillRect(QRectF(18, 12, 38, 84), QColor("#33302c"));
  paintOutlined(painter, PathKit::polygon({{18, 12}, {36, 20}, {36, 90}, {18, 96}}),
                QColor("#c08850"));
  painter.fillPath(PathKit::circle({31, 56}, 2.6), QColor("#f2c230"));
  paintOutlined(painter, rightArrow(42, 96, 54, 16, 26), kGreen);
}

void ButtonIconPainter::paintExitArrow(QPainter& painter) {
  paintLine(painter, {{52, 14}, {14, 14}, {14, 86}, {52, 86}}, 11, kDark);
  paintOutlined(painter, rightArrow(34, 94, 50, 18, 30), kBlue);
}

void ButtonIconPainter::paintRedExitSign(QPainter& painter) {
  paintOutlined(painter, PathKit::roundedRect(QRectF(5, 5, 90, 90), 18), QColor("#d7261e"));
  paintLine(painter, {{50, 22}, {22, 22}, {22, 78}, {50, 78}}, 8, Qt::white);
  painter.fillPath(rightArrow(38, 84, 50, 14, 24), Qt::white);
}

void ButtonIconPainter::paintGreenYes(QPainter& painter) {
  paintDisc(painter, kGreen);
  paintLine(painter, {{28, 52}, {44, 68}, {73, 34}}, 12, Qt::white);
}

void ButtonIconPainter::paintGreenNo(QPainter& painter) {
  paintDisc(painter, kGreen);
  paintLine(painter, {{32, 32}, {68, 68}}, 12, Qt::white);
  paintLine(painter, {{68, 32}, {32, 68}}, 12, Qt::white);
}

// The answer's verdict says itself by its shape (a tick, a cross) on a white disc, which stands
// out from the window's green or red.
void ButtonIconPainter::paintRightMark(QPainter& painter) {
  paintOutlined(painter, PathKit::circle({50, 50}, 44), Qt::white);
  paintLine(painter, {{26, 52}, {43, 69}, {75, 32}}, 13, QColor("#006b1f"));
}

void ButtonIconPainter::paintWrongMark(QPainter& painter) {
  paintOutlined(painter, PathKit::circle({50, 50}, 44), Qt::white);
  paintLine(painter, {{31, 31}, {69, 69}}, 13, QColor("#a8140c"));
  paintLine(painter, {{69, 31}, {31, 69}}, 13, QColor("#a8140c"));
}

void ButtonIconPainter::paintAccept(QPainter& painter) {
  paintOutlined(painter, PathKit::roundedRect(QRectF(5, 5, 90, 90), 22), kBlue);
  paintLine(painter, {{36, 30}, {46, 40}, {66, 18}}, 8, QColor("#ffe27a"));
  painter.setPen(Qt::white);
  painter.setFont(Typeface::sans(40, QFont::Black));
  painter.drawText(QRectF(5, 40, 90, 50), Qt::AlignCenter, QStringLiteral("OK"));
  painter.setPen(Qt::NoPen);
}

void ButtonIconPainter::paintThumbUp(QPainter& painter) { paintHand(painter, QColor("#3aa858")); }

void ButtonIconPainter::paintThumbDown(QPainter& painter) {
  painter.save();
  painter.translate(100, 100);
  painter.rotate(180);
  paintHand(painter, kRed);
  painter.restore();
}

void ButtonIconPainter::paintHourglass(QPainter& painter) {
  QPainterPath glass({28, 16});
  glass.lineTo(72, 16);
  glass.cubicTo(72, 36, 54, 42, 54, 50);
  glass.cubicTo(54, 58, 72, 64, 72, 84);
  glass.lineTo(28, 84);
  glass.cubicTo(28, 64, 46, 58, 46, 50);
  glass.cubicTo(46, 42, 28, 36, 28, 16);
  paintOutlined(painter, glass, QColor("#d6ecf8"));
  const QColor sand("#e6b84a");
  painter.fillPath(PathKit::polygon({{36, 30}, {64, 30}, {50, 46}}), sand);
  painter.fillPath(PathKit::polygon({{30, 82}, {70, 82}, {50, 64}}), sand);
  paintLine(painter, {{50, 46}, {50, 74}}, 2, sand);
  paintLine(painter, {{24, 16}, {24, 84}}, 5, kWood.darker(120));
  paintLine(painter, {{76, 16}, {76, 84}}, 5, kWood.darker(120));
  paintOutlined(painter, PathKit::roundedRect(QRectF(16, 6, 68, 11), 4), kWood);
  paintOutlined(painter, PathKit::roundedRect(QRectF(16, 83, 68, 11), 4), kWood);
}

void ButtonIconPainter::paintMenuArrow(QPainter& painter) {
  const QPainterPath arrow = rightArrow(10, 92, 50, 26, 40);
  paintOutlined(painter, arrow.united(PathKit::stroke(arrow, 6)), kBlue);
}

void ButtonIconPainter::paintBigCheck(QPainter& painter) {
  paintLine(painter, {{14, 54}, {40, 80}, {88, 22}}, 24, kGreen.darker(150));
  paintLine(painter, {{14, 54}, {40, 80}, {88, 22}}, 16, QColor("#3cc060"));
}

void ButtonIconPainter::paintEdit(QPainter& painter) {
  paintOutlined(painter, PathKit::roundedRect(QRectF(8, 12, 62, 78), 6), kPaper);
  for (const qreal y : {30.0, 44.0, 58.0}) {
    paintLine(painter, {{18, y}, {60 - (y - 30) / 2, y}}, 4, QColor("#a8b2bc"));
  }
  painter.save();
  painter.translate(64, 50);
  painter.rotate(125);
  paintOutlined(painter, PathKit::roundedRect(QRectF(-38, -8, 12, 16), 3), QColor("#e98aa0"));
  painter.fillRect(QRectF(-28, -8, 6, 16), QColor("#b8bec4"));
  paintOutlined(painter, PathKit::polygon({{-22, -8}, {24, -8}, {24, 8}, {-22, 8}}),
                QColor("#f2b632"));
  paintOutlined(painter, PathKit::polygon({{24, -8}, {40, 0}, {24, 8}}), QColor("#f0d2a0"));
  painter.fillPath(PathKit::polygon({{34, -3}, {40, 0}, {34, 3}}), kDark);
  painter.restore();
}

void ButtonIconPainter::paintBin(QPainter& painter) {
  paintOutlined(painter, PathKit::polygon({{22, 30}, {78, 30}, {71, 94}, {29, 94}}), kGrey);
  painter.setPen(QPen(kDark, 4, Qt::SolidLine, Qt::RoundCap));
  painter.setBrush(Qt::NoBrush);
  painter.drawRoundedRect(QRectF(38, 6, 24, 14), 4, 4);
  painter.setPen(Qt::NoPen);
  paintOutlined(painter, PathKit::roundedRect(QRectF(12, 17, 76, 12), 4), kGrey.darker(115));
  for (const qreal x : {37.0, 50.0, 63.0}) {
    paintLine(painter, {{x, 40}, {x + (50 - x) * 0.1, 84}}, 4, kGrey.lighter(140));
  }
}

void ButtonIconPainter::paintImport(QPainter& painter) {
  paintBox(painter);
  paintOutlined(
      painter,
      PathKit::polygon({{41, 4}, {59, 4}, {59, 40}, {76, 40}, {50, 70}, {24, 40}, {41, 40}}),
      kBlue);
}

void ButtonIconPainter::paintExport(QPainter& painter) {
  paintBox(painter);
  paintOutlined(
      painter,
      PathKit::polygon({{41, 74}, {59, 74}, {59, 36}, {76, 36}, {50, 5}, {24, 36}, {41, 36}}),
      kOrange);
}

void ButtonIconPainter::paintMagnifier(QPainter& painter) {
  paintLine(painter, {{62, 62}, {88, 88}}, 16, QColor("#7a4f2a"));
  painter.fillPath(PathKit::circle({40, 40}, 28), QColor(207, 232, 255, 200));
  painter.fillPath(PathKit::stroke(PathKit::circle({40, 40}, 28), 10), kDark);
  QPainterPath shine({26, 44});
  shine.quadTo(26, 28, 40, 24);
  painter.fillPath(PathKit::stroke(shine, 5), QColor(255, 255, 255, 220));
}

}  // namespace sylvenor::draw
