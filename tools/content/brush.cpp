#include "brush.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QtMath>
#include <algorithm>

QColor Brush::vary(const QColor &colour, int amount) {
    const auto shift = [&](int value) { return std::clamp(value + int(uniform(-amount, amount)), 0, 255); };
    return QColor(shift(colour.red()), shift(colour.green()), shift(colour.blue()), colour.alpha());
}

void Brush::strokes(const QRectF &area, const QColor &colour, int count, double length, int variation,
                    double width, double angle, double angleSpread) {
    p.save();
    for (int i = 0; i < count; ++i) {
        const QPointF at(uniform(area.left(), area.right()), uniform(area.top(), area.bottom()));
        const double a = angle + uniform(-angleSpread, angleSpread);
        const double l = length * uniform(0.5, 1.2);
        p.setPen(QPen(vary(colour, variation), width, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(at, at + QPointF(std::cos(a) * l, std::sin(a) * l));
    }
    p.restore();
}

void Brush::gradient(const QRectF &area, const QColor &top, const QColor &bottom) {
    QLinearGradient blend(area.topLeft(), area.bottomLeft());
    blend.setColorAt(0, top);
    blend.setColorAt(1, bottom);
    p.fillRect(area, blend);
}

void Brush::cloud(const QPointF &centre, double width, double height, const QColor &colour) {
    p.save();
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 9; ++i) {
        const QPointF at =
            centre + QPointF(uniform(-width / 2.5, width / 2.5), uniform(-height / 4, height / 4));
        const double r = uniform(height * 0.35, height * 0.6);
        QColor c = vary(colour, 12);
        c.setAlpha(colour.alpha());
        p.setBrush(c);
        p.drawEllipse(at, r * 1.3, r);
    }
    p.restore();
}

void Brush::column(double x, double top, double bottom, double width, const QColor &stone) {
    p.save();
    p.setPen(Qt::NoPen);
    QLinearGradient shade(x - width / 2, 0, x + width / 2, 0);
    shade.setColorAt(0, stone.darker(130));
    shade.setColorAt(0.4, stone.lighter(110));
    shade.setColorAt(1, stone.darker(150));
    p.setBrush(shade);
    p.drawRect(QRectF(x - width / 2, top + width * 0.3, width, bottom - top - width * 0.3));
    p.setPen(QPen(stone.darker(160), std::max(0.5, width / 12)));
    for (int i = 1; i < 4; ++i) {
        const double fx = x - width / 2 + width * i / 4;
        p.drawLine(QPointF(fx, top + width * 0.35), QPointF(fx, bottom));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(stone.lighter(105));
    p.drawRect(QRectF(x - width * 0.7, top, width * 1.4, width * 0.3));
    p.restore();
}

void drawFigure(Brush &brush, const Figure &f) {
    QPainter &p = brush.p;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const double h = f.height;
    const double dir = f.facingLeft ? -1 : 1;
    const double headR = h * 0.075;
    const double standingTop = f.foot.y() - h;
    // A seated figure keeps the proportions of a standing one from the hips up.
    const double hipY = f.seated ? f.foot.y() : f.foot.y() - h * 0.48;
    const double shoulderY = hipY - h * 0.32;
    const QPointF head(f.foot.x() + dir * h * 0.02, f.seated ? shoulderY - headR * 1.4 : standingTop + headR);
    const double shoulderHalf = h * 0.11;

    QPainterPath robe;
    robe.moveTo(f.foot.x() - shoulderHalf, shoulderY);
    robe.lineTo(f.foot.x() + shoulderHalf, shoulderY);
    if (f.seated) {
        // Torso, then the thigh forward to the knee, the shin down to the
        // foot, and back under the thigh to the seat; mirrored by facing.
        const auto at = [&](double forward, double down) {
            return QPointF(f.foot.x() + dir * forward, down);
        };
        robe = QPainterPath(at(-shoulderHalf, shoulderY));
        robe.lineTo(at(shoulderHalf, shoulderY));
        robe.lineTo(at(shoulderHalf * 1.1, hipY - h * 0.02));
        robe.lineTo(at(h * 0.3, hipY - h * 0.02));
        robe.lineTo(at(h * 0.32, hipY + h * 0.26));
        robe.lineTo(at(h * 0.2, hipY + h * 0.26));
        robe.lineTo(at(h * 0.2, hipY + h * 0.1));
        robe.lineTo(at(-shoulderHalf * 1.2, hipY + h * 0.1));
    } else {
        robe.quadTo(QPointF(f.foot.x() + shoulderHalf * 1.5, hipY),
                    QPointF(f.foot.x() + h * 0.17, f.foot.y()));
        robe.lineTo(f.foot.x() - h * 0.17, f.foot.y());
        robe.quadTo(QPointF(f.foot.x() - shoulderHalf * 1.5, hipY),
                    QPointF(f.foot.x() - shoulderHalf, shoulderY));
    }
    robe.closeSubpath();
    QLinearGradient light(f.foot.x() - h * 0.2, 0, f.foot.x() + h * 0.2, 0);
    light.setColorAt(0, f.robe.lighter(125));
    light.setColorAt(1, f.robe.darker(140));
    p.setPen(QPen(f.robe.darker(170), std::max(0.4, h / 120)));
    p.setBrush(light);
    p.drawPath(robe);

    // Folds of the cloth.
    p.setPen(QPen(f.robe.darker(150), std::max(0.4, h / 100)));
    for (int i = -1; i <= 1; ++i) {
        const double x = f.foot.x() + i * h * 0.06;
        p.drawLine(QPointF(x, shoulderY + h * 0.08),
                   QPointF(x + i * h * 0.03, f.seated ? hipY : f.foot.y() - h * 0.02));
    }
    if (f.sash.alpha() > 0) {
        p.setPen(QPen(f.sash, h * 0.05, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(f.foot.x() - shoulderHalf, shoulderY + h * 0.02),
                   QPointF(f.foot.x() + shoulderHalf * 1.1, hipY - h * 0.02));
    }

    const auto arm = [&](double side, double degrees) {
        const QPointF shoulder(f.foot.x() + side * shoulderHalf * 0.85, shoulderY + h * 0.03);
        const double a = qDegreesToRadians(degrees);
        const QPointF hand = shoulder + QPointF(std::cos(a), -std::sin(a)) * h * 0.3;
        p.setPen(QPen(f.robe.darker(115), h * 0.065, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(shoulder, shoulder + (hand - shoulder) * 0.55);
        p.setPen(QPen(f.skin, h * 0.045, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(shoulder + (hand - shoulder) * 0.55, hand);
    };
    arm(-1, f.armLeft);
    arm(1, f.armRight);

    p.setPen(QPen(f.skin.darker(140), std::max(0.3, h / 200)));
    p.setBrush(f.skin);
    p.drawEllipse(head, headR * 0.85, headR);
    p.setPen(Qt::NoPen);
    p.setBrush(f.hair);
    p.drawChord(QRectF(head.x() - headR * 0.9, head.y() - headR * 1.05, headR * 1.8, headR * 1.6), 0,
                180 * 16);
    if (f.beard)
        p.drawChord(QRectF(head.x() - headR * 0.7, head.y(), headR * 1.4, headR * 1.5), 180 * 16, 180 * 16);
    p.restore();
}
