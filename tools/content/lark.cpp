#include "lark.h"

#include "brush.h"
#include "pictures.h"

#include <QPainterPath>
#include <QtMath>
#include <numbers>

namespace {

const QColor kLarkBrown(140, 105, 70);
const QColor kLarkDark(80, 58, 38);
const QColor kLarkBelly(235, 225, 200);
// The background of the picture box that shows the frames.
const QColor kFrameSky(49, 135, 214);

void wingShape(QPainter &p, const QPointF &shoulder, double length, double angle, const QColor &colour) {
    p.save();
    p.translate(shoulder);
    p.rotate(angle);
    QPainterPath wing;
    wing.moveTo(0, 0);
    wing.cubicTo(length * 0.3, -length * 0.25, length * 0.75, -length * 0.2, length, -length * 0.05);
    wing.cubicTo(length * 0.7, length * 0.08, length * 0.35, length * 0.16, 0, length * 0.12);
    wing.closeSubpath();
    p.setPen(QPen(kLarkDark, length * 0.03));
    p.setBrush(colour);
    p.drawPath(wing);
    p.setPen(QPen(kLarkDark, length * 0.02));
    for (int i = 1; i <= 4; ++i)
        p.drawLine(QPointF(length * (0.2 + i * 0.15), length * 0.1 - i * 0.01 * length),
                   QPointF(length * (0.3 + i * 0.15), -length * 0.08));
    p.restore();
}

} // namespace

void drawLark(Brush &b, const QPointF &centre, double length, double wing) {
    QPainter &p = b.p;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(centre);
    const double l = length;
    // Wing angle from raised high to swept below the body.
    const double angle = -75 + wing * 120;
    wingShape(p, QPointF(-l * 0.02, -l * 0.05), l * 0.62, angle - 10, kLarkBrown.darker(125));

    QPainterPath tail;
    tail.moveTo(-l * 0.3, 0);
    tail.lineTo(-l * 0.55, -l * 0.07);
    tail.lineTo(-l * 0.5, 0.0);
    tail.lineTo(-l * 0.55, l * 0.07);
    tail.closeSubpath();
    p.setPen(QPen(kLarkDark, l * 0.02));
    p.setBrush(kLarkDark);
    p.drawPath(tail);

    p.setBrush(kLarkBrown);
    p.drawEllipse(QRectF(-l * 0.35, -l * 0.12, l * 0.62, l * 0.24));
    p.setPen(Qt::NoPen);
    p.setBrush(kLarkBelly);
    p.drawChord(QRectF(-l * 0.28, -l * 0.08, l * 0.52, l * 0.19), 180 * 16, 160 * 16);
    p.setBrush(kLarkDark);
    for (int i = 0; i < 5; ++i)
        p.drawEllipse(QPointF(-l * 0.2 + i * l * 0.08, -l * 0.04 + (i % 2) * l * 0.02), l * 0.02, l * 0.012);

    p.setPen(QPen(kLarkDark, l * 0.02));
    p.setBrush(kLarkBrown);
    p.drawEllipse(QPointF(l * 0.3, -l * 0.07), l * 0.09, l * 0.08);
    // The crest and the beak.
    p.setBrush(kLarkDark);
    p.drawPolygon(
        QPolygonF({QPointF(l * 0.25, -l * 0.13), QPointF(l * 0.2, -l * 0.22), QPointF(l * 0.31, -l * 0.15)}));
    p.setBrush(QColor(200, 170, 110));
    p.drawPolygon(QPolygonF(
        {QPointF(l * 0.38, -l * 0.09), QPointF(l * 0.48, -l * 0.06), QPointF(l * 0.38, -l * 0.04)}));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(l * 0.33, -l * 0.09), l * 0.018, l * 0.018);

    wingShape(p, QPointF(l * 0.02, -l * 0.06), l * 0.65, angle, kLarkBrown);
    p.restore();
}

void drawLogoUpright(Brush &b) {
    QPainter &p = b.p;
    b.gradient(QRectF(0, 0, 100, 139), QColor(250, 248, 240), QColor(225, 230, 245));
    // A spike of larkspur: a green stem with blue-violet flowers.
    p.setPen(QPen(QColor(70, 120, 60), 2.5));
    p.drawLine(QPointF(38, 118), QPointF(42, 45));
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 9; ++i) {
        const double y = 110 - i * 7.5;
        const double side = i % 2 ? 1 : -1;
        p.setBrush(i < 3 ? QColor(95, 70, 180) : QColor(120, 95, 210));
        p.drawEllipse(QPointF(40 + side * (7 - i * 0.5), y), 6.5 - i * 0.4, 5.5 - i * 0.3);
        p.setBrush(QColor(250, 240, 250));
        p.drawEllipse(QPointF(40 + side * (7 - i * 0.5), y), 1.3, 1.3);
    }
    p.setBrush(QColor(70, 120, 60));
    p.drawEllipse(QRectF(24, 112, 16, 6));
    p.drawEllipse(QRectF(40, 108, 18, 6));
    drawLark(b, QPointF(68, 40), 48, 0.2);
    QFont font(QStringLiteral("Liberation Serif"));
    font.setPixelSize(15);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(60, 45, 120));
    p.drawText(QRectF(0, 118, 100, 20), Qt::AlignCenter, QStringLiteral("Larkspur"));
}

void drawLogoWide(Brush &b) {
    QPainter &p = b.p;
    p.fillRect(QRectF(0, 0, 120, 89), QColor(250, 248, 240));
    p.setPen(QPen(QColor(60, 45, 120), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(2, 2, 116, 85), 8, 8);
    drawLark(b, QPointF(58, 30), 52, 0.3);
    QFont font(QStringLiteral("Liberation Serif"));
    font.setPixelSize(15);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(60, 45, 120));
    p.drawText(QRectF(0, 50, 120, 18), Qt::AlignCenter, QStringLiteral("Larkspur"));
    font.setPixelSize(10);
    font.setBold(false);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 1);
    p.setFont(font);
    p.drawText(QRectF(0, 67, 120, 14), Qt::AlignCenter, QStringLiteral("PUBLISHING"));
}

QImage larkFrame(int frame) {
    QImage image(kLarkFrameSize * 2, QImage::Format_RGB32);
    image.fill(kFrameSky);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(2, 2);
    Brush b(painter, 1000 + frame);
    // Two wing beats and one rise and fall in every cycle of twenty frames,
    // so the last frame leads smoothly back into the first.
    const double beat = frame * 2 * std::numbers::pi * 2 / kLarkFrames;
    const double wing = 0.5 - 0.5 * std::cos(beat);
    const double rise = 8 * std::sin(frame * 2 * std::numbers::pi / kLarkFrames);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 70));
    painter.drawEllipse(QPointF(30, 95), 28, 9);
    painter.drawEllipse(QPointF(95, 25), 20, 6);
    drawLark(b, QPointF(60, 62 + rise), 90, wing);
    painter.end();
    return image.scaled(kLarkFrameSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}
