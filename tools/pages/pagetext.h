#pragma once
// The text of a reading page as its editors write it (content/pages/*.txt).

#include <QList>
#include <QString>
#include <variant>

struct PageBlock {
    enum class Kind { Heading, Paragraph, Line, Item, Picture };
    Kind kind = Kind::Paragraph;
    QString text; // the words, or the picture's name
};

struct PageText {
    QString title;
    QList<PageBlock> blocks;
};

// "= Title", "== Heading", "* item", "| a line of its own", "[picture NAME]",
// paragraphs of lines ended by a blank line, "#" notes. A page has exactly
// one title, first.
std::variant<PageText, QString> parsePageText(const QString &source);
