#include "brush.h"
#include "lark.h"
#include "pictures.h"

#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>
#include <numbers>

// Each painting is an impression of the named work: its composition and
// colours, loose enough to be our own picture, with enough going on in every
// part that the twelve jigsaw squares can be told apart.

namespace {

QPolygonF poly(std::initializer_list<QPointF> points) {
    return QPolygonF(QList<QPointF>(points));
}

void fillPolygon(QPainter &p, const QPolygonF &shape, const QColor &colour) {
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPolygon(shape);
}

// A horse seen from the side: body, neck and head, four legs and a tail.
// `hooves` is the ground point under the middle of the body; `rearing` lifts
// the forelegs and the head.
void drawHorse(QPainter &p, const QPointF &hooves, double length, const QColor &coat, bool facingLeft,
               bool rearing = false) {
    p.save();
    p.translate(hooves);
    if (facingLeft) p.scale(-1, 1);
    const double l = length;
    const double bodyY = -l * 0.62;
    // Legs first, so the body covers their tops.
    p.setPen(QPen(coat.darker(115), l * 0.07, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(-l * 0.32, bodyY), QPointF(-l * 0.36, 0));
    p.drawLine(QPointF(-l * 0.22, bodyY), QPointF(-l * 0.18, 0));
    if (rearing) {
        p.drawLine(QPointF(l * 0.25, bodyY), QPointF(l * 0.45, bodyY - l * 0.12));
        p.drawLine(QPointF(l * 0.3, bodyY), QPointF(l * 0.5, bodyY + l * 0.05));
    } else {
        p.drawLine(QPointF(l * 0.24, bodyY), QPointF(l * 0.26, 0));
        p.drawLine(QPointF(l * 0.32, bodyY), QPointF(l * 0.36, 0));
    }
    p.setPen(QPen(coat.darker(140), l * 0.05, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(-l * 0.42, bodyY - l * 0.08), QPointF(-l * 0.55, bodyY + l * 0.3));
    p.setPen(Qt::NoPen);
    p.setBrush(coat);
    p.save();
    p.translate(0, bodyY);
    if (rearing) p.rotate(-18);
    p.drawEllipse(QRectF(-l * 0.45, -l * 0.17, l * 0.9, l * 0.34));
    // Neck and head in one outline: up the crest to the poll, down the face
    // to the muzzle, back along the jaw and down the throat to the chest.
    QPainterPath neck;
    neck.moveTo(l * 0.18, -l * 0.12);
    neck.lineTo(l * 0.38, -l * 0.52);
    neck.lineTo(l * 0.5, -l * 0.5);
    neck.lineTo(l * 0.74, -l * 0.28);
    neck.lineTo(l * 0.69, -l * 0.19);
    neck.lineTo(l * 0.52, -l * 0.28);
    neck.lineTo(l * 0.44, l * 0.06);
    neck.closeSubpath();
    p.drawPath(neck);
    p.drawPolygon(poly({{l * 0.38, -l * 0.52}, {l * 0.41, -l * 0.61}, {l * 0.45, -l * 0.51}}));
    p.setBrush(coat.darker(170));
    p.drawPolygon(
        poly({{l * 0.16, -l * 0.16}, {l * 0.36, -l * 0.54}, {l * 0.4, -l * 0.5}, {l * 0.24, -l * 0.1}}));
    p.restore();
    p.restore();
}

void ulysses(Brush &b) {
    QPainter &p = b.p;
    QRadialGradient sky(QPointF(335, 165), 380);
    sky.setColorAt(0, QColor(255, 250, 215));
    sky.setColorAt(0.1, QColor(255, 226, 120));
    sky.setColorAt(0.35, QColor(240, 170, 70));
    sky.setColorAt(0.7, QColor(185, 120, 80));
    sky.setColorAt(1, QColor(90, 95, 120));
    p.fillRect(QRectF(0, 0, 480, 360), sky);
    b.strokes(QRectF(150, 0, 330, 230), QColor(250, 200, 110), 260, 14, 25, 2.2, 0.2, 0.3);
    // The horses of the sun, barely there in the glare.
    p.setPen(QPen(QColor(255, 245, 210, 150), 3, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 4; ++i) {
        QPainterPath horse;
        horse.moveTo(365 + i * 18, 120 - i * 6);
        horse.cubicTo(375 + i * 18, 100 - i * 6, 395 + i * 18, 105 - i * 6, 392 + i * 18, 92 - i * 6);
        p.drawPath(horse);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 252, 230));
    p.drawEllipse(QPointF(335, 165), 20, 20);
    b.cloud(QPointF(430, 50), 90, 30, QColor(230, 190, 150, 180));
    b.cloud(QPointF(250, 40), 100, 28, QColor(215, 170, 130, 160));
    // The night's storm drawing off to the upper right, gulls in the glow,
    // and the blue headland of the far shore.
    b.cloud(QPointF(450, 18), 110, 44, QColor(85, 70, 95, 220));
    b.cloud(QPointF(470, 55), 60, 30, QColor(110, 85, 105, 200));
    p.setPen(QPen(QColor(70, 50, 45), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (const QPointF gull : {QPointF(265, 88), QPointF(290, 72), QPointF(312, 95)}) {
        p.drawArc(QRectF(gull.x() - 7, gull.y(), 7, 6), 0, 180 * 16);
        p.drawArc(QRectF(gull.x(), gull.y(), 7, 6), 0, 180 * 16);
    }
    p.setPen(Qt::NoPen);
    fillPolygon(p, poly({{372, 262}, {400, 215}, {430, 200}, {455, 218}, {480, 212}, {480, 262}}),
                QColor(95, 105, 140));

    // Polyphemus, a giant shape in the smoke above the cliffs.
    p.setBrush(QColor(110, 90, 85, 130));
    QPainterPath giant;
    giant.moveTo(20, 170);
    giant.cubicTo(30, 80, 90, 40, 140, 45);
    giant.cubicTo(185, 50, 210, 100, 200, 170);
    giant.closeSubpath();
    p.drawPath(giant);
    p.drawEllipse(QPointF(125, 35), 26, 22);
    p.setPen(QPen(QColor(100, 80, 80, 140), 14, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(190, 90), QPointF(245, 60));

    // The rock arch on the left.
    fillPolygon(p, poly({{0, 90}, {60, 70}, {120, 140}, {150, 220}, {140, 280}, {0, 290}}),
                QColor(95, 70, 50));
    fillPolygon(p, poly({{40, 180}, {80, 165}, {105, 230}, {95, 270}, {45, 272}}), QColor(215, 170, 110));
    b.strokes(QRectF(0, 90, 150, 190), QColor(80, 60, 45), 140, 10, 20, 2.5, 1.2, 0.6);

    // The sea, golden under the sun and blue-green elsewhere.
    b.gradient(QRectF(0, 262, 480, 98), QColor(205, 160, 90), QColor(70, 90, 95));
    b.strokes(QRectF(270, 262, 140, 98), QColor(255, 225, 140), 160, 16, 20, 2, 0, 0.08);
    b.strokes(QRectF(0, 280, 270, 80), QColor(80, 110, 115), 160, 14, 15, 2, 0, 0.08);
    b.strokes(QRectF(410, 280, 70, 80), QColor(90, 100, 110), 70, 14, 15, 2, 0, 0.08);

    // The galley: red and gold hull, raised stern, sails and flags.
    QPainterPath hull;
    hull.moveTo(115, 232);
    hull.cubicTo(140, 268, 290, 272, 345, 250);
    hull.lineTo(330, 272);
    hull.cubicTo(260, 290, 160, 288, 128, 268);
    hull.closeSubpath();
    p.setPen(QPen(QColor(90, 30, 20), 1.5));
    p.setBrush(QColor(180, 50, 35));
    p.drawPath(hull);
    p.setPen(QPen(QColor(240, 200, 90), 3));
    p.drawLine(QPointF(140, 262), QPointF(320, 262));
    p.setPen(QPen(QColor(70, 40, 25), 1.5));
    for (int x = 150; x < 320; x += 12)
        p.drawLine(QPointF(x, 268), QPointF(x - 20, 300));
    p.setPen(QPen(QColor(80, 50, 30), 3));
    p.drawLine(QPointF(200, 255), QPointF(200, 110));
    p.drawLine(QPointF(265, 255), QPointF(262, 135));
    QPainterPath sail1;
    sail1.moveTo(170, 125);
    sail1.quadTo(235, 150, 230, 215);
    sail1.lineTo(175, 215);
    sail1.quadTo(190, 170, 170, 125);
    p.setBrush(QColor(250, 235, 190));
    p.drawPath(sail1);
    QPainterPath sail2;
    sail2.moveTo(240, 148);
    sail2.quadTo(295, 165, 290, 225);
    sail2.lineTo(245, 225);
    sail2.quadTo(255, 190, 240, 148);
    p.setBrush(QColor(245, 215, 150));
    p.drawPath(sail2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 40, 30));
    p.drawPolygon(poly({{200, 110}, {228, 116}, {200, 124}}));
    p.drawPolygon(poly({{262, 135}, {288, 140}, {262, 148}}));
    for (int i = 0; i < 7; ++i)
        drawFigure(b, {.foot = {150.0 + i * 24, 256}, .height = 18, .robe = b.vary(QColor(140, 60, 40), 50)});

    // The Nereids swimming before the galley, lights on their brows, and the
    // surf breaking white on the foot of the rocks.
    for (int i = 0; i < 4; ++i) {
        const QPointF at(140.0 + i * 24, 318.0 + (i % 2) * 14);
        QRadialGradient light(at, 16);
        light.setColorAt(0, QColor(255, 250, 220, 230));
        light.setColorAt(1, QColor(255, 240, 180, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(light);
        p.drawEllipse(at, 16, 16);
        p.setBrush(QColor(240, 225, 200));
        p.drawEllipse(QRectF(at.x() - 4, at.y() - 2, 8, 12));
        p.setBrush(QColor(255, 255, 240));
        p.drawEllipse(at + QPointF(0, -6), 3, 3);
    }
    b.strokes(QRectF(0, 290, 100, 30), QColor(235, 235, 225, 170), 45, 9, 10, 1.5, 0, 0.25);
    // Dark boats and the far shore to the right.
    fillPolygon(p, poly({{380, 300}, {460, 296}, {450, 312}, {392, 314}}), QColor(60, 45, 40));
    fillPolygon(p, poly({{400, 255}, {480, 250}, {480, 262}, {405, 262}}), QColor(120, 100, 95));
    p.setPen(QPen(QColor(60, 45, 40), 2));
    p.drawLine(QPointF(420, 298), QPointF(420, 268));
}

void schoolOfAthens(Brush &b) {
    QPainter &p = b.p;
    p.fillRect(QRectF(0, 0, 480, 360), QColor(205, 190, 160));
    // The sky through the far arch.
    b.gradient(QRectF(180, 70, 120, 150), QColor(150, 190, 225), QColor(235, 240, 240));
    // Receding arches of the vault.
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 4; ++i) {
        const double w = 420 - i * 80;
        const double top = 10 + i * 22;
        p.setPen(QPen(QColor(150, 120, 85), 10 - i * 2));
        p.drawArc(QRectF(240 - w / 2, top, w, w * 0.9), 0, 180 * 16);
        // Coffers inside the arch.
        p.setPen(QPen(QColor(175, 145, 105), 2));
        for (int k = 1; k < 8; ++k) {
            const double a = qDegreesToRadians(k * 180.0 / 8);
            const QPointF c(240, top + w * 0.45);
            p.drawLine(c + QPointF(std::cos(a) * w / 2, -std::sin(a) * w * 0.45),
                       c + QPointF(std::cos(a) * (w / 2 - 16), -std::sin(a) * (w * 0.45 - 14)));
        }
    }
    // Sunlight from a round window high in the left of the vault.
    QRadialGradient sun(QPointF(150, 40), 70);
    sun.setColorAt(0, QColor(255, 250, 220, 200));
    sun.setColorAt(1, QColor(255, 240, 200, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(sun);
    p.drawEllipse(QPointF(150, 40), 70, 70);
    p.setPen(QPen(QColor(140, 110, 75), 4));
    p.setBrush(QColor(200, 225, 240));
    p.drawEllipse(QPointF(150, 40), 15, 15);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 250, 225, 60));
    p.drawPolygon(poly({{140, 50}, {160, 50}, {240, 225}, {170, 225}}));
    // Walls and the statues in their niches: Apollo left, Athena right.
    for (const double x : {40.0, 440.0}) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(170, 150, 120));
        p.drawRect(QRectF(x - 40, 0, 80, 230));
        p.setBrush(QColor(120, 100, 80));
        p.drawRoundedRect(QRectF(x - 18, 70, 36, 110), 18, 18);
    }
    drawFigure(b, {.foot = {40, 178},
                   .height = 95,
                   .robe = QColor(225, 220, 205),
                   .skin = QColor(225, 220, 205),
                   .hair = QColor(200, 195, 180),
                   .armLeft = 240,
                   .armRight = 300});
    drawFigure(b, {.foot = {440, 178},
                   .height = 95,
                   .robe = QColor(215, 210, 195),
                   .skin = QColor(225, 220, 205),
                   .hair = QColor(190, 185, 170),
                   .armLeft = 260,
                   .armRight = 80});
    b.strokes(QRectF(0, 0, 480, 60), QColor(190, 170, 135), 120, 12, 15, 2);

    // The steps and the chequered floor.
    p.fillRect(QRectF(0, 225, 480, 45), QColor(190, 175, 150));
    p.setPen(QPen(QColor(150, 130, 105), 2));
    p.drawLine(QPointF(0, 226), QPointF(480, 226));
    p.drawLine(QPointF(0, 248), QPointF(480, 248));
    p.drawLine(QPointF(0, 270), QPointF(480, 270));
    for (int row = 0; row < 6; ++row)
        for (int col = -6; col < 7; ++col) {
            const double y0 = 270 + row * 15;
            const double spread0 = 1 + row * 0.15;
            const double spread1 = 1 + (row + 1) * 0.15;
            const QPolygonF tile = poly({{240 + col * 40 * spread0, y0},
                                         {240 + (col + 1) * 40 * spread0, y0},
                                         {240 + (col + 1) * 40 * spread1, y0 + 15},
                                         {240 + col * 40 * spread1, y0 + 15}});
            fillPolygon(p, tile, (row + col) % 2 ? QColor(160, 120, 95) : QColor(215, 205, 185));
        }

    // The crowd on the top step, Plato and Aristotle at the centre.
    const QColor robes[] = {{60, 90, 160},  {190, 60, 50},  {230, 210, 180}, {70, 120, 70},
                            {200, 140, 60}, {120, 70, 130}, {40, 60, 100},   {210, 170, 150}};
    int n = 0;
    for (double x = 70; x < 420; x += 19) {
        if (x > 205 && x < 280) continue;
        drawFigure(b, {.foot = {x, 228},
                       .height = b.uniform(48, 58),
                       .robe = robes[n++ % 8],
                       .armLeft = b.uniform(190, 260),
                       .armRight = b.uniform(270, 340),
                       .beard = n % 3 == 0});
    }
    drawFigure(b, {.foot = {228, 228},
                   .height = 70,
                   .robe = QColor(200, 70, 60),
                   .hair = QColor(235, 235, 230),
                   .armLeft = 200,
                   .armRight = 85,
                   .beard = true});
    drawFigure(b, {.foot = {256, 228},
                   .height = 68,
                   .robe = QColor(60, 80, 160),
                   .hair = QColor(90, 60, 40),
                   .armLeft = 260,
                   .armRight = 330,
                   .beard = true});
    // Diogenes on the steps, Heraclitus at his block, the groups of Pythagoras and Euclid.
    drawFigure(b, {.foot = {300, 258},
                   .height = 40,
                   .robe = QColor(70, 110, 190),
                   .armLeft = 160,
                   .armRight = 20,
                   .seated = true});
    p.fillRect(QRectF(160, 285, 40, 30), QColor(225, 215, 200));
    drawFigure(b, {.foot = {185, 300},
                   .height = 60,
                   .robe = QColor(110, 70, 120),
                   .armLeft = 230,
                   .armRight = 330,
                   .seated = true,
                   .beard = true});
    for (int i = 0; i < 4; ++i)
        drawFigure(b, {.foot = {50.0 + i * 22, 345.0 - (i % 2) * 8},
                       .height = 62,
                       .robe = robes[(i + 3) % 8],
                       .armLeft = 300,
                       .armRight = 300,
                       .seated = i == 1});
    p.fillRect(QRectF(75, 320, 26, 18), QColor(60, 50, 40));
    for (int i = 0; i < 4; ++i)
        drawFigure(b, {.foot = {360.0 + i * 26, 350.0 - (i % 2) * 6},
                       .height = 64,
                       .robe = robes[(i + 5) % 8],
                       .armLeft = 250,
                       .armRight = 300,
                       .facingLeft = true});
    p.setPen(QPen(QColor(240, 240, 230), 2));
    p.drawEllipse(QPointF(390, 345), 16, 5);
    // A young man in red reading on the floor, his scroll open on his knees.
    drawFigure(b, {.foot = {292, 322},
                   .height = 58,
                   .robe = QColor(170, 45, 40),
                   .hair = QColor(60, 40, 25),
                   .armLeft = 300,
                   .armRight = 330,
                   .seated = true});
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(245, 240, 220));
    p.drawRect(QRectF(300, 316, 22, 7));
}

void bacchusAndAriadne(Brush &b) {
    QPainter &p = b.p;
    b.gradient(QRectF(0, 0, 480, 250), QColor(25, 55, 150), QColor(150, 180, 210));
    b.cloud(QPointF(150, 90), 150, 45, QColor(245, 240, 225, 230));
    b.cloud(QPointF(290, 60), 90, 30, QColor(235, 230, 220, 200));
    // Ariadne's crown: the ring of stars in the corner.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 250, 200));
    for (int i = 0; i < 8; ++i) {
        const double a = i * std::numbers::pi / 4;
        p.drawEllipse(QPointF(60 + std::cos(a) * 28, 45 + std::sin(a) * 22), 3, 3);
    }
    // The sea with Theseus' ship sailing away, the dark trees on the right.
    b.gradient(QRectF(0, 185, 250, 50), QColor(60, 110, 150), QColor(110, 150, 165));
    fillPolygon(p, poly({{30, 198}, {60, 198}, {56, 204}, {34, 204}}), QColor(70, 50, 40));
    p.setPen(QPen(QColor(70, 50, 40), 1));
    p.drawLine(QPointF(45, 198), QPointF(45, 184));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(35, 60, 35));
    for (int i = 0; i < 16; ++i)
        p.drawEllipse(QPointF(b.uniform(340, 480), b.uniform(0, 230)), b.uniform(25, 50), b.uniform(20, 40));
    b.strokes(QRectF(330, 0, 150, 240), QColor(60, 95, 50), 220, 10, 25, 3, -1.2, 1.5);
    p.fillRect(QRectF(400, 120, 9, 140), QColor(70, 50, 35));
    // The ground.
    b.gradient(QRectF(0, 230, 480, 130), QColor(150, 120, 70), QColor(90, 70, 45));
    b.strokes(QRectF(0, 230, 480, 130), QColor(120, 95, 55), 300, 10, 25, 2.5, 0, 0.4);
    p.setBrush(QColor(230, 200, 70));
    for (int i = 0; i < 14; ++i)
        p.drawEllipse(QPointF(b.uniform(20, 460), b.uniform(320, 355)), 3, 3);

    // Ariadne turning from the sea, blue robe and red sash.
    drawFigure(b, {.foot = {85, 300},
                   .height = 170,
                   .robe = QColor(40, 80, 190),
                   .skin = QColor(240, 210, 185),
                   .hair = QColor(150, 90, 40),
                   .sash = QColor(200, 40, 40),
                   .armLeft = 150,
                   .armRight = 30,
                   .facingLeft = true});
    // The chariot and its two cheetahs.
    p.setPen(QPen(QColor(120, 90, 20), 2));
    p.setBrush(QColor(220, 175, 60));
    p.drawRoundedRect(QRectF(300, 225, 70, 45), 10, 10);
    p.setBrush(QColor(90, 60, 30));
    p.drawEllipse(QPointF(335, 275), 16, 16);
    for (int i = 0; i < 2; ++i) {
        const QPointF at(245 + i * 20, 262 + i * 12);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(220, 170, 70));
        p.drawEllipse(QRectF(at.x() - 30, at.y() - 11, 60, 22));
        p.drawEllipse(QPointF(at.x() - 32, at.y() - 10), 10, 9);
        p.setBrush(QColor(50, 35, 20));
        for (int k = 0; k < 8; ++k)
            p.drawEllipse(at + QPointF(b.uniform(-25, 25), b.uniform(-8, 8)), 2, 2);
        p.setPen(QPen(QColor(200, 150, 60), 4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(at + QPointF(-20, 8), at + QPointF(-26, 28));
        p.drawLine(at + QPointF(20, 8), at + QPointF(24, 28));
    }
    // Bacchus leaping from the chariot, his crimson cloak flying.
    QPainterPath cloak;
    cloak.moveTo(250, 110);
    cloak.cubicTo(290, 60, 350, 70, 370, 110);
    cloak.cubicTo(340, 120, 300, 150, 268, 175);
    cloak.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 40, 70));
    p.drawPath(cloak);
    drawFigure(b, {.foot = {245, 250},
                   .height = 160,
                   .robe = QColor(235, 200, 175),
                   .skin = QColor(235, 200, 175),
                   .hair = QColor(80, 50, 30),
                   .sash = QColor(200, 40, 70),
                   .armLeft = 170,
                   .armRight = 40,
                   .facingLeft = true});
    // The fallen golden urn and the little dog barking at the revellers.
    p.setPen(QPen(QColor(120, 80, 20), 1.5));
    p.setBrush(QColor(225, 180, 70));
    p.drawEllipse(QRectF(8, 312, 52, 30));
    p.setBrush(QColor(60, 40, 20));
    p.drawEllipse(QRectF(52, 315, 14, 24));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(245, 240, 230));
    p.drawEllipse(QRectF(160, 318, 34, 16));
    p.drawEllipse(QPointF(198, 318), 8, 7);
    p.setBrush(QColor(150, 90, 50));
    p.drawEllipse(QPointF(196, 314), 4, 6);
    p.drawEllipse(QRectF(166, 320, 12, 9));
    p.setPen(QPen(QColor(245, 240, 230), 3, Qt::SolidLine, Qt::RoundCap));
    for (const double x : {166.0, 174.0, 184.0, 190.0})
        p.drawLine(QPointF(x, 330), QPointF(x, 342));
    p.drawLine(QPointF(160, 322), QPointF(152, 312));
    // The revellers on the right.
    const QColor bodies[] = {{170, 110, 70}, {240, 232, 215}, {190, 130, 90}};
    for (int i = 0; i < 3; ++i)
        drawFigure(b, {.foot = {395.0 + i * 30, 345},
                       .height = 95.0 + i * 8,
                       .robe = bodies[i],
                       .skin = bodies[i],
                       .armLeft = b.uniform(100, 200),
                       .armRight = b.uniform(20, 80)});
    p.setPen(QPen(QColor(60, 100, 50), 3));
    p.drawArc(QRectF(395, 255, 50, 40), 0, 300 * 16);
}

