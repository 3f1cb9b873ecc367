#pragma once
// An image or picture box control: shows a picture at its own size from the
// top-left corner, or stretched to the control's box. A metafile is drawn as
// the drawing it is, at the display's resolution; an image is smoothed when
// the display's scale enlarges it.

#include "wmf/displaylist.h"

#include <QColor>
#include <QImage>
#include <QWidget>
#include <memory>

class PictureBox : public QWidget {
    Q_OBJECT
  public:
    explicit PictureBox(QWidget *parent = nullptr);

    // Loads a content picture; a missing file leaves the box empty. The path
    // is kept so callers and tests can tell which file is shown.
    void load(const QString &programPath);
    void setPicture(const QImage &picture, const QString &source = {});
    // The picture as an image at its own size; a metafile is drawn into one
    // the first time it is asked for.
    const QImage &picture() const;
    // The picture's own size in pixels; empty when the box shows nothing.
    QSize pictureSize() const;
    bool hasPicture() const { return metafile_ || !picture_.isNull(); }
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
    mutable QImage picture_;
    std::shared_ptr<const wmf::DisplayList> metafile_;
    QString source_;
    QColor back_;
    bool stretch_ = false;
};
