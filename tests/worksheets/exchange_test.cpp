#include "core/textfields.h"
#include "worksheets/draft.h"
#include "worksheets/exchange.h"
#include "worksheets/store.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>

namespace {

std::ostream &operator<<(std::ostream &out, const QString &text) {
    return out << '"' << text.toStdString() << '"';
}

// Worksheets as teachers type or paste them: commas, quotes and blanks at
// either end or alone, tabs and no-break spaces, accented and Greek letters,
// the euro, "Ã©" (which passes for UTF-8 in Windows-1252), GIFT's marks and
// escapes, format marks, weights, Aiken's labels and HTML; now and then one
// thing the wizard must refuse.
class DraftMaker {
  public:
    WorksheetDraft make() {
        const bool plain = chance(30); // letters only, so that whole files fit Windows-1252
        WorksheetDraft draft;
        draft.title = text(kTitlePieces, MaxTitleLength, plain ? 3 : 0, false).trimmed();
        for (int q = 0; q < kQuestionsPerSet; ++q) {
            draft.questions[q] = text(kPieces, kQuestionBoxLength, plain ? kPlain : 0, true);
            for (int a = 0; a < kAnswersPerQuestion; ++a)
                draft.answers[kAnswersPerQuestion * q + a] =
                    text(kPieces, kAnswerBoxLength, plain ? kPlain : 0, true);
            draft.ticks[kAnswersPerQuestion * q + below(kAnswersPerQuestion)] = true;
        }
        QString &box =
            chance(50) ? draft.answers[below(kWizardAnswers)] : draft.questions[below(kQuestionsPerSet)];
        const int fault = below(24);
        if (fault <= 1) box.insert(below(box.size() + 1), fault ? u'\n' : u'&');
        if (fault == 2) box.clear();
        if (fault == 3) draft.ticks[below(kWizardAnswers)] = true;
        if (fault == 4) draft.title.insert(below(draft.title.size() + 1), u'&');
        return draft;
    }

  private:
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
    bool chance(int percent) { return below(100) < percent; }

    // Mostly short texts, every so often one at the box's limit; `plainPieces`
    // keeps to the first pieces of the list when above 0.
    QString text(const QStringList &pieces, int limit, int plainPieces, bool tricky) {
        if (tricky && !plainPieces && below(40) == 0) return QString(1 + below(3), u' ');
        const int length = chance(10) ? limit : 1 + below(std::min(limit, 12));
        QString made = tricky && !plainPieces && below(6) == 0 ? kStarts[below(kStarts.size())] : QString();
        while (made.size() < length)
            made += pieces[below(plainPieces ? plainPieces : pieces.size())];
        made.truncate(length);
        for (QChar edge : {u'"', u' '}) {
            if (tricky && chance(15)) made[0] = edge;
            if (tricky && chance(15)) made[made.size() - 1] = edge;
        }
        return made;
    }