void birthOfVenus(Brush &b) {
    QPainter &p = b.p;
    b.gradient(QRectF(0, 0, 480, 170), QColor(170, 195, 195), QColor(220, 225, 210));
    QLinearGradient haze(0, 0, 480, 0);
    haze.setColorAt(0, QColor(120, 150, 170, 90));
    haze.setColorAt(0.6, QColor(255, 240, 220, 0));
    haze.setColorAt(1, QColor(250, 225, 190, 110));
    p.fillRect(QRectF(0, 0, 480, 170), haze);
    b.gradient(QRectF(0, 160, 480, 200), QColor(150, 185, 170), QColor(110, 150, 140));
    // The little V-shaped waves, row after row.
    p.setPen(QPen(QColor(235, 240, 230), 1.2));
    for (int row = 0; row < 12; ++row)
        for (int i = 0; i < 26; ++i) {
            const double x = i * 19 + (row % 2) * 9 + b.uniform(-3, 3);
            const double y = 170 + row * 16 + b.uniform(-2, 2);
            p.drawLine(QPointF(x, y), QPointF(x + 4, y + 3));
            p.drawLine(QPointF(x + 4, y + 3), QPointF(x + 8, y));
        }
    // The shore and the orange grove on the right, a headland on the left.
    fillPolygon(p, poly({{0, 150}, {70, 140}, {90, 165}, {0, 175}}), QColor(120, 130, 100));
    fillPolygon(p, poly({{390, 40}, {480, 20}, {480, 360}, {400, 360}, {380, 260}}), QColor(60, 90, 60));
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 40; ++i) {
        p.setBrush(QColor(35, 70, 45));
        p.drawEllipse(QPointF(b.uniform(395, 480), b.uniform(20, 200)), 8, 6);
    }
    p.setBrush(QColor(230, 170, 60));
    for (int i = 0; i < 26; ++i)
        p.drawEllipse(QPointF(b.uniform(400, 478), b.uniform(25, 195)), 2.5, 2.5);
    p.fillRect(QRectF(412, 60, 5, 300), QColor(90, 70, 50));
    p.fillRect(QRectF(452, 40, 5, 320), QColor(90, 70, 50));

    // The scallop shell.
    p.setPen(QPen(QColor(180, 140, 90), 1.5));
    p.setBrush(QColor(235, 205, 160));
    p.drawPie(QRectF(160, 270, 160, 130), 0, 180 * 16);
    for (int k = 1; k < 12; ++k) {
        const double a = qDegreesToRadians(k * 180.0 / 12);
        p.drawLine(QPointF(240, 335), QPointF(240 + std::cos(a) * 80, 335 - std::sin(a) * 65));
    }
    // Venus standing, her long red-gold hair blown to one side.
    QPainterPath hairPath;
    hairPath.moveTo(235, 70);
    hairPath.cubicTo(200, 80, 190, 150, 200, 230);
    hairPath.cubicTo(215, 200, 240, 150, 250, 95);
    hairPath.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 130, 60));
    p.drawPath(hairPath);
    drawFigure(b, {.foot = {240, 320},
                   .height = 260,
                   .robe = QColor(245, 225, 210),
                   .skin = QColor(245, 225, 210),
                   .hair = QColor(210, 140, 60),
                   .armLeft = 300,
                   .armRight = 250});
    // The winds blowing from the left, in blue and green, on wide dark wings.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 90, 110));
    p.drawPolygon(poly({{78, 95}, {20, 20}, {60, 30}, {100, 60}}));
    p.setBrush(QColor(100, 110, 90));
    p.drawPolygon(poly({{112, 92}, {150, 10}, {175, 40}, {130, 95}}));
    p.setBrush(QColor(150, 160, 150));
    p.drawPolygon(poly({{112, 92}, {150, 10}, {140, 55}}));
    drawFigure(b, {.foot = {80, 200},
                   .height = 120,
                   .robe = QColor(60, 120, 150),
                   .skin = QColor(230, 200, 180),
                   .armLeft = 200,
                   .armRight = 20});
    drawFigure(b, {.foot = {115, 195},
                   .height = 110,
                   .robe = QColor(110, 150, 110),
                   .skin = QColor(235, 205, 190),
                   .armLeft = 180,
                   .armRight = 10});
    p.setPen(QPen(QColor(250, 250, 245, 180), 1.5));
    for (int i = 0; i < 5; ++i)
        p.drawLine(QPointF(135, 110 + i * 5), QPointF(190, 130 + i * 8));
    // Roses falling through the air.
    for (int i = 0; i < 18; ++i) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(235, 150, 170));
        p.drawEllipse(QPointF(b.uniform(40, 200), b.uniform(20, 280)), 3.5, 3);
    }
    // The sand of the shore at the nymph's feet, with cornflowers.
    fillPolygon(p, poly({{330, 360}, {400, 318}, {480, 300}, {480, 360}}), QColor(225, 210, 170));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 100, 190));
    for (int i = 0; i < 7; ++i)
        p.drawEllipse(QPointF(b.uniform(410, 475), b.uniform(318, 355)), 2.5, 2.5);
    // The nymph on the shore holding out the flowered cloak.
    QPainterPath cloak;
    cloak.moveTo(350, 140);
    cloak.cubicTo(320, 150, 280, 170, 275, 230);
    cloak.cubicTo(300, 250, 330, 240, 355, 230);
    cloak.closeSubpath();
    p.setBrush(QColor(215, 90, 100));
    p.drawPath(cloak);
    p.setBrush(QColor(250, 230, 180));
    for (int i = 0; i < 10; ++i)
        p.drawEllipse(QPointF(b.uniform(290, 345), b.uniform(165, 230)), 2, 2);
    drawFigure(b, {.foot = {365, 330},
                   .height = 220,
                   .robe = QColor(240, 240, 225),
                   .skin = QColor(240, 215, 195),
                   .hair = QColor(190, 130, 60),
                   .sash = QColor(130, 170, 110),
                   .armLeft = 150,
                   .armRight = 40,
                   .facingLeft = true});
}

