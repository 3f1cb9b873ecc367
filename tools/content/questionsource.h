#pragma once
// The topic's question set as its editors write it, and the 72-line file the
// program reads.

#include <QByteArray>
#include <QString>
#include <array>
#include <variant>

struct SourceQuestion {
    QString text;
    std::array<QString, 4> answers;
    int correct = 0; // 1 to 4
};

struct SourceQuestionSet {
    QString title;
    std::array<SourceQuestion, 10> questions;
};

// Reads the editors' source: a "title" line, then ten blocks of a "?" line and
// four answer lines, the right one marked "*" and the others "-". Anything the
// question set file could not carry faithfully is refused with the line at fault.
std::variant<SourceQuestionSet, QString> parseQuestionSource(const QString &source);

// The question set file: 72 lines ended by CR LF, commas stored as "&".
QByteArray questionSetFile(const SourceQuestionSet &set);
