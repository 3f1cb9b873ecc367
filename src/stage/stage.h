#pragma once
// The one top-level window: the backdrop and every screen are its children,
// held in one slot per screen and created on first touch.

#include "stage/accessibility.h"

#include <QPointer>
#include <QWidget>
#include <functional>
#include <map>

class MainMenu;
class Screen;

class Stage : public QWidget {
    Q_OBJECT
  public:
    Stage();
    ~Stage() override;

    static Stage &current();

    // Touching a screen loads it first: creation, then its load step.
    template <class T> T &screen() {
        QPointer<Screen> &slot = slots_[&T::staticMetaObject];
        if (!slot) {
            T *created = nullptr;
            {
                const AccessibilityQuiet quiet;
                created = new T(this);
            }
            slot = created;
            runLoad(created);
        }
        return static_cast<T &>(*slot);
    }
    template <class T> bool isLoaded() const {
        const auto found = slots_.find(&T::staticMetaObject);
        return found != slots_.end() && found->second;
    }

    // The screens above the stage's users, reached by what is wanted of them:
    // the shell provides the main menu once the stage exists.
    void provideMainMenu(std::function<MainMenu &()> touch) { mainMenu_ = std::move(touch); }
    MainMenu &mainMenu() const;

    void unload(Screen *screen);
    void bringToFront(Screen *screen);
    // The screen in front of the others, or none.
    Screen *frontScreen() const;
    QSizeF sizeInTwips() const;

    // Ends the run: every screen closes at once, without its own closing steps.
    void endProgram();
    bool hasEnded() const { return ended_; }

  Q_SIGNALS:
    void programEnded();

  protected:
    void resizeEvent(QResizeEvent *event) override;
    bool focusNextPrevChild(bool next) override;
    // A close request from the window system asks first; only the end of the
    // run closes the stage.
    void closeEvent(QCloseEvent *event) override;
    // Tab, Shift+Tab and the arrow keys turn on the keyboard cues of the
    // screen they are pressed on.
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    void runLoad(Screen *screen);
    void updateTitle();

    std::map<const QMetaObject *, QPointer<Screen>> slots_;
    std::function<MainMenu &()> mainMenu_;
    bool ended_ = false;
};

// The accessor through which every screen is touched.
template <class T> T &form() {
    return Stage::current().screen<T>();
}
template <class T> bool isLoaded() {
    return Stage::current().isLoaded<T>();
}
