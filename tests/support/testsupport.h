#pragma once
// The fixture of screen tests: a fresh stage in a folder of its own, with the
// test doubles in place of the outside services.

#include "classroom/record.h"
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
// content), the doubles in place, a stage of 1024 x 768 pixels, the web
// addresses asked for, and the scores kept in "results" below its folder.
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
    RecordingFileChooser files;
    ScriptedRandom random;
    RecordingSound sound;
    QList<QUrl> openedUrls;

  private:
    QTemporaryDir dir_;
    std::unique_ptr<Stage> stage_;
};

// The result records kept in the world's results folder, in the order of their
// file names: by time to the second.
QList<ResultRecord> keptRecords(const TestWorld &world);

// Lets queued deletions and zero timers run, as the event loop would between events.
void settle(int milliseconds = 0);
