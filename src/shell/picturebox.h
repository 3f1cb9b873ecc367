#pragma once
// An image or picture box control: shows a picture at its own size from the
// top-left corner, or stretched to the control's box.

#include <QColor>
#include <QImage>
#include <QWidget>

class PictureBox : public QWidget {
    Q_OBJECT
  public:
    explicit PictureBox(QWidget *parent = nullptr);

    // Loads a content picture; a missing file leaves the box empty. The path
    // is kept so callers and tests can tell which file is shown.
    void load(const QString &programPath);
    void setPicture(const QImage &picture, const QString &source = {});
    const QImage &picture() const { return picture_; }
    QString source() const { return source_; }
    void clear();

    void setStretch(bool stretch);
    // A picture box fills its back with a colour; an image control shows
    // the window through.
    void setBackColour(const QColor &colour);
    QColor backColour() const { return back_; }

  Q_SIGNALS:
    void clicked();

  protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

  private:
    QImage picture_;
    QString source_;
    QColor back_;
    bool stretch_ = false;
};
