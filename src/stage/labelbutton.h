#pragma once
// A label used as a button: bold yellow caption on black or navy, single border,
// opaque or transparent back, clickable by mouse and, once the screen shows
// keyboard cues, by Enter or Space. A click does not take the focus, so a
// name being typed keeps it.

#include <QColor>
#include <QWidget>

class LabelButton : public QWidget {
    Q_OBJECT
  public:
    static inline const QColor Yellow{255, 255, 0};
    static inline const QColor Black{0, 0, 0};
    static inline const QColor Navy{0, 0, 128};

    explicit LabelButton(const QString &caption, QWidget *parent = nullptr);

    QString caption() const { return caption_; }
    void setCaption(const QString &caption);
    QColor backColour() const { return back_; }
    void setBackColour(const QColor &colour);
    QColor textColour() const { return text_; }
    void setTextColour(const QColor &colour);
    bool isOpaque() const { return opaque_; }
    void setOpaque(bool opaque);
    void setWordWrap(bool wrap);
    // Where and how the caption is drawn inside the border.
    QRect captionRect() const { return rect().adjusted(2, 1, -2, -1); }
    int captionFlags() const { return Qt::AlignCenter | (wordWrap_ ? Qt::TextWordWrap : 0); }
    // Presses the button as a click does (assistive technology's press action).
    void press();

  Q_SIGNALS:
    void clicked();
    // The mouse moved over the button (an enabled button only).
    void hovered();

  protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;

  private:
    QString caption_;
    QColor back_ = Black;
    QColor text_ = Yellow;
    bool opaque_ = true;
    bool wordWrap_ = false;
    bool pressed_ = false;
};