    std::mt19937 random_{20240611};
    static constexpr int kPlain = 6;
    const QStringList kPieces = {u"Which "_qs,   u"of "_qs,     u"these "_qs, u"a"_qs,   u" "_qs,  u"0"_qs,
                                 u"Περικλής"_qs, u"Athènes"_qs, u"Ω"_qs,      u"ά"_qs,   u"ü"_qs,  u"ß"_qs,
                                 u"Œ€"_qs,       u"Ã©"_qs,      u","_qs,      u"\""_qs,  u"'"_qs,  u"  "_qs,
                                 u"\t"_qs,       u"\u00A0"_qs,  u"~"_qs,      u"="_qs,   u"#"_qs,  u"{"_qs,
                                 u"}"_qs,        u":"_qs,       u"\\"_qs,     u"\\n"_qs, u"["_qs,  u"]"_qs,
                                 u"%"_qs,        u"<"_qs,       u">"_qs,      u"/"_qs,   u"->"_qs, u"_"_qs,
                                 u"?"_qs,        u"!"_qs,       u"\u0001"_qs};
    const QStringList kStarts = {
        u"[html]"_qs, u"[plain]"_qs,   u"[moodle]"_qs, u"%50%"_qs, u"%100%"_qs,        u"="_qs,
        u"~"_qs,      u"#"_qs,         u"::Q::"_qs,    u"//"_qs,   u"$CATEGORY: x"_qs, u"A) "_qs,
        u"B. "_qs,    u"ANSWER: C"_qs, u"####"_qs,     u"<p>"_qs,  u"<!--"_qs,         u"<?xml"_qs,
        u"]]>"_qs,    u"{T}"_qs};
    const QStringList kTitlePieces = {u"Heroes"_qs, u" of "_qs, u"top"_qs, u"Ἑλλάς"_qs, u"é"_qs, u","_qs,
                                      u"'"_qs,      u"~"_qs,    u"="_qs,   u"#"_qs,     u"{"_qs, u"}"_qs,
                                      u"["_qs,      u"%"_qs,    u"."_qs,   u"$"_qs,     u"  "_qs};
};

// What the wizard must refuse, judged on its own: a title that cannot name a
// file, an empty box, a box holding "&" or a line break, not one tick.
bool mustRefuse(const WorksheetDraft &draft) {
    if (draft.title.isEmpty() || !titleProblem(draft.title).isEmpty()) return true;
    const auto unfit = [](const QString &box) {
        return box.isEmpty() || box.contains(u'&') || box.contains(u'\n');
    };
    if (std::any_of(draft.questions.begin(), draft.questions.end(), unfit) ||
        std::any_of(draft.answers.begin(), draft.answers.end(), unfit))
        return true;
    for (int q = 0; q < kQuestionsPerSet; ++q) {
        if (std::count(draft.ticks.begin() + 4 * q, draft.ticks.begin() + 4 * q + 4, true) != 1) return true;
    }
    return false;
}

constexpr ExchangeFormat kFormats[] = {ExchangeFormat::Gift, ExchangeFormat::Aiken, ExchangeFormat::MoodleXml,
                                       ExchangeFormat::Worksheet};

WorksheetDraft sampleDraft() {
    WorksheetDraft draft;
    draft.title = u"Greek heroes"_qs;
    for (int q = 0; q < kQuestionsPerSet; ++q) {
        draft.questions[q] = u"Who slew the Minotaur, in story %1?"_qs.arg(q + 1);
        const QString answers[] = {u"Theseus"_qs, u"Heracles"_qs, u"Perseus"_qs, u"Jason"_qs};
        for (int a = 0; a < kAnswersPerQuestion; ++a)
            draft.answers[kAnswersPerQuestion * q + a] = answers[a];
        draft.ticks[kAnswersPerQuestion * q] = true;
    }
    draft.questions[0] = u" Which sign is \"~\", {and} what is 1:2 = #?"_qs;
    draft.answers[1] = u"Ἡρακλῆς <hero>"_qs;
    return draft;
}

} // namespace

