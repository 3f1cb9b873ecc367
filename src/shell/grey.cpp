#include "shell/grey.h"

Grey::Grey(QWidget *parent) : Screen(parent) { setMouseTracking(false); }

void Grey::load() {
    setBackColour(QColor(48, 133, 214));
    stageResized();
}

void Grey::stageResized() { setGeometry(parentWidget()->rect()); }
