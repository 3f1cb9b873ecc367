#pragma once
// Small drawing helpers shared by the procedural pictures: painterly strokes,
// skies, robed people, columns and clouds.

#include <QColor>
#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <random>

// Every picture draws with its own seeded generator, so the content is the
// same on every run and every machine.
class Brush {
  public:
    Brush(QPainter &painter, unsigned seed) : p(painter), rng_(seed) {}

    double uniform(double low, double high) {
        return std::uniform_real_distribution<double>(low, high)(rng_);
    }
    QColor vary(const QColor &colour, int amount);

    // Short strokes of colours close to the given one, scattered over an area.
    void strokes(const QRectF &area, const QColor &colour, int count, double length, int variation,
                 double width = 1.6, double angle = 0, double angleSpread = 0.5);
    // A top-to-bottom blend over a rectangle.
    void gradient(const QRectF &area, const QColor &top, const QColor &bottom);
    void cloud(const QPointF &centre, double width, double height, const QColor &colour);
    void column(double x, double top, double bottom, double width, const QColor &stone);

    QPainter &p;

  private:
    std::mt19937 rng_;
};

// A robed human figure: standing, or seated with the lap to one side.
struct Figure {
    QPointF foot;       // bottom centre of a standing figure, seat point of a seated one
    double height = 60; // full standing height
    QColor robe{200, 60, 50};
    QColor skin{222, 178, 140};
    QColor hair{70, 45, 30};
    QColor sash = Qt::transparent;
    double armLeft = 200; // arm angles in degrees, 0 pointing right, 90 up
    double armRight = 280;
    bool seated = false;
    bool facingLeft = false;
    bool beard = false;
};
void drawFigure(Brush &brush, const Figure &figure);