// Each random worksheet is refused by the wizard's check or comes back box
// for box and tick for tick: through the catalogue's edit path (the file's
// bytes read from a device, the loader, the wizard's boxes filled) and
// through every exchange format.
TEST(WorksheetRoundTrip, EveryWorksheetTheCheckPassesReadsBackExactlyThroughTheEditorAndEveryFormat) {
    DraftMaker maker;
    int saved = 0, refused = 0, windows1252 = 0;
    for (int n = 0; n < 6000; ++n) {
        const WorksheetDraft draft = maker.make();
        const QString problem = checkDraft(draft);
        ASSERT_EQ(problem.isEmpty(), !mustRefuse(draft)) << n << ' ' << problem.toStdString();
        if (!problem.isEmpty()) {
            ++refused;
            continue;
        }
        ++saved;
        QByteArray bytes = worksheetBytes(draft);
        QBuffer file(&bytes);
        file.open(QIODevice::ReadOnly);
        FieldReader fields = FieldReader::fromDevice(file);
        auto state = std::make_unique<SharedState>();
        ASSERT_TRUE(LoadQuestionSet(fields, *state)) << n;
        const auto edited = draftFromQuestionSet(*state);
        ASSERT_TRUE(edited) << n;
        ASSERT_TRUE(*edited == draft) << n << '\n' << bytes.toStdString();
        // Older copies read Windows-1252: a file is UTF-8 only where a character needs it.
        const QString text = decodeText(bytes);
        if (bytes.size() == text.size())
            ++windows1252;
        else
            ASSERT_TRUE(!fitsWindows1252(text) || text.contains(u"\u00C3"_qs)) << n << " UTF-8 without need";
        for (const ExchangeFormat format : kFormats) {
            const QByteArray exported = exportWorksheet(draft, format);
            // Aiken has no title: the file's name stands for it.
            const QString name = format == ExchangeFormat::Aiken ? draft.title : u"other"_qs;
            const ImportResult back = importQuestions(exported, name);
            ASSERT_EQ(back.format, format) << n << '\n' << exported.toStdString();
            ASSERT_EQ(back.message(), QString()) << n << '\n' << exported.toStdString();
            ASSERT_TRUE(back.draft == draft) << n << ' ' << int(format) << '\n' << exported.toStdString();
        }
    }
    EXPECT_GT(saved, 3000);
    EXPECT_GT(refused, 500);
    EXPECT_GT(windows1252, 500);
    EXPECT_LT(windows1252, saved);
}

TEST(ExchangeExport, EachFormatIsWrittenAsItsDocumentationShows) {
    const WorksheetDraft draft = sampleDraft();
    EXPECT_TRUE(
        exportWorksheet(draft, ExchangeFormat::Gift)
            .startsWith(u"$CATEGORY: $course$/top/Greek heroes\n\n"
                        u"::Q1:: [html]&\\#32;Which sign is \"\\~\", \\{and\\} what is 1\\:2 \\= \\#? {\n"
                        u"=Theseus\n~Ἡρακλῆς &lt;hero&gt;\n~Perseus\n~Jason\n}\n\n"
                        u"::Q2:: Who slew the Minotaur, in story 2? {\n=Theseus\n~Heracles\n"_qs.toUtf8()));
    EXPECT_TRUE(exportWorksheet(draft, ExchangeFormat::Gift).endsWith("~Jason\n}\n"));
    EXPECT_TRUE(
        exportWorksheet(draft, ExchangeFormat::Aiken)
            .startsWith(
                u" Which sign is \"~\", {and} what is 1:2 = #?\nA) Theseus\nB) Ἡρακλῆς <hero>\n"
                u"C) Perseus\nD) Jason\nANSWER: A\n\nWho slew the Minotaur, in story 2?\n"_qs.toUtf8()));
    const QByteArray xml = exportWorksheet(draft, ExchangeFormat::MoodleXml);
    EXPECT_TRUE(xml.startsWith(
        u"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<quiz>\n  <question type=\"category\">\n"
        u"    <category>\n      <text>$course$/top/Greek heroes</text>\n    </category>\n"
        u"  </question>\n  <question type=\"multichoice\">\n    <name>\n      <text>Q1</text>\n"
        u"    </name>\n    <questiontext format=\"html\">\n"
        u"      <text><![CDATA[&#32;Which sign is \"~\", {and} what is 1:2 = #?]]></text>\n"
        u"    </questiontext>\n    <defaultgrade>1</defaultgrade>\n"
        u"    <single>true</single>\n    <shuffleanswers>false</shuffleanswers>\n"
        u"    <answernumbering>ABC</answernumbering>\n"
        u"    <answer fraction=\"100\" format=\"html\">\n      <text>Theseus</text>\n"
        u"    </answer>\n    <answer fraction=\"0\" format=\"html\">\n"
        u"      <text><![CDATA[Ἡρακλῆς &lt;hero&gt;]]></text>\n    </answer>\n"_qs.toUtf8()));
    EXPECT_TRUE(xml.endsWith("  </question>\n</quiz>\n"));
    EXPECT_EQ(exportWorksheet(draft, ExchangeFormat::Worksheet), worksheetBytes(draft));
    WorksheetDraft unfinished = draft;
    unfinished.ticks[5] = true;
    for (const ExchangeFormat format : kFormats)
        EXPECT_TRUE(exportWorksheet(unfinished, format).isEmpty());
}

