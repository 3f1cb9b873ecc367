// Prints a certificate through a real CUPS queue into a PDF and reads the
// PDF's text back. The set-up starts the scheduler and adds the PDF queue
// where it can; where CUPS cannot be used the tests are skipped and say why.

#include "platform/printer.h"
#include "platform/services.h"
#include "quiz/certificate.h"
#include "quiz/worksheetprint.h"
#include "stage/fonts.h"
#include "stage/picturebox.h"
#include "support/freshprocess.h"
#include "support/recordingprinter.h"
#include "topic/pageviewer.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPrinterInfo>
#include <QProcess>
#include <QTest>
#include <pwd.h>
#include <tuple>
#include <unistd.h>

namespace {

const QString kQueue = QStringLiteral("PDF");

struct Run {
    bool started = false;
    int exitCode = -1;
    QString output;
};

// Runs a tool to its end, for at most the given time.
Run run(const QString &program, const QStringList &arguments, int milliseconds = 10000) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(program, arguments);
    Run result;
    result.started = process.waitForStarted(milliseconds);
    if (!result.started) return result;
    if (!process.waitForFinished(milliseconds)) {
        process.kill();
        process.waitForFinished(1000);
        return result;
    }
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.output = QString::fromLocal8Bit(process.readAll());
    return result;
}

bool schedulerRunning() {
    return run(u"lpstat"_qs, {u"-r"_qs}).output.contains(QLatin1String("is running"));
}

bool waitFor(const std::function<bool()> &condition, int milliseconds) {
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > milliseconds) return false;
        QTest::qWait(200);
    }
    return true;
}

// cups-pdf writes into the PDF folder of the home of the user who printed.
QString pdfFolder() {
    const passwd *user = getpwuid(getuid());
    return QString::fromLocal8Bit(user && user->pw_dir ? user->pw_dir : qgetenv("HOME").constData()) +
           QStringLiteral("/PDF");
}

// A document name of letters and digits only, which cups-pdf keeps in the
// file name, tells this job's file from any other.
QString jobToken() {
    static int jobs = 0;
    return QStringLiteral("hellasprint%1x%2x%3")
        .arg(QCoreApplication::applicationPid())
        .arg(QDateTime::currentMSecsSinceEpoch())
        .arg(++jobs);
}

// The text of the PDF named after the token, once cups-pdf has finished
// writing it (at most 20 s), with its runs of blanks made single; the PDF is
// then removed.
QString pdfText(const QString &token) {
    QString pdf;
    qint64 lastSize = -1;
    QString text;
    const bool arrived = waitFor(
        [&] {
            const QFileInfoList files =
                QDir(pdfFolder()).entryInfoList({QStringLiteral("*.pdf")}, QDir::Files);
            for (const QFileInfo &file : files) {
                if (file.fileName().contains(token, Qt::CaseInsensitive)) pdf = file.filePath();
            }
            if (pdf.isEmpty()) return false;
            const qint64 size = QFileInfo(pdf).size();
            const bool settled = size > 0 && size == lastSize;
            lastSize = size;
            if (!settled) return false;
            const Run read =
                run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
            text = read.output.simplified();
            return read.exitCode == 0 && !text.isEmpty();
        },
        20000);
    if (!pdf.isEmpty()) QFile::remove(pdf);
    if (!arrived)
        qWarning("no readable PDF named after %s arrived in %s within 20 s", qPrintable(token),
                 qPrintable(pdfFolder()));
    return text;
}

} // namespace

class CupsPrint : public QObject {
    Q_OBJECT
  private:
    QString skipReason_;