void deathOfSocrates(Brush &b) {
    QPainter &p = b.p;
    b.gradient(QRectF(0, 0, 480, 260), QColor(70, 65, 60), QColor(115, 105, 90));
    // The stone blocks of the prison wall.
    p.setPen(QPen(QColor(55, 50, 45), 1.5));
    for (int row = 0; row < 9; ++row) {
        const double y = row * 29;
        p.drawLine(QPointF(160, y), QPointF(480, y));
        for (double x = 160 + (row % 2) * 40; x < 480; x += 80)
            p.drawLine(QPointF(x, y), QPointF(x, y + 29));
    }
    // The light falls from the left: a barred window high in the wall, and
    // the shackles hanging below it.
    QLinearGradient light(160, 0, 480, 0);
    light.setColorAt(0, QColor(255, 240, 200, 70));
    light.setColorAt(1, QColor(0, 0, 0, 90));
    p.fillRect(QRectF(160, 0, 320, 260), light);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 190, 160));
    p.drawRect(QRectF(290, 25, 70, 55));
    p.setPen(QPen(QColor(40, 35, 30), 4));
    for (int i = 1; i < 4; ++i)
        p.drawLine(QPointF(290 + i * 17.5, 25), QPointF(290 + i * 17.5, 80));
    p.setPen(QPen(QColor(35, 30, 28), 2.5));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 7; ++i)
        p.drawEllipse(QRectF(425 + (i % 2) * 2, 20 + i * 9, 8, 11));
    p.drawEllipse(QRectF(418, 84, 22, 16));
    // The arch at the back with the friends leaving up the stairs.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 140, 120));
    p.drawRect(QRectF(30, 60, 110, 170));
    p.drawPie(QRectF(30, 15, 110, 90), 0, 180 * 16);
    for (int i = 0; i < 6; ++i)
        p.fillRect(QRectF(40 + i * 15, 200 - i * 14, 90 - i * 15, 5), QColor(120, 110, 95));
    for (int i = 0; i < 3; ++i)
        drawFigure(b, {.foot = {60.0 + i * 22, 200.0 - i * 14}, .height = 38, .robe = QColor(100, 90, 80)});
    b.gradient(QRectF(0, 260, 480, 100), QColor(95, 80, 65), QColor(60, 50, 40));
    b.strokes(QRectF(0, 260, 480, 100), QColor(85, 72, 60), 200, 12, 12, 2, 0, 0.2);

    // The bed with its white cover.
    p.setPen(QPen(QColor(60, 45, 35), 2));
    p.setBrush(QColor(110, 80, 55));
    p.drawRect(QRectF(80, 262, 230, 30));
    p.setBrush(QColor(235, 230, 215));
    p.drawRect(QRectF(85, 245, 220, 22));
    p.setBrush(QColor(110, 80, 55));
    p.drawRect(QRectF(85, 292, 8, 40));
    p.drawRect(QRectF(297, 292, 8, 40));
    // Socrates sitting up, one hand raised, the other reaching for the cup.
    drawFigure(b, {.foot = {195, 250},
                   .height = 150,
                   .robe = QColor(240, 235, 220),
                   .skin = QColor(220, 180, 140),
                   .hair = QColor(200, 200, 195),
                   .armLeft = 95,
                   .armRight = 5,
                   .seated = true,
                   .beard = true});
    // The man holding out the hemlock, turning his face away.
    drawFigure(
        b, {.foot = {290, 330}, .height = 150, .robe = QColor(190, 40, 35), .armLeft = 195, .armRight = 120});
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(210, 190, 120));
    p.drawEllipse(QPointF(248, 232), 7, 5);
    // Plato bowed at the foot of the bed.
    drawFigure(b, {.foot = {60, 300},
                   .height = 110,
                   .robe = QColor(225, 220, 200),
                   .hair = QColor(230, 230, 225),
                   .armLeft = 300,
                   .armRight = 300,
                   .seated = true,
                   .facingLeft = true,
                   .beard = true});
    // The grieving friends on the right.
    const QColor robes[] = {{200, 120, 40}, {60, 120, 70}, {180, 60, 40}, {235, 230, 215}, {150, 120, 90}};
    for (int i = 0; i < 5; ++i)
        drawFigure(b, {.foot = {345.0 + i * 30, 340.0 - (i % 2) * 12},
                       .height = 140.0 - (i % 3) * 12,
                       .robe = robes[i],
                       .armLeft = b.uniform(60, 130),
                       .armRight = b.uniform(60, 120),
                       .seated = i == 1,
                       .beard = i % 2 == 0});
    // The basin and ewer on the floor, and a stool knocked over.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(210, 200, 180));
    p.drawEllipse(QRectF(232, 335, 46, 16));
    p.setBrush(QColor(150, 170, 180));
    p.drawEllipse(QRectF(238, 337, 34, 9));
    p.setBrush(QColor(200, 150, 80));
    p.drawEllipse(QRectF(440, 318, 22, 28));
    p.fillRect(QRectF(446, 308, 10, 12), QColor(200, 150, 80));
    p.fillRect(QRectF(300, 344, 60, 8), QColor(120, 85, 55));
    // The chain on the floor and the lamp.
    p.setPen(QPen(QColor(40, 35, 30), 2));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 6; ++i)
        p.drawEllipse(QRectF(140 + i * 9, 335, 10, 6));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 200, 100));
    p.drawEllipse(QPointF(450, 165), 5, 9);
}