TEST(ExchangeImport, GiftAsDocumented) {
    const QByteArray gift =
        QByteArray("\xEF\xBB\xBF") + u"// Heroes and gods of Greece: a comment line.\n"
                                     "$CATEGORY: $course$/top/Greek heroes\n\n"
                                     "::Hercules:: Which hero performed twelve labours? {\n"
                                     "  =Heracles # Right: the twelve labours.\n"
                                     "  ~Perseus # No, he slew Medusa.\n"
                                     "  ~Theseus\n  ~Jason\n"
                                     "  #### Heracles is the Greek name of Hercules.\n}\n\n"
                                     "// true/false\nAthens lies in Attica. {T}\n\n"
                                     "Who is buried in the Parthenon? {=no one =nobody}\n\n"
                                     "::Match:: Match the hero and the monster. {\n"
                                     "  =Perseus -> Medusa\n  =Theseus -> Minotaur\n"
                                     "  =Heracles -> Hydra\n}\n\n"
                                     "In which year was Marathon fought? {#-490:0}\n\n"
                                     "Write about Pericles. {}\n\n"
                                     "Pericles was an {~Spartan =Athenian ~Theban ~Persian} "
                                     "statesman.\n\n"
                                     "::Escapes:: Is 1\\:2 in \\{braces\\}? {=\\~ tilde "
                                     "~\\= equals ~\\# hash ~a \\\\ backslash}\n\n"
                                     "::Lines::\nWhich of these\n  was a philosopher?\n{\n"
                                     "~Leonidas\n=Socrates\n~Xerxes\n~Darius\n}\n\n"
                                     "::Weights:: Which city was Greek? {~%100%Corinth "
                                     "~%50%Sparta ~%-50%Babylon ~%-50%Memphis}\n\n"
                                     "::Html::[html]<p>Which <b>god</b>&nbsp;ruled the "
                                     "sea?</p>{=Poseidon ~Zeus ~Hades ~Ares}\n\n"
                                     "::Break:: First line\\nsecond line? {=a ~b ~c ~d}\n\n"
                                     "::Md::[markdown]Who wrote the *Iliad*? {=Homer ~Hesiod "
                                     "~Sappho ~Pindar}\n"_qs.toUtf8();
    const ImportResult result = importQuestions(gift, u"quiz"_qs);
    ASSERT_EQ(result.format, ExchangeFormat::Gift);
    EXPECT_EQ(result.problem, QString());
    EXPECT_EQ(result.draft.title, u"Greek heroes"_qs);
    EXPECT_EQ(result.taken, 8);
    const QString questions[] = {u"Which hero performed twelve labours?"_qs,
                                 u"Pericles was an _____ statesman."_qs,
                                 u"Is 1:2 in {braces}?"_qs,
                                 u"Which of these was a philosopher?"_qs,
                                 u"Which city was Greek?"_qs,
                                 u"Which god\u00A0ruled the sea?"_qs,
                                 u"First line second line?"_qs,
                                 u"Who wrote the *Iliad*?"_qs};
    const int right[] = {0, 1, 0, 1, 0, 0, 0, 0};
    for (int q = 0; q < 8; ++q) {
        EXPECT_EQ(result.draft.questions[q], questions[q]) << q;
        for (int a = 0; a < kAnswersPerQuestion; ++a)
            EXPECT_EQ(result.draft.ticks[4 * q + a], a == right[q]) << q;
    }
    EXPECT_EQ(result.draft.answers[0], u"Heracles"_qs);
    EXPECT_EQ(result.draft.answers[4 * 2 + 0], u"~ tilde"_qs);
    EXPECT_EQ(result.draft.answers[4 * 2 + 3], u"a \\ backslash"_qs);
    EXPECT_EQ(result.draft.answers[4 * 4 + 1], u"Sparta"_qs);
    EXPECT_EQ(
        result.message(),
        u"Only 8 questions could be taken from this file: they fill Questions 1 to 8, and the boxes after "
        "them are left empty.\n\nThese questions were passed over:\n"
        "Question 2, “Athens lies in…”: a true/false question\n"
        "Question 3, “Who is buried…”: a short-answer question\n"
        "Question 4, “Match the hero…”: a matching question\n"
        "Question 5, “In which year…”: a numerical question\n"
        "Question 6, “Write about Pericles.”: an essay question"_qs);
}