  private Q_SLOTS:
    void initTestCase() {
        // As the program does at start-up: the layouts' fonts mapped to installed ones.
        registerFonts();
        for (const char *tool : {"/usr/sbin/cupsd", "/usr/sbin/lpadmin", "/usr/bin/lpstat",
                                 "/usr/bin/pdftotext", "/usr/lib/cups/backend/cups-pdf"}) {
            if (!QFileInfo::exists(QString::fromLatin1(tool))) {
                skipReason_ =
                    QStringLiteral("CUPS, cups-pdf or poppler-utils is not installed (%1 is missing)")
                        .arg(QString::fromLatin1(tool));
                return;
            }
        }
        if (!QFileInfo(QFileInfo(pdfFolder()).path()).isWritable()) {
            skipReason_ = QStringLiteral("cups-pdf writes into the user's home, and %1 cannot be written")
                              .arg(QFileInfo(pdfFolder()).path());
            return;
        }
        if (!schedulerRunning()) {
            if (getuid() != 0) {
                skipReason_ = QStringLiteral("the CUPS scheduler is not running and only root can start it");
                return;
            }
            // cupsd detaches itself once it is ready to take jobs.
            run(QStringLiteral("/usr/sbin/cupsd"), {});
            if (!waitFor(schedulerRunning, 10000)) {
                skipReason_ = QStringLiteral("the CUPS scheduler could not be started");
                return;
            }
        }
        if (run(QStringLiteral("lpstat"), {QStringLiteral("-v"), kQueue}).exitCode != 0) {
            const Run added = run(QStringLiteral("/usr/sbin/lpadmin"),
                                  QString(u"-p "_qs + kQueue +
                                          u" -E -v cups-pdf:/ -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd"
                                          u" -o pdftops-renderer-default=pdftocairo"_qs)
                                      .split(u' '));
            if (added.exitCode != 0) {
                skipReason_ = QStringLiteral("the PDF queue could not be added: ") + added.output.trimmed();
                return;
            }
        }
        // The PDF queue becomes the system's default where there is none, so
        // the program finds it too; a default chosen by someone else is kept,
        // and this process alone takes the PDF queue instead.
        if (run(QStringLiteral("lpstat"), {QStringLiteral("-d")})
                .output.contains(QLatin1String("no system default")))
            run(QStringLiteral("/usr/sbin/lpadmin"), {QStringLiteral("-d"), kQueue});
        qputenv("PRINTER", kQueue.toLatin1());
        qunsetenv("LPDEST");
        if (QPrinterInfo::defaultPrinter().printerName() != kQueue)
            skipReason_ = QStringLiteral("CUPS does not offer the PDF queue as the default printer");
    }

    void init() {
        if (!skipReason_.isEmpty()) QSKIP(qPrintable(skipReason_));
    }

    void aCertificatePrintedOnTheDefaultPrinterReachesThePdfWithTheNameAndScore() {
        const QString token = jobToken();
        const CertificateText text{u"Lives of Hellas"_qs, u"Ariadne Test"_qs, 10, 10};
        MessageLog messages;
        QVERIFY(certificate::print([&token] { return openDefaultPrinter(token); }, messages, text));
        QCOMPARE(messages.shown, QStringList({kCertificatePrinting}));
        const QString words = pdfText(token);
        for (const char *expected : {"Ariadne Test", "You have scored 10 out of 10.", "Excellent Work"})
            QVERIFY2(words.contains(QLatin1String(expected)), qPrintable(words));
    }

    void aWorksheetPrintedOnTheDefaultPrinterHoldsItsQuestionsAndAnswers() {
        const QString token = jobToken();
        WorksheetText text;
        std::tie(text.heading, text.title) = std::tuple(u"Lives of Hellas"_qs, u"Phidias the sculptor"_qs);
        for (int q = 1; q <= 10; ++q) {
            text.question[q] = u"Who made statue %1?"_qs.arg(q);
            std::tie(text.answerA[q], text.answerB[q], text.answerC[q], text.answerD[q]) =
                std::tuple(u"Phidias"_qs, u"Myron"_qs, u"Polykleitos"_qs, u"Praxiteles"_qs);
        }
        MessageLog messages;
        QVERIFY(worksheetprint::print([&token] { return openDefaultPrinter(token); }, messages, text));
        const QString words = pdfText(token);
        for (const char *expected :
             {"Phidias the sculptor", "Question 10 Who made statue 10?", "D. Praxiteles"})
            QVERIFY2(words.contains(QLatin1String(expected)), qPrintable(words));
    }

    void aGuidePagePrintedOnTheDefaultPrinterKeepsItsText() {
        const QString content = QString::fromLocal8Bit(qgetenv("HELLAS_TEST_CONTENT"));
        if (content.isEmpty() || !QFileInfo::exists(content + QStringLiteral("/wmf2/guide1.wmf")))
            QSKIP("the generated content is not there");
        const QString token = jobToken();
        resetProcessState(content);
        PictureBox printed;
        printed.load(QStringLiteral("wmf2\\guide1.wmf"));
        MessageLog messages;
        services().messages = &messages;
        services().printer = [&token] { return openDefaultPrinter(token); };
        pageviewer::printPage(printed);
        resetProcessState();
        QVERIFY(messages.shown.isEmpty());
        const QString words = pdfText(token);
        QVERIFY2(words.contains(QStringLiteral("Teachers' Guide")), qPrintable(words));
    }

    void aQueueThatIsNotThereIsNoDefaultPrinterAndNothingIsPrintedElsewhere() {
        const QByteArray previous = qgetenv("PRINTER");
        qputenv("PRINTER", "HellasNoSuchQueue");
        const bool noDefault = QPrinterInfo::defaultPrinter().isNull();
        const bool opened = openDefaultPrinter() != nullptr;
        qputenv("PRINTER", previous);
        if (!noDefault) QSKIP("CUPS falls back to a system default queue here");
        QVERIFY(!opened);
    }
};

QTEST_MAIN(CupsPrint)
#include "cups_print_test.moc"