void phidiasFrieze(Brush &b) {
    QPainter &p = b.p;
    // Marble wall and entablature.
    b.gradient(QRectF(0, 0, 480, 360), QColor(215, 200, 175), QColor(150, 130, 105));
    p.fillRect(QRectF(0, 0, 480, 30), QColor(190, 160, 110));
    for (int x = 0; x < 480; x += 14)
        p.fillRect(QRectF(x, 30, 8, 10), QColor(170, 140, 95));

    // The painted frieze, a procession read from left to right: the chariot,
    // the water carriers on foot, the horsemen, and the gods seated to greet them.
    p.fillRect(QRectF(0, 45, 480, 100), QColor(55, 95, 160));
    const QColor marble(235, 225, 205);
    const QColor red(200, 60, 50);
    drawHorse(p, {78, 142}, 62, QColor(200, 190, 170), false, true);
    drawHorse(p, {66, 142}, 62, marble, false, true);
    p.setPen(QPen(red, 3));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(24, 126), 13, 13);
    p.setPen(Qt::NoPen);
    p.setBrush(red);
    p.drawChord(QRectF(8, 96, 34, 34), 180 * 16, 180 * 16);
    drawFigure(
        b, {.foot = {24, 112}, .height = 50, .robe = marble, .skin = marble, .armLeft = 150, .armRight = 15});
    const double carriers[] = {135, 160, 185, 210};
    for (int i = 0; i < 4; ++i) {
        drawFigure(b, {.foot = {carriers[i], 143},
                       .height = 70.0 + (i % 2) * 6,
                       .robe = i % 2 ? red : marble,
                       .skin = marble,
                       .armLeft = 250,
                       .armRight = 75,
                       .beard = i == 2});
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(190, 120, 60));
        p.drawEllipse(QRectF(carriers[i] + 2, 62.0 - (i % 2) * 6, 14, 17));
    }
    drawFigure(b, {.foot = {232, 143},
                   .height = 84,
                   .robe = marble,
                   .skin = marble,
                   .armLeft = 240,
                   .armRight = 95,
                   .beard = true});
    p.setPen(QPen(QColor(190, 120, 60), 2));
    p.drawLine(QPointF(238, 60), QPointF(240, 143));
    for (int i = 0; i < 3; ++i) {
        const double x = 270 + i * 38;
        drawHorse(p, {x, 140}, 50, i == 1 ? QColor(205, 195, 175) : marble, false);
        drawFigure(b, {.foot = {x - 4, 104},
                       .height = 44,
                       .robe = i == 1 ? marble : red,
                       .skin = marble,
                       .armLeft = 150,
                       .armRight = 10,
                       .seated = true});
    }
    for (int i = 0; i < 3; ++i) {
        const double x = 392 + i * 34;
        p.fillRect(QRectF(x - 10, 112, 22, 30), QColor(200, 150, 70));
        drawFigure(b, {.foot = {x, 112},
                       .height = 95,
                       .robe = i == 1 ? QColor(190, 160, 90) : marble,
                       .skin = marble,
                       .hair = QColor(150, 110, 70),
                       .armLeft = i == 0 ? 100.0 : 200.0,
                       .armRight = 300,
                       .seated = true,
                       .facingLeft = true,
                       .beard = i != 1});
    }
    p.fillRect(QRectF(0, 145, 480, 8), QColor(180, 150, 105));

    // The scaffold: poles, a rope, the plank platform, the ladder.
    p.setPen(Qt::NoPen);
    for (const double x : {18.0, 168.0, 338.0, 462.0})
        p.fillRect(QRectF(x - 5, 0, 10, 360), QColor(110, 75, 45));
    p.fillRect(QRectF(0, 238, 480, 14), QColor(150, 105, 60));
    p.fillRect(QRectF(0, 252, 480, 6), QColor(90, 60, 35));
    b.strokes(QRectF(0, 238, 480, 14), QColor(120, 80, 45), 80, 20, 15, 1, 0, 0.02);
    p.setPen(QPen(QColor(200, 180, 130), 1.5));
    p.drawLine(QPointF(18, 20), QPointF(168, 238));

    // Below the platform: the temple's shadowed interior.
    p.setPen(Qt::NoPen);
    p.fillRect(QRectF(0, 258, 480, 102), QColor(70, 55, 45));
    b.strokes(QRectF(0, 258, 480, 102), QColor(95, 75, 55), 160, 18, 15, 3, 1.5, 0.2);
    // A column's capital standing up into the scaffold.
    b.column(62, 272, 360, 48, QColor(230, 215, 185));
    // The paint grinder at his colours, by the glow of a brazier.
    QRadialGradient glow(QPointF(150, 340), 55);
    glow.setColorAt(0, QColor(255, 170, 60, 200));
    glow.setColorAt(1, QColor(255, 140, 40, 0));
    p.fillRect(QRectF(100, 285, 110, 75), glow);
    p.setBrush(QColor(40, 30, 25));
    p.drawRect(QRectF(138, 338, 24, 18));
    p.setBrush(QColor(255, 190, 80));
    p.drawEllipse(QRectF(140, 332, 20, 8));
    p.fillRect(QRectF(112, 312, 128, 8), QColor(130, 95, 55));
    const QColor pots[] = {{200, 40, 35}, {40, 80, 180}, {230, 190, 50}, {60, 140, 70}};
    for (int i = 0; i < 4; ++i) {
        p.setBrush(pots[i]);
        p.drawChord(QRectF(118 + i * 24, 298, 20, 16), 180 * 16, 180 * 16);
    }
    drawFigure(b, {.foot = {215, 330},
                   .height = 60,
                   .robe = QColor(120, 110, 100),
                   .armLeft = 170,
                   .armRight = 230,
                   .seated = true,
                   .facingLeft = true});
    // Daylight falling through the unfinished roof, a basket hauled up on its rope.
    p.setBrush(QColor(255, 245, 215, 70));
    p.drawPolygon(poly({{395, 0}, {480, 0}, {345, 360}, {235, 360}}));
    p.setPen(QPen(QColor(200, 180, 130), 1.5));
    p.drawLine(QPointF(300, 153), QPointF(300, 290));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(160, 120, 60));
    p.drawPolygon(poly({{284, 290}, {316, 290}, {310, 318}, {290, 318}}));
    drawFigure(
        b, {.foot = {262, 350}, .height = 60, .robe = QColor(140, 120, 95), .armLeft = 100, .armRight = 60});
    // A workman climbing the ladder with a bundle of brushes.
    p.fillRect(QRectF(372, 258, 108, 102), QColor(50, 45, 50));
    p.setPen(QPen(QColor(70, 62, 65), 1.5));
    for (int row = 0; row < 5; ++row) {
        const double y = 262 + row * 20;
        p.drawLine(QPointF(372, y), QPointF(480, y));
        for (double x = 372 + (row % 2) * 18; x < 480; x += 36)
            p.drawLine(QPointF(x, y), QPointF(x, y + 20));
    }
    p.setPen(QPen(QColor(150, 110, 60), 3));
    p.drawLine(QPointF(420, 360), QPointF(440, 175));
    p.drawLine(QPointF(450, 360), QPointF(470, 175));
    for (int i = 0; i < 9; ++i)
        p.drawLine(QPointF(422 + i * 2, 340 - i * 20), QPointF(452 + i * 2, 340 - i * 20));
    drawFigure(
        b, {.foot = {445, 345}, .height = 70, .robe = QColor(60, 100, 170), .armLeft = 70, .armRight = 80});

    // Phidias pointing to the frieze, his visitors beside him.
    drawFigure(b, {.foot = {105, 240},
                   .height = 95,
                   .robe = QColor(140, 80, 50),
                   .hair = QColor(200, 200, 190),
                   .armLeft = 230,
                   .armRight = 55,
                   .beard = true});
    drawFigure(b, {.foot = {205, 240},
                   .height = 100,
                   .robe = QColor(235, 230, 215),
                   .sash = QColor(60, 90, 160),
                   .armLeft = 250,
                   .armRight = 290,
                   .facingLeft = true,
                   .beard = true});
    drawFigure(b, {.foot = {245, 240},
                   .height = 92,
                   .robe = QColor(235, 190, 190),
                   .hair = QColor(60, 40, 30),
                   .armLeft = 220,
                   .armRight = 300,
                   .facingLeft = true});
    drawFigure(b, {.foot = {290, 240},
                   .height = 98,
                   .robe = QColor(110, 70, 140),
                   .hair = QColor(150, 100, 50),
                   .armLeft = 260,
                   .armRight = 120,
                   .facingLeft = true});
    drawFigure(
        b,
        {.foot = {380, 240}, .height = 70, .robe = QColor(200, 170, 110), .armLeft = 240, .armRight = 320});
}

void solonAndCroesus(Brush &b) {
    QPainter &p = b.p;
    QRadialGradient dusk(QPointF(180, 170), 320);
    dusk.setColorAt(0, QColor(110, 80, 50));
    dusk.setColorAt(1, QColor(25, 18, 12));
    p.fillRect(QRectF(0, 0, 480, 360), dusk);
    // The red curtain behind the king and a dark pillar on the left.
    QPainterPath curtain;
    curtain.moveTo(300, 0);
    curtain.lineTo(480, 0);
    curtain.lineTo(480, 240);
    curtain.cubicTo(430, 200, 380, 110, 300, 0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(130, 25, 25));
    p.drawPath(curtain);
    b.strokes(QRectF(320, 0, 160, 220), QColor(160, 40, 35), 90, 30, 20, 2, 1.2, 0.15);
    // Light catching its folds, and the gold fringe along its edge and cord.
    p.save();
    p.setClipPath(curtain);
    p.setPen(QPen(QColor(225, 90, 70), 7, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 4; ++i)
        p.drawLine(QPointF(390 + i * 26, 0), QPointF(410 + i * 22, 230));
    p.restore();
    p.setPen(QPen(QColor(230, 190, 80), 4));
    p.setBrush(Qt::NoBrush);
    QPainterPath fringe;
    fringe.moveTo(300, 0);
    fringe.cubicTo(380, 110, 430, 200, 480, 240);
    p.drawPath(fringe);
    p.setPen(QPen(QColor(230, 190, 80), 3));
    p.drawLine(QPointF(480, 60), QPointF(400, 75));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 200, 90));
    p.drawEllipse(QRectF(390, 72, 14, 22));
    p.fillRect(QRectF(8, 0, 34, 360), QColor(55, 40, 28));
    // An arched window on the dusk sky with the new moon.
    QPainterPath window;
    window.moveTo(58, 108);
    window.lineTo(58, 45);
    window.arcTo(QRectF(58, 15, 56, 60), 180, -180);
    window.lineTo(114, 108);
    window.closeSubpath();
    QLinearGradient evening(0, 15, 0, 108);
    evening.setColorAt(0, QColor(60, 80, 130));
    evening.setColorAt(1, QColor(210, 150, 100));
    p.setBrush(evening);
    p.setPen(QPen(QColor(35, 25, 18), 4));
    p.drawPath(window);
    p.drawLine(QPointF(86, 20), QPointF(86, 108));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 240, 200));
    p.drawEllipse(QPointF(100, 40), 7, 7);
    p.setBrush(QColor(66, 84, 130));
    p.drawEllipse(QPointF(103, 38), 6, 6);
    // A bronze lamp hanging from the ceiling, and a gold platter on the wall.
    QRadialGradient lamp(QPointF(190, 42), 70);
    lamp.setColorAt(0, QColor(255, 210, 130, 170));
    lamp.setColorAt(1, QColor(255, 180, 90, 0));
    p.setBrush(lamp);
    p.drawEllipse(QPointF(190, 42), 70, 70);
    p.setPen(QPen(QColor(120, 90, 40), 1.5));
    p.drawLine(QPointF(190, 0), QPointF(190, 34));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(170, 120, 50));
    p.drawChord(QRectF(174, 26, 32, 20), 180 * 16, 180 * 16);
    p.setBrush(QColor(255, 240, 170));
    p.drawEllipse(QPointF(190, 30), 3, 6);
    p.setBrush(QColor(215, 170, 60));
    p.drawEllipse(QPointF(268, 42), 24, 24);
    p.setBrush(QColor(180, 130, 40));
    p.drawEllipse(QPointF(268, 42), 15, 15);
    p.setBrush(QColor(240, 210, 120));
    p.drawEllipse(QPointF(262, 36), 5, 5);

    // Croesus on his throne in gold and fur, a feathered turban.
    p.setBrush(QColor(90, 60, 25));
    p.drawRect(QRectF(340, 120, 100, 200));
    drawFigure(b, {.foot = {390, 250},
                   .height = 170,
                   .robe = QColor(200, 150, 50),
                   .skin = QColor(225, 185, 140),
                   .hair = QColor(240, 235, 220),
                   .armLeft = 200,
                   .armRight = 300,
                   .seated = true,
                   .facingLeft = true,
                   .beard = true});
    p.setBrush(QColor(240, 235, 220));
    p.drawEllipse(QPointF(388, 168), 16, 10);
    p.setPen(QPen(QColor(230, 60, 40), 2));
    p.drawLine(QPointF(391, 159), QPointF(401, 137));
    // The table of treasure.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 80, 50));
    p.drawRect(QRectF(170, 240, 170, 60));
    p.fillRect(QRectF(180, 300, 10, 50), QColor(60, 40, 25));
    p.fillRect(QRectF(320, 300, 10, 50), QColor(60, 40, 25));
    for (int i = 0; i < 30; ++i) {
        p.setBrush(b.vary(QColor(230, 190, 70), 30));
        p.drawEllipse(QPointF(b.uniform(180, 330), b.uniform(232, 250)), 4, 3);
    }
    p.setBrush(QColor(210, 170, 60));
    p.drawPolygon(poly({{220, 235}, {232, 195}, {244, 235}}));
    p.drawEllipse(QRectF(265, 205, 26, 30));
    p.setBrush(QColor(60, 130, 200));
    p.drawEllipse(QPointF(300, 238), 4, 4);
    p.setBrush(QColor(200, 40, 60));
    p.drawEllipse(QPointF(200, 240), 4, 4);

    // Solon, the old Athenian, arguing in his plain dark cloak.
    drawFigure(b, {.foot = {100, 345},
                   .height = 230,
                   .robe = QColor(50, 55, 75),
                   .skin = QColor(230, 190, 150),
                   .hair = QColor(235, 235, 230),
                   .armLeft = 230,
                   .armRight = 60,
                   .beard = true});
    // The court watching from the shadows, faces in the candlelight.
    for (int i = 0; i < 5; ++i)
        drawFigure(b, {.foot = {150.0 + i * 38, 250.0 - (i % 2) * 10},
                       .height = 150,
                       .robe = i == 3   ? QColor(215, 205, 185)
                               : i == 1 ? QColor(45, 85, 60)
                                        : b.vary(QColor(80, 55, 40), 25),
                       .skin = QColor(230, 180, 130),
                       .armLeft = 250,
                       .armRight = 290,
                       .beard = i == 2});
    // A page with a golden cup.
    drawFigure(
        b, {.foot = {250, 350}, .height = 90, .robe = QColor(170, 110, 60), .armLeft = 250, .armRight = 40});
    p.setBrush(QColor(230, 190, 70));
    p.drawEllipse(QPointF(280, 298), 6, 8);
    // His riches on the floor: an open chest of gold, a bronze shield and a
    // helmet, a gilded footstool, and a candle burning at his side.
    p.setBrush(QColor(90, 55, 30));
    p.drawRect(QRectF(6, 300, 54, 42));
    p.setBrush(QColor(110, 70, 35));
    p.drawPolygon(poly({{6, 300}, {60, 300}, {54, 272}, {12, 272}}));
    p.setBrush(QColor(235, 195, 70));
    p.drawChord(QRectF(8, 288, 50, 26), 0, 180 * 16);
    for (int i = 0; i < 12; ++i) {
        p.setBrush(b.vary(QColor(245, 210, 90), 25));
        p.drawEllipse(QPointF(b.uniform(12, 56), b.uniform(292, 302)), 3, 2);
    }
    QRadialGradient bronze(QPointF(158, 312), 26);
    bronze.setColorAt(0, QColor(240, 190, 110));
    bronze.setColorAt(1, QColor(130, 80, 30));
    p.setBrush(bronze);
    p.drawEllipse(QPointF(162, 318), 24, 24);
    p.setBrush(QColor(110, 70, 30));
    p.drawEllipse(QPointF(162, 318), 6, 6);
    p.setBrush(QColor(220, 180, 70));
    p.drawChord(QRectF(198, 318, 30, 30), 0, 180 * 16);
    p.fillRect(QRectF(196, 331, 34, 4), QColor(220, 180, 70));
    p.setBrush(QColor(200, 40, 40));
    p.drawEllipse(QRectF(207, 306, 12, 12));
    p.setBrush(QColor(220, 175, 70));
    p.drawRoundedRect(QRectF(355, 312, 80, 18), 4, 4);
    p.fillRect(QRectF(360, 330, 8, 14), QColor(180, 130, 50));
    p.fillRect(QRectF(422, 330, 8, 14), QColor(180, 130, 50));
    QRadialGradient candle(QPointF(462, 255), 45);
    candle.setColorAt(0, QColor(255, 220, 150, 180));
    candle.setColorAt(1, QColor(255, 190, 100, 0));
    p.setBrush(candle);
    p.drawEllipse(QPointF(462, 255), 45, 45);
    p.fillRect(QRectF(458, 262, 8, 80), QColor(235, 225, 200));
    p.fillRect(QRectF(448, 338, 28, 7), QColor(200, 160, 60));
    p.setBrush(QColor(255, 230, 150));
    p.drawEllipse(QPointF(462, 255), 3, 7);
    // The patterned carpet.
    for (int x = 0; x < 480; x += 24) {
        p.setBrush(QColor(120, 40, 30));
        p.drawRect(QRectF(x, 345, 12, 15));
        p.setBrush(QColor(170, 130, 60));
        p.drawRect(QRectF(x + 12, 345, 12, 15));
    }
}