TEST(ExchangeImport, AikenAsDocumentedInUtf8OrWindows1252) {
    const QString aiken =
        u"Which Athenian built the Parthenon?\nA. Pericles\nB. Cleon\nC. Solon\nD. Draco\n"
        "ANSWER: A\n\nWhich sea lies east of Greece?\r\nA) Aegean\r\nB) Ionian\r\nC) Black\r\n"
        "D) Red\r\nANSWER: A\r\n\r\nQui était Périclès ?\nA) Un général\nB) Un potier\n"
        "C) Un roi\nD) Un dieu\nANSWER: A\n"_qs;
    for (const QByteArray &bytes : {aiken.toUtf8(), aiken.toLatin1()}) {
        const ImportResult result = importQuestions(bytes, u"athens"_qs);
        ASSERT_EQ(result.format, ExchangeFormat::Aiken);
        EXPECT_EQ(result.taken, 3);
        EXPECT_EQ(result.draft.title, u"athens"_qs);
        EXPECT_EQ(result.draft.answers[1], u"Cleon"_qs);
        EXPECT_EQ(result.draft.answers[4 + 3], u"Red"_qs);
        EXPECT_EQ(result.draft.questions[2], u"Qui était Périclès ?"_qs);
        EXPECT_TRUE(result.draft.ticks[0] && result.draft.ticks[4] && result.draft.ticks[8]);
    }
}

TEST(ExchangeImport, MoodleXmlAsDocumented) {
    const QByteArray xml =
        u"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<quiz>\n<!-- question: 0 -->\n"
        "<question type=\"category\"><category><text>$course$/top</text></category></question>\n"
        "<question type=\"category\"><category>\n<text>$course$/top/Default for Athens</text>"
        "</category><info format=\"html\"><text></text></info></question>\n"
        "<question type=\"multichoice\"><name><text>Parthenon</text></name>\n"
        "<questiontext format=\"html\"><text><![CDATA[<p dir=\"ltr\">To which goddess was the\n"
        "  <b>Parthenon</b> built?<br></p>]]></text></questiontext>\n"
        "<generalfeedback format=\"html\"><text></text></generalfeedback>\n"
        "<defaultgrade>1.0000000</defaultgrade><penalty>0.3333333</penalty><hidden>0</hidden>\n"
        "<single>true</single><shuffleanswers>true</shuffleanswers>\n"
        "<answernumbering>abc</answernumbering>\n"
        "<answer fraction=\"100\" format=\"html\"><text>Ath&#233;na</text><feedback "
        "format=\"html\"><text>Yes!</text></feedback></answer>\n"
        "<answer fraction=\"0\" format=\"html\"><text><![CDATA[H&eacute;ra]]></text></answer>\n"
        "<answer fraction=\"0\"><text>&lt;i&gt;Artemis&lt;/i&gt;</text></answer>\n"
        "<answer fraction=\"0\" format=\"html\"><text>Demeter</text></answer>\n</question>\n"
        "<question type=\"truefalse\"><name><text>TF</text></name><questiontext><text>Sparta "
        "had two kings.</text></questiontext></question>\n"
        "<question type=\"multichoice\"><questiontext format=\"plain_text\"><text>Is 2 &lt; 3 "
        "&amp;&amp; 3 &gt; 2?</text></questiontext></question>\n"
        "<question type=\"multichoice\"><questiontext format=\"plain_text\"><text> Is x &lt; "
        "y? </text></questiontext><answer fraction=\"50\"><text>a</text></answer>"
        "<answer fraction=\"50\"><text>b</text></answer><answer fraction=\"-50\"><text>c"
        "</text></answer><answer fraction=\"0\"><text>d</text></answer></question>\n"
        "</quiz>\n"_qs.toUtf8();
    const ImportResult result = importQuestions(xml, u"export"_qs);
    ASSERT_EQ(result.format, ExchangeFormat::MoodleXml);
    EXPECT_EQ(result.draft.title, u"Default for Athens"_qs);
    EXPECT_EQ(result.taken, 1);
    EXPECT_EQ(result.draft.questions[0], u"To which goddess was the Parthenon built?"_qs);
    EXPECT_EQ(result.draft.answers[0], u"Athéna"_qs);
    EXPECT_EQ(result.draft.answers[1], u"Héra"_qs);
    EXPECT_EQ(result.draft.answers[2], u"Artemis"_qs);
    EXPECT_TRUE(result.draft.ticks[0] && !result.draft.ticks[1]);
    ASSERT_EQ(result.passedOver.size(), 3u);
    EXPECT_EQ(result.passedOver[0].line(), u"Question 2, “Sparta had two…”: a true/false question"_qs);
    EXPECT_EQ(result.passedOver[1].line(), u"Question 3, “Is 2 <…”: no answers"_qs);
    EXPECT_EQ(result.passedOver[2].line(), u"Question 4, “Is x <…”: no answer marked right"_qs);
}

