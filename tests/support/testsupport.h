#pragma once
// The fixture of screen tests: a fresh stage in a folder of its own, with the
// test doubles in place of the outside services.

#include "stage/stage.h"
#include "support/doubles.h"

#include <QDir>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>
#include <deque>
#include <memory>

// Everything a screen test needs: a fresh process state (see freshprocess.h)
// in a folder of its own (optionally filled with a copy of the generated
// content), the doubles in place, a stage of 1024 x 768 pixels, and the web
// addresses asked for.
class TestWorld {
  public:
    explicit TestWorld(bool withContent = true);
    ~TestWorld();

    QString folder() const { return dir_.path(); }
    // Writes a file below the working folder, making its folders.
    void writeFile(const QString &relativePath, const QByteArray &bytes) const;
    QByteArray readFile(const QString &relativePath) const;

    Stage &stage() { return *stage_; }
    RecordingMessages messages;
    ScriptedRandom random;
    RecordingSound sound;
    QList<QUrl> openedUrls;

  private:
    QTemporaryDir dir_;
    std::unique_ptr<Stage> stage_;
};

// Lets queued deletions and zero timers run, as the event loop would between events.
void settle(int milliseconds = 0);