void alcibiades(Brush &b) {
    QPainter &p = b.p;
    // Ochre walls with a painted red dado and a frieze.
    p.fillRect(QRectF(0, 0, 480, 360), QColor(205, 165, 105));
    p.fillRect(QRectF(0, 150, 480, 100), QColor(150, 45, 35));
    p.fillRect(QRectF(0, 40, 480, 12), QColor(60, 80, 60));
    for (int x = 0; x < 480; x += 20) {
        p.setPen(QPen(QColor(230, 210, 160), 2));
        p.drawLine(QPointF(x, 46), QPointF(x + 10, 46));
    }
    b.strokes(QRectF(0, 0, 480, 150), QColor(195, 155, 100), 160, 14, 12, 2);
    // A painted panel on the wall: black figures on red.
    p.fillRect(QRectF(262, 58, 56, 62), QColor(215, 175, 80));
    p.fillRect(QRectF(267, 63, 46, 52), QColor(225, 130, 70));
    for (int i = 0; i < 2; ++i)
        drawFigure(b, {.foot = {280.0 + i * 20, 112},
                       .height = 40,
                       .robe = QColor(30, 22, 18),
                       .skin = QColor(30, 22, 18),
                       .hair = QColor(30, 22, 18),
                       .armLeft = 160,
                       .armRight = 20});
    // A shelf of painted vases and a garland on the wall behind the couch.
    p.setPen(Qt::NoPen);
    p.fillRect(QRectF(330, 100, 140, 6), QColor(110, 75, 45));
    const QColor vases[] = {{40, 30, 25}, {190, 90, 40}, {40, 30, 25}, {60, 90, 130}};
    for (int i = 0; i < 4; ++i) {
        p.setBrush(vases[i]);
        p.drawEllipse(QRectF(340 + i * 32, 72 - (i % 2) * 8, 20, 28 + (i % 2) * 8));
        p.fillRect(QRectF(346 + i * 32, 64 - (i % 2) * 8, 8, 10), vases[i]);
    }
    p.setPen(QPen(QColor(70, 120, 60), 4));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(250, 40, 70, 50), 180 * 16, 180 * 16);
    p.drawArc(QRectF(390, 40, 80, 40), 180 * 16, 180 * 16);
    // A window on the Acropolis in the evening light.
    b.gradient(QRectF(135, 62, 60, 76), QColor(90, 140, 200), QColor(240, 200, 150));
    fillPolygon(p, poly({{135, 128}, {150, 112}, {185, 110}, {195, 124}, {195, 138}, {135, 138}}),
                QColor(150, 120, 90));
    p.fillRect(QRectF(152, 100, 30, 12), QColor(235, 225, 200));
    p.setPen(QPen(QColor(90, 60, 40), 4));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(135, 62, 60, 76));
    p.drawLine(QPointF(165, 62), QPointF(165, 138));
    // The doorway on the left where Socrates draws the curtain aside.
    p.setPen(Qt::NoPen);
    p.fillRect(QRectF(20, 60, 100, 220), QColor(45, 35, 30));
    QPainterPath drape;
    drape.moveTo(20, 60);
    drape.lineTo(120, 60);
    drape.cubicTo(100, 140, 120, 220, 110, 280);
    drape.lineTo(95, 280);
    drape.cubicTo(70, 200, 60, 120, 20, 60);
    p.setBrush(QColor(80, 110, 70));
    p.drawPath(drape);
    drawFigure(b, {.foot = {75, 300},
                   .height = 190,
                   .robe = QColor(110, 80, 55),
                   .skin = QColor(210, 160, 120),
                   .hair = QColor(120, 110, 100),
                   .armLeft = 230,
                   .armRight = 30,
                   .beard = true});
    // A marble statue on its pedestal.
    p.fillRect(QRectF(210, 160, 40, 70), QColor(230, 225, 215));
    drawFigure(b, {.foot = {230, 160},
                   .height = 100,
                   .robe = QColor(240, 238, 230),
                   .skin = QColor(240, 238, 230),
                   .hair = QColor(225, 222, 215),
                   .armLeft = 120,
                   .armRight = 290});
    // The couch with Alcibiades and Aspasia.
    p.setBrush(QColor(185, 40, 45));
    p.drawRoundedRect(QRectF(270, 230, 190, 45), 12, 12);
    p.fillRect(QRectF(280, 275, 10, 40), QColor(90, 60, 30));
    p.fillRect(QRectF(440, 275, 10, 40), QColor(90, 60, 30));
    drawFigure(b, {.foot = {320, 240},
                   .height = 120,
                   .robe = QColor(225, 195, 160),
                   .skin = QColor(225, 180, 140),
                   .hair = QColor(90, 60, 30),
                   .sash = QColor(60, 140, 70),
                   .armLeft = 160,
                   .armRight = 60,
                   .seated = true});
    drawFigure(b, {.foot = {395, 240},
                   .height = 115,
                   .robe = QColor(240, 235, 225),
                   .skin = QColor(240, 215, 190),
                   .hair = QColor(200, 150, 60),
                   .armLeft = 160,
                   .armRight = 100,
                   .seated = true,
                   .facingLeft = true});
    // A flute player and the incense burner.
    drawFigure(
        b,
        {.foot = {455, 330}, .height = 110, .robe = QColor(200, 150, 190), .armLeft = 170, .armRight = 150});
    p.setPen(QPen(QColor(110, 80, 50), 3));
    p.drawLine(QPointF(170, 340), QPointF(170, 260));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 110, 60));
    p.drawEllipse(QPointF(170, 258), 12, 6);
    p.setPen(QPen(QColor(230, 230, 230, 120), 2));
    p.drawLine(QPointF(170, 250), QPointF(160, 200));
    // A little table with a bowl of fruit and a wine jug.
    p.setPen(Qt::NoPen);
    p.fillRect(QRectF(185, 282, 60, 6), QColor(100, 65, 35));
    p.fillRect(QRectF(190, 288, 5, 30), QColor(100, 65, 35));
    p.fillRect(QRectF(235, 288, 5, 30), QColor(100, 65, 35));
    p.setBrush(QColor(235, 230, 220));
    p.drawChord(QRectF(190, 266, 34, 26), 180 * 16, 180 * 16);
    const QColor fruit[] = {{200, 40, 40}, {230, 170, 40}, {110, 60, 120}, {120, 170, 60}};
    for (int i = 0; i < 4; ++i) {
        p.setBrush(fruit[i]);
        p.drawEllipse(QPointF(197 + i * 7, 276 - (i % 2) * 3), 4.5, 4.5);
    }
    p.setBrush(QColor(60, 40, 30));
    p.drawEllipse(QRectF(226, 262, 14, 20));
    // Marble floor and the tiger skin.
    p.setPen(Qt::NoPen);
    for (int x = 0; x < 480; x += 40)
        for (int y = 300; y < 360; y += 20)
            p.fillRect(QRectF(x, y, 40, 20),
                       ((x + y) / 20) % 2 ? QColor(220, 215, 200) : QColor(170, 160, 150));
    p.setBrush(QColor(220, 140, 50));
    p.drawEllipse(QRectF(230, 305, 150, 40));
    p.setPen(QPen(QColor(40, 25, 15), 3));
    for (int i = 0; i < 7; ++i)
        p.drawLine(QPointF(250 + i * 18, 310), QPointF(258 + i * 18, 340));
}

