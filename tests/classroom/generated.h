#pragma once
// Records generated from a fixed seed, with the names and titles that break
// careless writers: separators, quotes, line breaks, Greek, formula starts.

#include "classroom/record.h"

#include <QTimeZone>
#include <random>

inline QString generatedText(std::mt19937 &random) {
    static const QStringList pieces = {QStringLiteral("Eleni"), QStringLiteral("Παπαδοπούλου"),
                                       QStringLiteral("Zoë"),   QStringLiteral(","),
                                       QStringLiteral("\""),    QStringLiteral("\r\n"),
                                       QStringLiteral("\n"),    QStringLiteral("\\"),
                                       QStringLiteral("="),     QStringLiteral("+"),
                                       QStringLiteral("-"),     QStringLiteral("@"),
                                       QStringLiteral("\t"),    QStringLiteral("\r"),
                                       QStringLiteral(" "),     QStringLiteral("'"),
                                       QStringLiteral("&"),     QStringLiteral("1+1"),
                                       QStringLiteral("🏛")};
    QString text;
    for (int n = int(random() % 6); n > 0; --n)
        text += pieces[qsizetype(random() % pieces.size())];
    return text;
}

inline ResultRecord generatedRecord(std::mt19937 &random) {
    ResultRecord record;
    const int offsetQuarters = int(random() % 105) - 48; // UTC-12:00 to UTC+14:00
    record.when = QDateTime::fromSecsSinceEpoch(1'700'000'000 + qint64(random() % 100'000'000),
                                                QTimeZone(offsetQuarters * 900));
    record.activity = Activity(random() % 4);
    record.worksheet = generatedText(random);
    record.pupil = generatedText(random);
    record.outOf = int(random() % 20);
    record.score = int(random() % (record.outOf + 1));
    if (random() % 2) {
        QuizAnswers answers;
        for (int q = 0; q < QuizQuestions; ++q) {
            answers.letters[q] = "ABCD"[random() % 5]; // the terminating 0 stands for no answer
            answers.right[q] = random() % 2;
        }
        record.answers = answers;
    }
    return record;
}
