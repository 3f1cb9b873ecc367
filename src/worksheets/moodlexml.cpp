// The Moodle XML format: <quiz> holding <question type="..."> items. A
// question has its <name>, its <questiontext format="..."> with the text in
// <text>, and for a multiple choice question its <answer fraction="100">
// items (each a <text> and perhaps a <feedback>) and <single>. An item
// <question type="category"> holds the category path of the questions after
// it in <category><text>. HTML texts are usually CDATA sections.

#include "worksheets/exchangeformats.h"

#include <QXmlStreamReader>

namespace exchange {

namespace {

Kind kindOf(QStringView type) {
    if (type == u"multichoice") return Kind::MultipleChoice;
    if (type == u"truefalse") return Kind::TrueFalse;
    if (type == u"shortanswer") return Kind::ShortAnswer;
    if (type == u"matching" || type == u"match") return Kind::Matching;
    if (type == u"numerical") return Kind::Numerical;
    if (type == u"essay") return Kind::Essay;
    if (type == u"description") return Kind::Description;
    if (type == u"cloze" || type == u"multianswer") return Kind::Cloze;
    return Kind::Other;
}

bool isHtml(QStringView format) {
    // Moodle's auto-format, the default, takes HTML as HTML too.
    return format != u"plain_text" && format != u"markdown";
}

// What an element holds, as the HTML it stands for: its characters and
// CDATA sections, and any elements inside it (HTML not kept in CDATA) as tags.
QString readContent(QXmlStreamReader &xml) {
    QString content;
    int depth = 1;
    while (depth > 0 && !xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::Characters:
            content += xml.text();
            break;
        case QXmlStreamReader::EntityReference:
            content += u'&' + xml.name().toString() + u';';
            break;
        case QXmlStreamReader::StartElement:
            ++depth;
            content += u'<' + xml.name().toString() + u'>';
            break;
        case QXmlStreamReader::EndElement:
            if (--depth > 0) content += u"</"_qs + xml.name().toString() + u'>';
            break;
        default:
            break;
        }
    }
    return content;
}

// The <text> of the element just begun, as the boxes hold it.
QString readText(QXmlStreamReader &xml, QStringView format) {
    QString text;
    bool found = false;
    while (xml.readNextStartElement()) {
        if (xml.name() == u"text" && !found) {
            const QString content = readContent(xml);
            text = isHtml(format) ? htmlToText(content) : plainText(content);
            found = true;
        } else {
            xml.skipCurrentElement();
        }
    }
    return text;
}

RawQuestion readQuestion(QXmlStreamReader &xml, QStringView type) {
    RawQuestion question;
    question.kind = kindOf(type);
    question.typeName = type.toString();
    QString format = u"moodle_auto_format"_qs;
    while (xml.readNextStartElement()) {
        if (xml.name() == u"questiontext") {
            if (xml.attributes().hasAttribute(QStringLiteral("format")))
                format = xml.attributes().value(QStringLiteral("format")).toString();
            question.text = readText(xml, format);
        } else if (xml.name() == u"answer") {
            const QXmlStreamAttributes attributes = xml.attributes();
            const double fraction = attributes.value(QStringLiteral("fraction")).toDouble();
            const QString answerFormat = attributes.hasAttribute(QStringLiteral("format"))
                                             ? attributes.value(QStringLiteral("format")).toString()
                                             : format;
            question.answers.push_back(readText(xml, answerFormat));
            question.right.push_back(fraction > 99.99);
        } else {
            xml.skipCurrentElement();
        }
    }
    return question;
}

QString xmlEscaped(const QString &text) {
    return text.toHtmlEscaped();
}

// An HTML text as XML: in a CDATA section when it has markup or references,
// as Moodle writes them.
QString xmlText(const QString &html) {
    if (html.contains(u'&') || html.contains(u'<') || html.contains(u'>'))
        return u"<![CDATA["_qs + html + u"]]>";
    return html;
}

} // namespace

RawFile readMoodleXml(const QByteArray &bytes) {
    RawFile file;
    QXmlStreamReader xml(bytes);
    const auto failed = [&]() {
        file.questions.clear();
        file.problem = xml.error() == QXmlStreamReader::PrematureEndOfDocumentError
                           ? RawFile::Problem::CutShort
                           : RawFile::Problem::Damaged;
        file.problemLine = xml.lineNumber();
        return file;
    };
    // The root, before which only the declaration, comments and processing
    // instructions may stand: a document type could declare entities without end.
    while (!xml.atEnd() && xml.readNext() != QXmlStreamReader::StartElement) {
        if (xml.tokenType() == QXmlStreamReader::DTD) {
            file.problem = RawFile::Problem::NotQuiz;
            return file;
        }
    }
    if (xml.hasError()) return failed();
    if (xml.name() != u"quiz") {
        file.problem = RawFile::Problem::NotQuiz;
        return file;
    }
    QString category;
    while (xml.readNextStartElement()) {
        if (xml.name() != u"question") {
            xml.skipCurrentElement();
            continue;
        }
        const QString type = xml.attributes().value(QStringLiteral("type")).toString();
        if (type == u"category") {
            while (xml.readNextStartElement()) {
                if (xml.name() == u"category")
                    category = readText(xml, u"plain_text");
                else
                    xml.skipCurrentElement();
            }
            ++file.evidence;
            continue;
        }
        RawQuestion question = readQuestion(xml, type);
        question.category = category;
        ++file.evidence;
        file.questions.push_back(std::move(question));
    }
    // Whatever follows the quiz must still be well formed.
    while (!xml.atEnd())
        xml.readNext();
    if (xml.hasError()) return failed();
    return file;
}

QByteArray writeMoodleXml(const WorksheetDraft &draft) {
    QString out = u"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                  u"<quiz>\n"
                  u"  <question type=\"category\">\n"
                  u"    <category>\n"
                  u"      <text>"_qs +
                  xmlEscaped(categoryPath(draft.title)) +
                  u"</text>\n"
                  u"    </category>\n"
                  u"  </question>\n";
    for (int q = 0; q < kQuestionsPerSet; ++q) {
        out += u"  <question type=\"multichoice\">\n"
               u"    <name>\n"
               u"      <text>Q" +
               QString::number(q + 1) +
               u"</text>\n"
               u"    </name>\n"
               u"    <questiontext format=\"html\">\n"
               u"      <text>" +
               xmlText(textAsHtml(draft.questions[q])) +
               u"</text>\n"
               u"    </questiontext>\n"
               u"    <defaultgrade>1</defaultgrade>\n"
               u"    <single>true</single>\n"
               u"    <shuffleanswers>false</shuffleanswers>\n"
               u"    <answernumbering>ABC</answernumbering>\n";
        for (int a = 0; a < kAnswersPerQuestion; ++a) {
            const int i = kAnswersPerQuestion * q + a;
            out += u"    <answer fraction=\"" + QString::number(draft.ticks[i] ? 100 : 0) +
                   u"\" format=\"html\">\n"
                   u"      <text>" +
                   xmlText(textAsHtml(draft.answers[i])) +
                   u"</text>\n"
                   u"    </answer>\n";
        }
        out += u"  </question>\n";
    }
    out += u"</quiz>\n";
    return out.toUtf8();
}

} // namespace exchange