void trojanHorse(Brush &b) {
    QPainter &p = b.p;
    b.gradient(QRectF(0, 0, 480, 260), QColor(90, 140, 210), QColor(220, 225, 225));
    b.cloud(QPointF(120, 50), 140, 40, QColor(250, 240, 235, 230));
    b.cloud(QPointF(330, 40), 120, 35, QColor(245, 225, 220, 210));
    b.cloud(QPointF(420, 120), 70, 25, QColor(240, 230, 225, 200));
    b.cloud(QPointF(185, 95), 90, 34, QColor(120, 115, 130, 220));
    // The walls and towers of Troy with the gate.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 185, 160));
    p.drawRect(QRectF(300, 140, 180, 140));
    p.drawRect(QRectF(320, 95, 45, 185));
    p.drawRect(QRectF(430, 85, 50, 195));
    for (int x = 300; x < 480; x += 14)
        p.drawRect(QRectF(x, 130, 8, 10));
    p.setBrush(QColor(60, 45, 40));
    p.drawRect(QRectF(380, 200, 40, 80));
    p.drawPie(QRectF(380, 180, 40, 40), 0, 180 * 16);
    b.strokes(QRectF(300, 90, 180, 190), QColor(170, 155, 130), 90, 10, 10, 1.5, 0, 0.05);
    // The ground, dusty and warm.
    b.gradient(QRectF(0, 260, 480, 100), QColor(200, 170, 120), QColor(150, 115, 75));
    b.strokes(QRectF(0, 262, 480, 98), QColor(170, 135, 90), 200, 12, 15, 2, 0, 0.1);
    // A tree and a banner on the left.
    p.fillRect(QRectF(22, 120, 8, 150), QColor(90, 65, 40));
    p.setBrush(QColor(70, 100, 60));
    p.drawEllipse(QPointF(26, 110), 30, 40);
    p.setPen(QPen(QColor(90, 60, 40), 2));
    p.drawLine(QPointF(60, 270), QPointF(60, 150));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 60, 50));
    p.drawPolygon(poly({{60, 150}, {90, 160}, {60, 172}}));

    // The wooden horse on its wheeled platform.
    p.setBrush(QColor(120, 80, 45));
    p.drawRect(QRectF(90, 250, 210, 18));
    p.setBrush(QColor(60, 40, 25));
    for (const double x : {110.0, 170.0, 230.0, 285.0})
        p.drawEllipse(QPointF(x, 272), 12, 12);
    QPainterPath horse;
    horse.moveTo(120, 250);
    horse.lineTo(125, 180);
    horse.cubicTo(130, 150, 210, 140, 245, 150);
    horse.lineTo(255, 95);
    horse.cubicTo(260, 70, 285, 60, 300, 70);
    horse.lineTo(310, 95);
    horse.lineTo(290, 100);
    horse.lineTo(270, 165);
    horse.lineTo(270, 250);
    horse.lineTo(250, 250);
    horse.lineTo(245, 195);
    horse.lineTo(150, 195);
    horse.lineTo(145, 250);
    horse.closeSubpath();
    p.setPen(QPen(QColor(70, 45, 25), 2));
    p.setBrush(QColor(160, 110, 60));
    p.drawPath(horse);
    p.setPen(QPen(QColor(120, 80, 45), 1.5));
    for (int y = 160; y < 195; y += 8)
        p.drawLine(QPointF(130, y), QPointF(265, y));
    p.setPen(QPen(QColor(60, 40, 20), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(258, 85), QPointF(240, 130));
    p.setPen(QPen(QColor(120, 80, 45), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(125, 185), QPointF(100, 225));
    // The ropes and the crowd hauling the horse towards the gate.
    p.setPen(QPen(QColor(210, 190, 150), 1.5));
    p.drawLine(QPointF(300, 255), QPointF(470, 315));
    p.drawLine(QPointF(300, 262), QPointF(470, 340));
    const QColor robes[] = {{190, 60, 50}, {60, 90, 160}, {230, 220, 200}, {200, 150, 60}, {90, 130, 80}};
    for (int i = 0; i < 7; ++i)
        drawFigure(b, {.foot = {320.0 + i * 22, 335.0 + (i % 2) * 10},
                       .height = 58,
                       .robe = robes[i % 5],
                       .armLeft = 190,
                       .armRight = 200,
                       .facingLeft = true});
    for (int i = 0; i < 4; ++i)
        drawFigure(b, {.foot = {40.0 + i * 20, 330.0 + (i % 2) * 12},
                       .height = 62,
                       .robe = robes[(i + 2) % 5],
                       .armLeft = 60,
                       .armRight = 40});
    drawFigure(b, {.foot = {200, 352}, .height = 50, .robe = robes[3], .armLeft = 120, .armRight = 60});
}

void penelope(Brush &b) {
    QPainter &p = b.p;
    // Marble walls, the window of the suitors and the warm room below it.
    p.fillRect(QRectF(0, 0, 480, 360), QColor(215, 205, 185));
    b.strokes(QRectF(0, 0, 480, 250), QColor(200, 190, 170), 150, 20, 12, 1.5, 0.8, 0.4);
    p.fillRect(QRectF(290, 20, 180, 130), QColor(70, 80, 90));
    b.gradient(QRectF(300, 30, 160, 60), QColor(160, 190, 215), QColor(200, 210, 210));
    p.setPen(QPen(QColor(240, 235, 220), 6));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(290, 20, 180, 130));
    drawFigure(b, {.foot = {330, 170},
                   .height = 110,
                   .robe = QColor(180, 60, 40),
                   .armLeft = 200,
                   .armRight = 260,
                   .facingLeft = true,
                   .beard = true});
    drawFigure(b, {.foot = {385, 170},
                   .height = 105,
                   .robe = QColor(90, 120, 70),
                   .armLeft = 200,
                   .armRight = 240,
                   .facingLeft = true});
    drawFigure(b, {.foot = {440, 170},
                   .height = 112,
                   .robe = QColor(70, 90, 150),
                   .armLeft = 170,
                   .armRight = 230,
                   .facingLeft = true});
    // Baskets of wool on a shelf beside the loom.
    p.setPen(Qt::NoPen);
    p.fillRect(QRectF(185, 88, 80, 7), QColor(110, 75, 40));
    p.setBrush(QColor(170, 130, 70));
    p.drawChord(QRectF(190, 62, 36, 40), 180 * 16, 180 * 16);
    p.drawChord(QRectF(230, 62, 32, 40), 180 * 16, 180 * 16);
    const QColor balls[] = {{170, 40, 40}, {50, 80, 140}, {220, 180, 80}, {60, 110, 70}, {240, 235, 225}};
    for (int i = 0; i < 5; ++i) {
        p.setBrush(balls[i]);
        p.drawEllipse(QPointF(198 + i * 14, 78 - (i % 2) * 4), 7, 7);
    }
    p.setPen(QPen(QColor(110, 75, 40), 2));
    p.drawLine(QPointF(215, 20), QPointF(215, 50));
    p.setBrush(QColor(230, 220, 200));
    p.drawEllipse(QPointF(215, 52), 5, 8);
    // The lyre of one suitor and the flowers another holds out.
    p.setPen(QPen(QColor(200, 160, 60), 2.5));
    p.drawArc(QRectF(400, 95, 26, 30), 0, 180 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 90, 110));
    for (int i = 0; i < 6; ++i)
        p.drawEllipse(QPointF(300 + i * 4, 110 + (i % 2) * 5), 3, 3);
    p.fillRect(QRectF(280, 150, 200, 18), QColor(235, 230, 215));

    // The loom on the left with its threads and the half-woven cloth.
    p.setPen(QPen(QColor(110, 75, 40), 7));
    p.drawLine(QPointF(20, 30), QPointF(20, 340));
    p.drawLine(QPointF(170, 30), QPointF(170, 340));
    p.drawLine(QPointF(15, 35), QPointF(175, 35));
    p.setPen(QPen(QColor(235, 225, 200), 1));
    for (int x = 26; x < 166; x += 5)
        p.drawLine(QPointF(x, 40), QPointF(x, 190));
    const QColor wools[] = {{170, 40, 40}, {50, 80, 140}, {220, 180, 80}, {60, 110, 70}};
    for (int band = 0; band < 8; ++band)
        p.fillRect(QRectF(24, 190 + band * 15, 142, 15), wools[band % 4]);
    p.setPen(QPen(QColor(240, 220, 160), 2));
    for (int band = 0; band < 8; ++band)
        for (int x = 30; x < 160; x += 20)
            p.drawLine(QPointF(x, 197 + band * 15), QPointF(x + 8, 197 + band * 15));

    // Penelope on her stool, bending to bite the thread; her maids at work.
    drawFigure(b, {.foot = {215, 290},
                   .height = 150,
                   .robe = QColor(150, 40, 45),
                   .skin = QColor(235, 205, 180),
                   .hair = QColor(60, 35, 20),
                   .armLeft = 170,
                   .armRight = 140,
                   .seated = true,
                   .facingLeft = true});
    drawFigure(b, {.foot = {300, 330},
                   .height = 150,
                   .robe = QColor(240, 240, 230),
                   .skin = QColor(230, 195, 160),
                   .hair = QColor(80, 50, 30),
                   .sash = QColor(60, 110, 160),
                   .armLeft = 230,
                   .armRight = 300});
    drawFigure(b, {.foot = {370, 320},
                   .height = 100,
                   .robe = QColor(80, 110, 160),
                   .armLeft = 200,
                   .armRight = 20,
                   .seated = true});
    p.setPen(QPen(QColor(120, 90, 50), 2));
    p.drawLine(QPointF(400, 300), QPointF(430, 250));
    // The floor with its patterned rug.
    p.setPen(Qt::NoPen);
    p.fillRect(QRectF(0, 330, 480, 30), QColor(120, 80, 50));
    for (int x = 180; x < 480; x += 30) {
        p.setBrush(QColor(190, 120, 50));
        p.drawPolygon(poly({{x + 15.0, 334}, {x + 27.0, 345}, {x + 15.0, 356}, {x + 3.0, 345}}));
    }
    p.setBrush(QColor(200, 200, 190));
    p.drawEllipse(QPointF(440, 345), 25, 8);
}

void pearlEarring(Brush &b) {
    QPainter &p = b.p;
    p.fillRect(QRectF(0, 0, 178, 204), QColor(18, 20, 16));
    b.strokes(QRectF(0, 0, 178, 204), QColor(28, 30, 24), 120, 12, 6, 2);
    // The yellow-brown jacket and the white collar.
    QPainterPath jacket;
    jacket.moveTo(20, 204);
    jacket.cubicTo(30, 160, 70, 140, 110, 150);
    jacket.cubicTo(150, 160, 165, 185, 170, 204);
    jacket.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(170, 130, 60));
    p.drawPath(jacket);
    p.setBrush(QColor(240, 235, 220));
    p.drawEllipse(QRectF(75, 145, 50, 18));
    // The face, turned over her shoulder towards us.
    QRadialGradient skin(QPointF(95, 95), 55);
    skin.setColorAt(0, QColor(245, 215, 180));
    skin.setColorAt(1, QColor(190, 140, 100));
    p.setBrush(skin);
    p.drawEllipse(QRectF(62, 55, 66, 88));
    p.setBrush(QColor(60, 40, 30));
    p.drawEllipse(QPointF(82, 92), 5, 4);
    p.drawEllipse(QPointF(110, 94), 4, 4);
    p.setBrush(QColor(255, 255, 255));
    p.drawEllipse(QPointF(83, 91), 1.3, 1.3);
    p.setBrush(QColor(190, 70, 70));
    p.drawEllipse(QRectF(88, 122, 16, 8));
    // The blue turban and the yellow cloth falling behind.
    p.setBrush(QColor(50, 90, 170));
    p.drawEllipse(QRectF(55, 28, 85, 45));
    p.setBrush(QColor(30, 60, 130));
    p.drawEllipse(QRectF(70, 35, 30, 18));
    QPainterPath cloth;
    cloth.moveTo(125, 40);
    cloth.cubicTo(160, 45, 165, 100, 150, 140);
    cloth.lineTo(130, 140);
    cloth.cubicTo(140, 100, 135, 70, 120, 55);
    cloth.closeSubpath();
    p.setBrush(QColor(225, 185, 80));
    p.drawPath(cloth);
    // The pearl.
    QRadialGradient pearl(QPointF(124, 128), 8);
    pearl.setColorAt(0, QColor(255, 255, 255));
    pearl.setColorAt(0.5, QColor(200, 200, 205));
    pearl.setColorAt(1, QColor(70, 75, 80));
    p.setBrush(pearl);
    p.drawEllipse(QPointF(126, 130), 7, 8);
}

