#include "support/pseudotranslation.h"

#include <algorithm>

QString unmarkedPart(const QString &text, const QSet<QString> &exempt) {
    QString rest;
    int depth = 0;
    for (const QChar c : text) {
        if (c == PseudoTranslator::Open[0]) {
            ++depth;
        } else if (c == PseudoTranslator::Close[0]) {
            depth = std::max(0, depth - 1);
            rest += u' ';
        } else if (depth == 0) {
            rest += c;
        }
    }
    // Longest first, so a piece inside another one does not break it up.
    QList<QString> pieces(exempt.begin(), exempt.end());
    std::sort(pieces.begin(), pieces.end(),
              [](const QString &a, const QString &b) { return a.size() > b.size(); });
    for (const QString &piece : std::as_const(pieces))
        if (!piece.isEmpty()) rest.replace(piece, QStringLiteral(" "));
    return rest;
}

bool escapesTranslation(const QString &text, const QSet<QString> &exempt) {
    const QString rest = unmarkedPart(text, exempt);
    return std::any_of(rest.begin(), rest.end(), [](QChar c) { return c.isLetter(); });
}
