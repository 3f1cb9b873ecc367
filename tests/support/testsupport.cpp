#include "support/testsupport.h"

#include "platform/services.h"
#include "shell/intro0.h"
#include "stage/fonts.h"
#include "support/freshprocess.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDirIterator>
#include <QFile>
#include <QTest>

namespace {

// A receiver for QDesktopServices::setUrlHandler, so no browser is started.
class UrlCatcher : public QObject {
    Q_OBJECT
  public:
    explicit UrlCatcher(QList<QUrl> *urls) : urls_(urls) {}
  public Q_SLOTS:
    void open(const QUrl &url) { urls_->append(url); }

  private:
    QList<QUrl> *urls_;
};

// The program only ever writes in "multiple", so a test gets its own copy of
// that folder and links to the read-only ones.
void layOutContent(const QString &from, const QString &to) {
    for (const QFileInfo &entry : QDir(from).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot)) {
        const QString target = to + QLatin1Char('/') + entry.fileName();
        if (entry.isDir() && entry.fileName() != QLatin1String("multiple")) {
            QFile::link(entry.absoluteFilePath(), target);
            continue;
        }
        QDirIterator it(entry.absoluteFilePath(), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString source = it.next();
            const QString copy = target + u'/' + QDir(entry.absoluteFilePath()).relativeFilePath(source);
            QDir().mkpath(QFileInfo(copy).path());
            QFile::copy(source, copy);
        }
        if (entry.isFile()) QFile::copy(entry.absoluteFilePath(), target);
    }
}

UrlCatcher *g_catcher = nullptr;

} // namespace

TestWorld::TestWorld(bool withContent) {
    [[maybe_unused]] static const bool fontsRegistered = (registerFonts(), true);
    resetProcessState(dir_.path());
    if (withContent) {
        const QByteArray content = qgetenv("HELLAS_TEST_CONTENT");
        if (!content.isEmpty()) layOutContent(QString::fromLocal8Bit(content), dir_.path());
    }
    services().messages = &messages;
    services().files = &files;
    services().classroom.resultsFolder = dir_.path() + QStringLiteral("/results");
    services().random = &random;
    services().sound = &sound;
    delete g_catcher;
    g_catcher = new UrlCatcher(&openedUrls);
    for (const char *scheme : {"http", "https"})
        QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), g_catcher, "open");
    stage_ = std::make_unique<Stage>();
    provideShellScreens(*stage_);
    stage_->resize(1024, 768);
    stage_->show();
}

TestWorld::~TestWorld() {
    stage_.reset();
    settle();
    for (const char *scheme : {"http", "https"}) QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    resetProcessState();
}

void TestWorld::writeFile(const QString &relativePath, const QByteArray &bytes) const {
    const QString path = dir_.path() + QLatin1Char('/') + relativePath;
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write(bytes);
}

QByteArray TestWorld::readFile(const QString &relativePath) const {
    QFile file(dir_.path() + QLatin1Char('/') + relativePath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QList<ResultRecord> keptRecords(const TestWorld &world) {
    QList<ResultRecord> records;
    const QDir folder(world.folder() + QStringLiteral("/results"));
    for (const QString &name : folder.entryList(QDir::Files, QDir::Name)) {
        if (const auto record = readRecord(world.readFile(QStringLiteral("results/") + name)))
            records.append(*record);
    }
    return records;
}

void settle(int milliseconds) {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QTest::qWait(milliseconds);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

#include "testsupport.moc"
