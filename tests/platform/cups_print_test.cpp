// Prints a certificate through a real CUPS queue into a PDF and reads the
// PDF's text back. The set-up starts the scheduler and adds the PDF queue
// where it can; where CUPS cannot be used the tests are skipped and say why.

#include "platform/printer.h"
#include "print/recordingprinter.h"
#include "quiz/certificate.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPrinterInfo>
#include <QProcess>
#include <QTest>
#include <pwd.h>
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
    return run(QStringLiteral("lpstat"), {QStringLiteral("-r")}).output.contains(QLatin1String("is running"));
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

} // namespace

class CupsPrint : public QObject {
    Q_OBJECT
  private:
    QString skipReason_;

  private Q_SLOTS:
    void initTestCase() {
        for (const char *tool : {"/usr/sbin/cupsd", "/usr/sbin/lpadmin", "/usr/bin/lpstat",
                                 "/usr/bin/pdftotext", "/usr/lib/cups/backend/cups-pdf"}) {
            if (!QFileInfo::exists(QString::fromLatin1(tool))) {
                skipReason_ =
                    QStringLiteral("CUPS, cups-pdf or poppler-utils is not installed (%1 is missing)")
                        .arg(QString::fromLatin1(tool));
                return;
            }
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
                                  {QStringLiteral("-p"), kQueue, QStringLiteral("-E"), QStringLiteral("-v"),
                                   QStringLiteral("cups-pdf:/"), QStringLiteral("-m"),
                                   QStringLiteral("lsb/usr/cups-pdf/CUPS-PDF_opt.ppd"), QStringLiteral("-o"),
                                   QStringLiteral("pdftops-renderer-default=pdftocairo")});
            if (added.exitCode != 0) {
                skipReason_ = QStringLiteral("the PDF queue could not be added: ") + added.output.trimmed();
                return;
            }
        }
        // The PDF queue is this process's default printer; the system's own
        // default is left as it is.
        qputenv("PRINTER", kQueue.toLatin1());
        qunsetenv("LPDEST");
        if (QPrinterInfo::defaultPrinter().printerName() != kQueue)
            skipReason_ = QStringLiteral("CUPS does not offer the PDF queue as the default printer");
    }

    void aCertificatePrintedOnTheDefaultPrinterReachesThePdfWithTheNameAndScore() {
        if (!skipReason_.isEmpty()) QSKIP(qPrintable(skipReason_));
        // A document name of letters and digits only, which cups-pdf keeps in
        // the file name, tells this job's file from any other.
        const QString token = QStringLiteral("hellascertificate%1x%2")
                                  .arg(QCoreApplication::applicationPid())
                                  .arg(QDateTime::currentMSecsSinceEpoch());
        CertificateText text;
        text.quizHeading = QStringLiteral("Lives of Hellas");
        text.pupilName = QStringLiteral("Ariadne Test");
        text.score = 10;
        text.maxScore = 10;
        MessageLog messages;
        QVERIFY(certificate::print([&token] { return openDefaultPrinter(token); }, messages, text));
        QCOMPARE(messages.shown, QStringList({kCertificatePrinting}));

        QString pdf;
        const bool arrived = waitFor(
            [&] {
                const QFileInfoList files =
                    QDir(pdfFolder()).entryInfoList({QStringLiteral("*.pdf")}, QDir::Files);
                for (const QFileInfo &file : files) {
                    if (file.fileName().contains(token, Qt::CaseInsensitive)) pdf = file.filePath();
                }
                return !pdf.isEmpty() &&
                       run(QStringLiteral("pdftotext"), {pdf, QStringLiteral("/dev/null")}, 5000).exitCode ==
                           0;
            },
            20000);
        QVERIFY2(arrived,
                 qPrintable(QStringLiteral("no readable PDF named after %1 arrived in %2 within 20 s")
                                .arg(token, pdfFolder())));
        const Run read =
            run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        QFile::remove(pdf);
        QCOMPARE(read.exitCode, 0);
        const QString words = read.output.simplified();
        QVERIFY2(words.contains(QStringLiteral("Ariadne Test")), qPrintable(words));
        QVERIFY2(words.contains(QStringLiteral("You have scored 10 out of 10.")), qPrintable(words));
        QVERIFY2(words.contains(QStringLiteral("Excellent Work")), qPrintable(words));
    }

    void aQueueThatIsNotThereIsNoDefaultPrinterAndNothingIsPrintedElsewhere() {
        if (!skipReason_.isEmpty()) QSKIP(qPrintable(skipReason_));
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
