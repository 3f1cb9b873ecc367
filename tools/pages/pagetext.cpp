#include "pagetext.h"

#include <QStringList>

std::variant<PageText, QString> parsePageText(const QString &source) {
    PageText page;
    bool haveTitle = false;
    // The block that following lines join, if any.
    qsizetype open = -1;

    const QStringList lines = source.split(u'\n');
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        const auto problem = [&](const QString &what) {
            return QStringLiteral("line %1: %2").arg(i + 1).arg(what);
        };
        if (line.startsWith(u'#')) continue;
        if (line.isEmpty()) {
            open = -1;
            continue;
        }
        if (line.startsWith(QLatin1String("== "))) {
            page.blocks.append({PageBlock::Kind::Heading, line.mid(3).trimmed()});
            open = -1;
        } else if (line.startsWith(QLatin1String("= "))) {
            if (haveTitle) return problem(QStringLiteral("a second title"));
            if (!page.blocks.isEmpty()) return problem(QStringLiteral("the title comes first"));
            page.title = line.mid(2).trimmed();
            haveTitle = true;
            open = -1;
        } else if (line.startsWith(QLatin1String("[picture ")) && line.endsWith(u']')) {
            page.blocks.append({PageBlock::Kind::Picture, line.mid(9).chopped(1).trimmed()});
            open = -1;
        } else if (line == QLatin1String("|") || line.startsWith(QLatin1String("| "))) {
            page.blocks.append({PageBlock::Kind::Line, line.mid(1).trimmed()});
            open = -1;
        } else if (line.startsWith(QLatin1String("* "))) {
            page.blocks.append({PageBlock::Kind::Item, line.mid(2).trimmed()});
            open = page.blocks.size() - 1;
        } else if (open >= 0) {
            page.blocks[open].text += u' ' + line;
        } else {
            page.blocks.append({PageBlock::Kind::Paragraph, line});
            open = page.blocks.size() - 1;
        }
        if (!haveTitle) return problem(QStringLiteral("the title comes first"));
    }
    if (!haveTitle) return QStringLiteral("no title");
    return page;
}