void monaLisa(Brush &b) {
    QPainter &p = b.p;
    // The hazy blue-green landscape with its winding road.
    b.gradient(QRectF(0, 0, 133, 204), QColor(170, 185, 150), QColor(90, 100, 60));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 140, 120));
    p.drawPolygon(poly({{0, 60}, {20, 40}, {45, 55}, {45, 110}, {0, 110}}));
    p.drawPolygon(poly({{95, 110}, {100, 50}, {120, 35}, {133, 45}, {133, 110}}));
    p.setPen(QPen(QColor(170, 130, 80), 3));
    p.setBrush(Qt::NoBrush);
    QPainterPath road;
    road.moveTo(5, 140);
    road.cubicTo(20, 120, 10, 100, 35, 85);
    p.drawPath(road);
    p.drawArc(QRectF(100, 100, 30, 16), 0, 180 * 16);
    // The dark dress, the orange sleeves and the folded hands.
    p.setPen(Qt::NoPen);
    QPainterPath dress;
    dress.moveTo(10, 204);
    dress.cubicTo(15, 130, 40, 110, 66, 110);
    dress.cubicTo(92, 110, 118, 130, 123, 204);
    dress.closeSubpath();
    p.setBrush(QColor(50, 40, 25));
    p.drawPath(dress);
    p.setBrush(QColor(170, 120, 50));
    p.drawEllipse(QRectF(25, 160, 45, 28));
    p.drawEllipse(QRectF(65, 165, 45, 26));
    p.setBrush(QColor(225, 190, 130));
    p.drawEllipse(QRectF(55, 168, 40, 20));
    // The dark hair parted in the middle and falling to the shoulders, the
    // neck and the low neckline of the dress.
    p.setBrush(QColor(60, 40, 25));
    QPainterPath hair;
    hair.moveTo(67, 40);
    hair.cubicTo(44, 40, 39, 70, 39, 100);
    hair.cubicTo(39, 118, 43, 128, 49, 133);
    hair.lineTo(58, 128);
    hair.cubicTo(54, 110, 52, 80, 67, 60);
    hair.cubicTo(82, 80, 80, 110, 76, 128);
    hair.lineTo(85, 133);
    hair.cubicTo(91, 128, 95, 118, 95, 100);
    hair.cubicTo(95, 70, 90, 40, 67, 40);
    p.drawPath(hair);
    p.setBrush(QColor(215, 175, 120));
    p.drawRect(QRectF(58, 95, 18, 14));
    p.drawChord(QRectF(49, 90, 36, 30), 180 * 16, 180 * 16);
    // The face, her smile and the thin veil over her hair.
    QRadialGradient face(QPointF(67, 72), 30);
    face.setColorAt(0, QColor(235, 200, 140));
    face.setColorAt(1, QColor(190, 150, 95));
    p.setBrush(face);
    p.drawEllipse(QRectF(48, 45, 38, 55));
    p.setBrush(QColor(70, 50, 30));
    p.drawEllipse(QPointF(60, 68), 3, 2);
    p.drawEllipse(QPointF(76, 68), 3, 2);
    p.setPen(QPen(QColor(140, 80, 60), 1.2));
    p.drawArc(QRectF(60, 82, 16, 6), 200 * 16, 140 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 35, 25, 90));
    p.drawChord(QRectF(47, 42, 40, 26), 0, 180 * 16);
}

void sunflowers(Brush &b) {
    QPainter &p = b.p;
    p.fillRect(QRectF(0, 0, 154, 140), QColor(225, 200, 90));
    b.strokes(QRectF(0, 0, 154, 140), QColor(220, 190, 80), 150, 8, 20, 2, 1.2, 1.2);
    p.fillRect(QRectF(0, 140, 154, 64), QColor(225, 160, 60));
    b.strokes(QRectF(0, 140, 154, 64), QColor(215, 150, 55), 100, 10, 15, 2, 0, 0.3);
    p.setPen(QPen(QColor(60, 80, 160), 2));
    p.drawLine(QPointF(0, 140), QPointF(154, 140));
    // The vase with its blue band.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(215, 170, 80));
    p.drawRoundedRect(QRectF(55, 120, 48, 60), 12, 12);
    p.fillRect(QRectF(55, 140, 48, 5), QColor(60, 80, 160));
    // The flowers, some full, some wilting.
    const QPointF heads[] = {{45, 40},   {80, 25},  {112, 45}, {30, 80},  {70, 70},  {105, 85},
                             {130, 110}, {25, 120}, {50, 105}, {88, 105}, {132, 65}, {65, 12}};
    for (int i = 0; i < 12; ++i) {
        const QPointF head = heads[i];
        p.setPen(QPen(QColor(90, 130, 50), 2));
        p.drawLine(head, QPointF(79, 125));
        const double r = 9 + (i % 3) * 2;
        p.setPen(QPen(QColor(200, 130, 20), 1));
        p.setBrush(QColor(245, 190, 40));
        for (int k = 0; k < 12; ++k) {
            const double a = k * std::numbers::pi / 6 + i;
            const double len = i % 4 == 3 ? r * 0.9 : r * 1.5;
            p.drawEllipse(head + QPointF(std::cos(a), std::sin(a)) * len, r * 0.35, r * 0.35);
        }
        p.setPen(Qt::NoPen);
        p.setBrush(i % 4 == 3 ? QColor(110, 100, 40) : QColor(120, 70, 30));
        p.drawEllipse(head, r, r);
        p.setBrush(QColor(80, 45, 20));
        for (int k = 0; k < 6; ++k)
            p.drawEllipse(head + QPointF(b.uniform(-r / 2, r / 2), b.uniform(-r / 2, r / 2)), 1.2, 1.2);
    }
}

void haywain(Brush &b) {
    QPainter &p = b.p;
    b.gradient(QRectF(0, 0, 204, 100), QColor(80, 120, 180), QColor(200, 210, 215));
    b.cloud(QPointF(60, 25), 80, 22, QColor(245, 245, 240, 230));
    b.cloud(QPointF(150, 35), 70, 20, QColor(220, 220, 215, 220));
    b.cloud(QPointF(110, 60), 60, 15, QColor(190, 195, 200, 200));
    // The sunlit meadow far off, the dark trees on the right.
    p.fillRect(QRectF(0, 88, 204, 20), QColor(170, 170, 80));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(45, 70, 35));
    for (int i = 0; i < 14; ++i)
        p.drawEllipse(QPointF(b.uniform(120, 204), b.uniform(20, 95)), b.uniform(12, 22), b.uniform(10, 18));
    b.strokes(QRectF(120, 15, 84, 85), QColor(70, 95, 45), 120, 5, 20, 1.5, 0, 3);
    // Willy Lott's cottage on the left bank.
    p.setBrush(QColor(225, 215, 190));
    p.drawRect(QRectF(5, 60, 38, 35));
    p.setBrush(QColor(140, 70, 45));
    p.drawPolygon(poly({{0, 62}, {24, 42}, {48, 62}}));
    p.fillRect(QRectF(30, 38, 5, 10), QColor(120, 60, 40));
    p.setBrush(QColor(60, 85, 45));
    p.drawEllipse(QPointF(12, 50), 14, 20);
    // The river, shallow at the ford, and the near bank on the left.
    b.gradient(QRectF(0, 104, 204, 50), QColor(120, 130, 115), QColor(55, 65, 55));
    b.strokes(QRectF(0, 108, 204, 40), QColor(185, 190, 175), 70, 8, 15, 1, 0, 0.05);
    fillPolygon(p, poly({{0, 112}, {30, 116}, {48, 154}, {0, 154}}), QColor(95, 90, 50));
    b.strokes(QRectF(0, 116, 40, 38), QColor(120, 110, 55), 30, 6, 20, 1.2, -1.2, 0.4);

    // The hay wain: a long wooden body with slatted sides and a raised front
    // board, on two large spoked wheels, the water up to their hubs.
    const auto wheel = [&](const QPointF &hub, double radius) {
        p.setPen(QPen(QColor(120, 55, 30), 1.2));
        for (int k = 0; k < 12; ++k) {
            const double a = k * std::numbers::pi / 6;
            p.drawLine(hub, hub + QPointF(std::cos(a), std::sin(a)) * radius);
        }
        p.setPen(QPen(QColor(95, 45, 25), 2.6));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(hub, radius, radius);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(60, 35, 20));
        p.drawEllipse(hub, 2.5, 2.5);
    };
    // Their reflections, broken by the ripples.
    b.strokes(QRectF(40, 136, 130, 12), QColor(60, 50, 35), 40, 8, 10, 1.5, 0, 0.05);
    wheel({146, 117}, 17);
    QPainterPath body;
    body.moveTo(96, 92);
    body.lineTo(162, 98);
    body.lineTo(160, 114);
    body.lineTo(100, 114);
    body.closeSubpath();
    p.setPen(QPen(QColor(70, 40, 20), 1));
    p.setBrush(QColor(150, 100, 55));
    p.drawPath(body);
    p.setPen(QPen(QColor(95, 60, 30), 1));
    for (int i = 1; i < 4; ++i)
        p.drawLine(QPointF(97 + i * 0.8, 92 + i * 5.5), QPointF(161, 98 + i * 4.5));
    for (double x = 108; x < 160; x += 9)
        p.drawLine(QPointF(x, 93 + (x - 96) * 0.09), QPointF(x, 114));
    p.setPen(QPen(QColor(120, 75, 40), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(96, 92), QPointF(90, 80));
    p.drawLine(QPointF(162, 98), QPointF(168, 86));
    wheel({110, 120}, 14);
    // The carter on the front of the wain, his mate beside him.
    drawFigure(b, {.foot = {104, 94},
                   .height = 24,
                   .robe = QColor(180, 50, 35),
                   .armLeft = 200,
                   .armRight = 190,
                   .seated = true,
                   .facingLeft = true});
    drawFigure(
        b, {.foot = {124, 97}, .height = 20, .robe = QColor(90, 100, 130), .armLeft = 250, .armRight = 300});
    // Three horses in the water, drinking at the ford, harnessed in line.
    p.setPen(QPen(QColor(60, 40, 25), 1));
    p.drawLine(QPointF(98, 108), QPointF(70, 112));
    drawHorse(p, {84, 130}, 30, QColor(90, 60, 40), true);
    drawHorse(p, {62, 131}, 30, QColor(140, 95, 55), true);
    drawHorse(p, {40, 133}, 28, QColor(230, 225, 210), true);
    QLinearGradient water(0, 122, 0, 136);
    water.setColorAt(0, QColor(95, 105, 92, 0));
    water.setColorAt(0.5, QColor(95, 105, 92, 210));
    water.setColorAt(1, QColor(88, 98, 85, 230));
    p.fillRect(QRectF(26, 122, 152, 14), water);
    p.setPen(QPen(QColor(200, 205, 195), 0.8));
    for (int i = 0; i < 10; ++i) {
        const double x = 30 + i * 14 + b.uniform(-3, 3);
        p.drawLine(QPointF(x, 127 + (i % 3)), QPointF(x + 7, 127 + (i % 3)));
    }
    // The little dog on the bank, watching them cross.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(235, 230, 220));
    p.drawEllipse(QRectF(10, 126, 14, 7));
    p.drawEllipse(QPointF(25, 125), 3.5, 3);
    p.setPen(QPen(QColor(235, 230, 220), 1.4));
    p.drawLine(QPointF(13, 132), QPointF(13, 137));
    p.drawLine(QPointF(21, 132), QPointF(21, 137));
}

