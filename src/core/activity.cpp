#include "core/activity.h"

bool ActivityBoard::press(int button) {
    switch (button) {
    case Exit:
        exit();
        return true;
    case StartAgain:
        startAgain();
        return true;
    case CheckScore:
        checkScore();
        return true;
    default:
        return false;
    }
}
