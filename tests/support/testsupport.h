#pragma once
// Doubles and fixtures for screen tests: recorded message boxes and sounds, a
// scripted random source, a fresh stage in a folder of its own.

#include "classroom/record.h"
#include "platform/filechooser.h"
#include "platform/messages.h"
#include "platform/random.h"
#include "platform/sound.h"
#include "shell/stage.h"

#include <QDir>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>
#include <deque>
#include <memory>

class RecordingMessages final : public Messages {
  public:
    void info(const QString &text) override { shown.append(text); }
    bool confirm(const QString &text) override {
        asked.append(text);
        if (answers.empty()) return false;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    QStringList shown;
    QStringList asked;
    // Answers to confirm(), OK as true; Cancel when none is left.
    std::deque<bool> answers;
};

class RecordingFileChooser final : public FileChooser {
  public:
    QString openFile(const QString &title, const QString &filters) override {
        return answer(title, QString(), filters);
    }
    QString saveFile(const QString &title, const QString &suggestedName, const QString &filters) override {
        return answer(title, suggestedName, filters);
    }
    QStringList titles;
    QStringList suggestedNames;
    QStringList filters;
    // The paths picked, in turn; cancelled when none is left.
    std::deque<QString> answers;

  private:
    QString answer(const QString &title, const QString &suggestedName, const QString &filter) {
        titles.append(title);
        suggestedNames.append(suggestedName);
        filters.append(filter);
        if (answers.empty()) return {};
        const QString path = answers.front();
        answers.pop_front();
        return path;
    }
};

class ScriptedRandom final : public RandomSource {
  public:
    double next() override {
        if (values.empty()) return 0.0;
        const double value = values.front();
        values.pop_front();
        return value;
    }
    void seedFromClock() override { ++seeds; }
    std::deque<double> values;
    int seeds = 0;
};

class RecordingSound final : public SoundPlayer {
  public:
    void play(Sound sound) override { played.append(sound); }
    QList<Sound> played;
};

// Everything a screen test needs: a working folder of its own (optionally
// filled with a copy of the generated content), the doubles in place, a
// stage of 1024 x 768 pixels, the web addresses asked for, and the scores
// kept in "results" below the working folder.
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
    QString previousFolder_;
    std::unique_ptr<Stage> stage_;
};

// The result records kept in the world's results folder, in the order of their
// file names: by time to the second.
QList<ResultRecord> keptRecords(const TestWorld &world);

// Lets queued deletions and zero timers run, as the event loop would between events.
void settle(int milliseconds = 0);