void homer(Brush &b) {
    QPainter &p = b.p;
    b.gradient(QRectF(0, 0, 320, 240), QColor(40, 70, 150), QColor(20, 35, 90));
    // A gold meander border.
    p.setPen(QPen(QColor(225, 185, 80), 3, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    for (int x = 10; x < 310; x += 20) {
        for (const double y : {10.0, 222.0}) {
            QPainterPath key;
            key.moveTo(x, y + 8);
            key.lineTo(x, y);
            key.lineTo(x + 14, y);
            key.lineTo(x + 14, y + 8);
            key.lineTo(x + 6, y + 8);
            key.lineTo(x + 6, y + 4);
            p.drawPath(key);
        }
    }
    // The marble bust: shoulders, head band, beard, the closed eyes of the blind poet.
    QLinearGradient marble(110, 0, 210, 0);
    marble.setColorAt(0, QColor(250, 248, 240));
    marble.setColorAt(1, QColor(175, 170, 160));
    p.setPen(Qt::NoPen);
    p.setBrush(marble);
    QPainterPath shoulders;
    shoulders.moveTo(90, 215);
    shoulders.cubicTo(95, 170, 130, 160, 160, 160);
    shoulders.cubicTo(190, 160, 225, 170, 230, 215);
    shoulders.closeSubpath();
    p.drawPath(shoulders);
    p.drawRect(QRectF(120, 212, 80, 10));
    p.drawEllipse(QRectF(125, 45, 70, 90));
    QPainterPath beard;
    beard.moveTo(127, 100);
    beard.cubicTo(125, 150, 145, 175, 160, 178);
    beard.cubicTo(175, 175, 195, 150, 193, 100);
    beard.closeSubpath();
    p.drawPath(beard);
    p.setPen(QPen(QColor(150, 145, 135), 1.2));
    for (int i = 0; i < 7; ++i)
        p.drawLine(QPointF(137 + i * 8, 115), QPointF(140 + i * 6.5, 165));
    p.drawArc(QRectF(140, 82, 14, 6), 180 * 16, 180 * 16);
    p.drawArc(QRectF(166, 82, 14, 6), 180 * 16, 180 * 16);
    p.drawLine(QPointF(160, 88), QPointF(157, 104));
    p.setPen(QPen(QColor(200, 195, 185), 5));
    p.drawArc(QRectF(127, 48, 66, 40), 10 * 16, 160 * 16);
    p.setPen(QPen(QColor(225, 185, 80), 1));
    QFont name(QStringLiteral("Liberation Serif"));
    name.setPixelSize(14);
    name.setLetterSpacing(QFont::AbsoluteSpacing, 3);
    p.setFont(name);
    p.drawText(QRectF(0, 190, 320, 20), Qt::AlignCenter, QStringLiteral("ΟΜΗΡΟΣ"));
}

void acropolisScene(Brush &b, double w, double h) {
    QPainter &p = b.p;
    p.save();
    p.scale(w / 800, h / 600);
    b.gradient(QRectF(0, 0, 800, 380), QColor(35, 35, 70), QColor(235, 150, 70));
    p.fillRect(QRectF(0, 380, 800, 220), QColor(235, 150, 70));
    QRadialGradient sun(QPointF(600, 330), 160);
    sun.setColorAt(0, QColor(255, 230, 150, 220));
    sun.setColorAt(1, QColor(255, 200, 120, 0));
    p.fillRect(QRectF(0, 0, 800, 600), sun);
    b.cloud(QPointF(560, 150), 180, 30, QColor(200, 120, 110, 140));
    b.cloud(QPointF(200, 220), 200, 25, QColor(190, 110, 100, 120));
    // The rock of the Acropolis.
    const QPolygonF rock =
        poly({{0, 430}, {90, 395}, {160, 375}, {620, 365}, {700, 390}, {800, 420}, {800, 600}, {0, 600}});
    fillPolygon(b.p, rock, QColor(120, 85, 55));
    p.save();
    QPainterPath rockPath;
    rockPath.addPolygon(rock);
    p.setClipPath(rockPath);
    b.strokes(QRectF(0, 370, 800, 160), QColor(105, 75, 50), 500, 18, 20, 3, 0.3, 0.5);
    p.restore();
    // The Parthenon: steps, columns, entablature and pediment.
    const QColor stone(230, 200, 150);
    p.setPen(Qt::NoPen);
    p.setBrush(stone.darker(115));
    p.drawRect(QRectF(300, 350, 400, 18));
    p.drawRect(QRectF(290, 362, 420, 10));
    for (int i = 0; i < 10; ++i)
        b.column(318 + i * 40.5, 240, 352, 20, stone);
    p.setBrush(stone);
    p.drawRect(QRectF(300, 220, 400, 24));
    p.setBrush(stone.darker(110));
    p.drawPolygon(poly({{295, 222}, {500, 165}, {705, 222}}));
    p.setBrush(stone.lighter(110));
    p.drawPolygon(poly({{330, 216}, {500, 175}, {670, 216}}));
    // Athena Promachos in bronze, spear and shield, on her pedestal.
    p.setBrush(QColor(150, 140, 120));
    p.drawRect(QRectF(180, 330, 40, 45));
    drawFigure(b, {.foot = {200, 332},
                   .height = 150,
                   .robe = QColor(110, 80, 40),
                   .skin = QColor(130, 95, 50),
                   .hair = QColor(90, 70, 35),
                   .armLeft = 250,
                   .armRight = 70});
    p.setPen(QPen(QColor(90, 70, 35), 4));
    p.drawLine(QPointF(240, 345), QPointF(232, 160));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 90, 45));
    p.drawEllipse(QPointF(170, 290), 22, 26);
    // An olive branch framing the corner.
    p.setPen(QPen(QColor(60, 50, 30), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(0, 540), QPointF(170, 470));
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 14; ++i) {
        const double t = (i + 0.5) / 14;
        p.save();
        p.translate(170 * t, 540 - 70 * t);
        p.rotate(i % 2 ? 35 : -70);
        p.setBrush(i % 3 ? QColor(110, 125, 80) : QColor(150, 160, 120));
        p.drawEllipse(QRectF(0, -4, 26, 8));
        p.restore();
    }
    p.setBrush(QColor(60, 55, 70));
    for (const QPointF olive : {QPointF(60, 525), QPointF(110, 500), QPointF(140, 492)})
        p.drawEllipse(olive, 5, 6);
    b.gradient(QRectF(0, 520, 800, 80), QColor(70, 55, 40, 0), QColor(50, 40, 30));
    p.restore();
}

void phidiasBackground(Brush &b) {
    acropolisScene(b, 800, 600);
}

void parthenonSmall(Brush &b) {
    QPainter &p = b.p;
    b.gradient(QRectF(0, 0, 57, 41), QColor(60, 110, 190), QColor(240, 190, 120));
    fillPolygon(p, poly({{0, 34}, {57, 32}, {57, 41}, {0, 41}}), QColor(120, 85, 55));
    const QColor stone(240, 215, 170);
    p.setPen(Qt::NoPen);
    p.setBrush(stone.darker(115));
    p.drawRect(QRectF(8, 30, 41, 3));
    for (int i = 0; i < 8; ++i)
        p.fillRect(QRectF(10 + i * 5.2, 18, 2.6, 12), stone);
    p.setBrush(stone);
    p.drawRect(QRectF(8, 15, 41, 3.5));
    p.drawPolygon(poly({{7, 15.5}, {28.5, 8}, {50, 15.5}}));
}

void statueOfZeus(Brush &b) {
    QPainter &p = b.p;
    // The dim temple interior with its two rows of columns.
    b.gradient(QRectF(0, 0, 180, 200), QColor(60, 45, 35), QColor(110, 85, 60));
    for (const double x : {12.0, 168.0})
        b.column(x, 10, 200, 14, QColor(200, 180, 150));
    p.fillRect(QRectF(0, 182, 180, 18), QColor(40, 40, 45));
    // The throne of ebony and gold.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(50, 35, 25));
    p.drawRect(QRectF(45, 40, 90, 135));
    p.setBrush(QColor(215, 175, 70));
    p.drawRect(QRectF(40, 35, 100, 10));
    p.drawRect(QRectF(38, 110, 12, 70));
    p.drawRect(QRectF(130, 110, 12, 70));
    p.fillRect(QRectF(30, 175, 120, 10), QColor(200, 190, 170));
    // Zeus seated: golden robe, ivory skin, a sceptre with its eagle, Victory in his hand.
    drawFigure(b, {.foot = {90, 130},
                   .height = 150,
                   .robe = QColor(220, 175, 60),
                   .skin = QColor(240, 228, 205),
                   .hair = QColor(225, 190, 90),
                   .armLeft = 150,
                   .armRight = 20,
                   .seated = true,
                   .beard = true});
    p.setPen(QPen(QColor(230, 190, 80), 3));
    p.drawLine(QPointF(58, 60), QPointF(54, 178));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 190, 80));
    p.drawEllipse(QPointF(58, 56), 6, 4);
    drawFigure(b, {.foot = {140, 118},
                   .height = 26,
                   .robe = QColor(235, 200, 90),
                   .skin = QColor(240, 228, 205),
                   .armLeft = 120,
                   .armRight = 60});
    p.setBrush(QColor(120, 170, 60));
    p.drawEllipse(QRectF(78, 10, 24, 8));
}

} // namespace

QImage pagePicture(const QString &name) {
    // Pages hold their pictures as plain bitmaps: 240 pixels across is sharp
    // enough on screen and on paper and keeps the metafiles small.
    const auto render = [](QSize size, std::function<void(Brush &)> draw) {
        const QImage image =
            renderPicture({QStringLiteral("pages/") + QString::number(size.width()), size, std::move(draw)});
        return image.width() > 240 ? image.scaledToWidth(240, Qt::SmoothTransformation) : image;
    };
    if (name == QLatin1String("zeus")) return render({180, 200}, statueOfZeus);
    if (name == QLatin1String("parthenon"))
        return render({240, 180}, [](Brush &b) { acropolisScene(b, 240, 180); });
    if (name == QLatin1String("homer")) return render({320, 240}, homer);
    if (name == QLatin1String("painting")) return render({480, 360}, phidiasFrieze);
    return {};
}

QList<ContentPicture> contentPictures() {
    return {
        {QStringLiteral("Images/homersm.jpg"), {320, 240}, homer},
        {QStringLiteral("Images/logo2.jpg"), {100, 139}, drawLogoUpright},
        {QStringLiteral("Images/phidias2.jpg"), {800, 600}, phidiasBackground},
        {QStringLiteral("Images/phidiassm.jpg"), {57, 41}, parthenonSmall},
        {QStringLiteral("Images/ulysses.jpg"), {480, 360}, ulysses},
        {QStringLiteral("Images/schoolmd.jpg"), {480, 360}, schoolOfAthens},
        {QStringLiteral("Images/bacchus.jpg"), {480, 360}, bacchusAndAriadne},
        {QStringLiteral("Images/venusbirth.jpg"), {480, 360}, birthOfVenus},
        {QStringLiteral("Images/socratesmd.jpg"), {480, 360}, deathOfSocrates},
        {QStringLiteral("Images/phidiasmd.jpg"), {480, 360}, phidiasFrieze},
        {QStringLiteral("Images/solonmd.jpg"), {480, 360}, solonAndCroesus},
        {QStringLiteral("Images/alcibiadesmd.jpg"), {480, 360}, alcibiades},
        {QStringLiteral("Images/trojan.jpg"), {480, 360}, trojanHorse},
        {QStringLiteral("Images/penelope.jpg"), {480, 360}, penelope},
        {QStringLiteral("Images/pearl.jpg"), {178, 204}, pearlEarring},
        {QStringLiteral("Images/monalisa.jpg"), {133, 204}, monaLisa},
        {QStringLiteral("Images/sunflowers.jpg"), {154, 204}, sunflowers},
        {QStringLiteral("Images/haywain.jpg"), {204, 154}, haywain},
        {QStringLiteral("logo/larkspur2.bmp"), {120, 89}, drawLogoWide},
    };
}

QImage renderPicture(const ContentPicture &picture) {
    QImage image(picture.size * 2, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(2, 2);
    // A seed from the file name that is the same on every machine.
    unsigned seed = 2166136261u;
    for (const QChar c : picture.path)
        seed = (seed ^ c.unicode()) * 16777619u;
    Brush brush(painter, seed);
    picture.draw(brush);
    painter.end();
    return image.scaled(picture.size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}
