#pragma once
// Test doubles of the outside services: recorded message boxes and sounds and
// a scripted random source. Rules tests use them without any screen.

#include "platform/filechooser.h"
#include "platform/messages.h"
#include "platform/random.h"
#include "platform/sound.h"

#include <QList>
#include <QStringList>
#include <deque>

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