TEST(ExchangeImport, EachQuestionPassedOverIsToldWhy) {
    const QString good = u"Good? {=a ~b ~c ~d}\n\n"_qs;
    const QString longText(61, u'x');
    const struct {
        QString file;
        QString line;
    } cases[] = {
        {good + u"Which of these heroes? {=a ~b ~c}"_qs, u"Question 2, “Which of these…”: 3 answers"_qs},
        {good + u"Who? {=a}"_qs, u"Question 2, “Who?”: a short-answer question"_qs},
        {good + u"Who? {~a}"_qs, u"Question 2, “Who?”: only one answer"_qs},
        {good + longText + u" {=a ~b ~c ~d}"_qs,
         u"Question 2, “" + longText.left(30) + u"…”: longer than 60 characters"},
        {good + u"Who? {=a ~bbbbbbbbbbbbbbbbbbbbbbbbbbbbbbb ~c ~d}"_qs,
         u"Question 2, “Who?”: answer B is longer than 30 characters"_qs},
        {good + u"Who? {=a =b ~c ~d}"_qs, u"Question 2, “Who?”: two answers marked right"_qs},
        {good + u"Who? {=a =b =c ~d}"_qs, u"Question 2, “Who?”: three answers marked right"_qs},
        {good + u"Who? {~a ~b ~c ~d}"_qs, u"Question 2, “Who?”: no answer marked right"_qs},
        {good + u"Who? {=a ~ ~c ~d}"_qs, u"Question 2, “Who?”: answer B is empty"_qs},
        {good + u"::Name:: {=a ~b ~c ~d}"_qs, u"Question 2: no question text"_qs},
        {good + u"Who? {=a ~b ~c ~d"_qs, u"Question 2, “Who?”: its answers are not closed with “}”"_qs},
        {good + u"Who? {=a ~b ~c ~d}\nWhat? {=a ~b}"_qs,
         u"Question 2, “Who? _____ What?…”: two lists of answers (is the blank line before the next question "
         "missing?)"_qs},
        {good + u"Just some words."_qs, u"Question 2, “Just some words.”: a text without answers"_qs},
        {good + u"1+1=2 {TRUE#yes}"_qs, u"Question 2, “1+1=2”: a true/false question"_qs},
        {good + u"Who? {=Tom & Jerry ~b ~c ~d}"_qs,
         u"Question 2, “Who?”: an “&”, which a worksheet cannot keep"_qs},
        {u"Q1\nA) a\nB) b\nC) c\nD) d\nANSWER: A\n\nQ2\nA) a\nB) b\n\nQ3 here\nA) x\nANSWER: A"_qs,
         u"Question 2, “Q2”: no “ANSWER:” line after its answers"_qs},
        {u"Q1\nA) a\nB) b\nC) c\nD) d\nANSWER: A\n\nQ2\nA) a\nB) b\nC) c\nD) d\nANSWER: E"_qs,
         u"Question 2, “Q2”: its “ANSWER:” line names none of its answers"_qs},
        {u"<quiz><question type=\"ddwtos\"><questiontext><text>Drag</text></questiontext></question></quiz>"_qs,
         u"Question 1, “Drag”: a question of the kind “ddwtos”"_qs},
        {u"<quiz><question type=\"cloze\"><questiontext><text>{1:MC:=a~b}</text></questiontext></question>"
         "</quiz>"_qs,
         u"Question 1, “{1:MC:=a~b}”: a question with answers inside its text (cloze)"_qs},
    };
    for (const auto &c : cases) {
        const ImportResult result = importQuestions(c.file.toUtf8(), u"file"_qs);
        ASSERT_FALSE(result.passedOver.empty()) << c.file.toStdString();
        EXPECT_EQ(result.passedOver[0].line(), c.line) << c.file.toStdString();
    }
}

