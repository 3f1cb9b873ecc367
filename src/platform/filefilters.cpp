#include "platform/filefilters.h"

#include <QRegularExpression>

QString filterSuffix(const QString &filter) {
    // Only the patterns in the brackets: the filter's name may hold a "*." of its own.
    static const QRegularExpression patterns(QStringLiteral(R"(\(([^()]*)\)\s*$)"));
    static const QRegularExpression ending(QStringLiteral(R"(^\*\.([^*?\[\].]+)$)"));
    const QRegularExpressionMatch inBrackets = patterns.match(filter);
    const QString list = inBrackets.hasMatch() ? inBrackets.captured(1) : filter;
    for (const QString &pattern : list.split(u' ', Qt::SkipEmptyParts)) {
        const QRegularExpressionMatch match = ending.match(pattern);
        if (match.hasMatch()) return match.captured(1);
    }
    return {};
}
