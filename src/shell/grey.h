#pragma once
// The backdrop: a borderless full-stage screen behind all the others.

#include "stage/screen.h"

class Grey : public Screen {
    Q_OBJECT
  public:
    explicit Grey(QWidget *parent);

  protected:
    void load() override;
    void stageResized() override;
    void mouseMoveEvent(QMouseEvent *) override {}
};