TEST(ExchangeImport, EachBadFileIsToldWhyAndFillsNothing) {
    const QByteArray xml = exportWorksheet(sampleDraft(), ExchangeFormat::MoodleXml);
    const struct {
        QByteArray file;
        QString problem;
    } cases[] = {
        {QByteArray(), u"This file is empty."_qs},
        {" \r\n\t\n", u"This file is empty."_qs},
        {QByteArray("GIF89a\x01\x00\x00\x00\xFF", 11), u"This file is not a text file, so it cannot hold "
                                                       "questions to import."_qs},
        {"Dear parents,\nthe trip to Delphi is on Friday.\n",
         u"This file is not a question file that the wizard can read: it must be a GIFT, Aiken or Moodle XML "
         "file, or a worksheet of this program."_qs},
        {xml.left(xml.size() / 2), u"This Moodle XML file ends too soon: it seems to have been cut short, so "
                                   u"nothing could be read from "
                                   "it."_qs},
        {"<quiz>\n<question type=\"multichoice\"></quiz>",
         u"This Moodle XML file is damaged near line 2, so nothing could be read from it."_qs},
        {"<html><body>Hello</body></html>",
         u"This XML file is not a Moodle XML quiz: it does not begin with <quiz>."_qs},
        {"<!DOCTYPE quiz [<!ENTITY a \"aaaa\">]><quiz>&a;</quiz>",
         u"This XML file is not a Moodle XML quiz: it does not begin with <quiz>."_qs},
        {"<quiz></quiz>", u"This file holds no questions."_qs},
        {"$CATEGORY: Heroes\n", u"This file holds no questions."_qs},
        {"1+1=2 {T}\n", u"This file has no question that the wizard can hold."_qs},
        {QByteArray(kImportByteLimit + 1, 'a'), u"This file is too large to be a question file: a question "
                                                "file the wizard can read is at most 8 MB."_qs},
    };
    for (const auto &c : cases) {
        const ImportResult result = importQuestions(c.file, u"file"_qs);
        EXPECT_EQ(result.problem, c.problem) << c.file.left(60).toStdString();
        EXPECT_EQ(result.taken, 0);
        EXPECT_TRUE(result.draft == WorksheetDraft{});
        EXPECT_TRUE(result.message().startsWith(c.problem));
    }
    // A file of 50 MB is refused before it is read; a missing one is named.
    QTemporaryDir dir;
    QFile big(dir.filePath(u"big.txt"_qs));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly) && big.resize(50 * 1024 * 1024));
    big.close();
    EXPECT_EQ(importFile(big.fileName()).problem, cases[std::size(cases) - 1].problem);
    EXPECT_TRUE(
        importFile(dir.filePath(u"missing.gift"_qs)).problem.startsWith(u"This file could not be read ("));
}

