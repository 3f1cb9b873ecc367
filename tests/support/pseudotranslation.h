#pragma once
// A translation made at test time that marks every text it is asked for, so a
// test can tell the words that went through translation from those that did not.

#include <QSet>
#include <QString>
#include <QTranslator>

class PseudoTranslator final : public QTranslator {
  public:
    static inline const QString Open = QStringLiteral("\u27E6");
    static inline const QString Close = QStringLiteral("\u27E7");

    // Marked: every text between the marks, for telling what was translated.
    // Longer: every text a fifth longer, as a language that runs wider than
    // English, for fitting (the marks alone take more room than the
    // narrowest boxes have).
    enum class Style { Marked, Longer };
    explicit PseudoTranslator(Style style = Style::Marked) : style_(style) {}

    // The source text made over, its %1 and %n left for the caller.
    QString translate(const char *, const char *sourceText, const char * = nullptr, int = -1) const override {
        if (!sourceText) return {};
        const QString text = QString::fromUtf8(sourceText);
        if (style_ == Style::Longer) return text + QString(text.size() / 5, u'e');
        return Open + text + Close;
    }
    bool isEmpty() const override { return false; }

  private:
    Style style_;
};

// What of a text did not go through translation: the text without its marked
// parts (marks may nest, as a translated word in a translated sentence) and
// without the exempt pieces; empty or without a letter when all of it did.
QString unmarkedPart(const QString &text, const QSet<QString> &exempt);

// True where the text, after unmarkedPart, still has a letter in it.
bool escapesTranslation(const QString &text, const QSet<QString> &exempt);