TEST(ExchangeImport, AFileOfManyQuestionsGivesTenAtATime) {
    QString gift = u"$CATEGORY: Olympians\n\n"_qs;
    for (int n = 1; n <= 27; ++n)
        gift += n % 4 == 0 ? u"Bad %1 {=a ~b}\n\n"_qs.arg(n) : u"Question %1 {=a ~b ~c ~d}\n\n"_qs.arg(n);
    QTemporaryDir dir;
    QFile file(dir.filePath(u"olympians.gift"_qs));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(gift.toUtf8()) > 0);
    file.close();
    const ImportResult first = importFile(file.fileName());
    EXPECT_EQ(first.draft.title, u"Olympians"_qs);
    EXPECT_EQ(first.draft.questions[9], u"Question 13"_qs);
    EXPECT_EQ(first.passedOver.size(), 3u);
    EXPECT_EQ(first.remaining, 11);
    EXPECT_EQ(first.nextSkip, 10);
    EXPECT_TRUE(
        first.message().endsWith(u"11 more questions can be taken from this file: import it again to take "
                                 "the next ten."_qs));
    const ImportResult second = importFile(file.fileName(), first.nextSkip);
    EXPECT_EQ(second.draft.questions[0], u"Question 14"_qs);
    EXPECT_EQ(second.passedOver[0].line(), u"Question 16, “Bad 16”: 2 answers"_qs);
    EXPECT_EQ(second.remaining, 1);
    EXPECT_TRUE(
        second.message().endsWith(u"One more question can be taken from this file: import it again to "
                                  "take it."_qs));
    const ImportResult last = importFile(file.fileName(), second.nextSkip);
    EXPECT_EQ(last.taken, 1);
    EXPECT_EQ(last.nextSkip, 0);
    EXPECT_TRUE(last.message().startsWith(u"Only one question could be taken from this file"_qs));
    EXPECT_EQ(importFile(file.fileName(), 21).problem,
              u"This file has no more questions that the wizard can hold."_qs);
}

TEST(ExchangeImport, ATitleTooLongForItsBoxIsCutOnlyWhenAsked) {
    const QString title = u"Heroes and gods of ancient Greece"_qs;
    EXPECT_EQ(
        importQuestions((u"$CATEGORY: " + title + u"\n\nQ {=a ~b ~c ~d}").toUtf8(), u"x"_qs).draft.title,
        title);
    EXPECT_EQ(cutTitle(title), u"Heroes and gods of ancien"_qs);
    EXPECT_EQ(cutTitle(u"Heroes and gods of ancie  nt"_qs), u"Heroes and gods of ancie"_qs);
    EXPECT_EQ(
        cutTitleQuestion(title),
        u"The file names its questions “Heroes and gods of ancient Greece”, which is longer than the 25 "
        "characters a worksheet title can have. Do you want the title cut to “Heroes and gods of "
        "ancien”?"_qs);
}

TEST(ExchangeFormats, NamesForTheCommandLine) {
    EXPECT_EQ(formatFromName(u"GIFT"_qs), ExchangeFormat::Gift);
    EXPECT_EQ(formatFromName(u"aiken"_qs), ExchangeFormat::Aiken);
    EXPECT_EQ(formatFromName(u"xml"_qs), ExchangeFormat::MoodleXml);
    EXPECT_EQ(formatFromName(u"pdf"_qs), std::nullopt);
    EXPECT_EQ(fileSuffix(ExchangeFormat::MoodleXml), u"xml"_qs);
    EXPECT_EQ(recogniseFormat(worksheetBytes(sampleDraft())), ExchangeFormat::Worksheet);
    EXPECT_EQ(recogniseFormat("Dear parents"), std::nullopt);
}
