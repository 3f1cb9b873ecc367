// The program on a 1920 x 1080 classroom display, scaled to fill it as it
// starts: the factor is chosen before the application object exists, so this
// test has a main of its own.

#include "app/primarydisplay.h"
#include "shell/intro0.h"
#include "stage/labelbutton.h"
#include "stage/picturebox.h"
#include "support/testsupport.h"
#include "topic/phidias.h"
#include "wmf/painter.h"
#include "wmf/reader.h"

#include <QApplication>
#include <QFontDatabase>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

namespace {

constexpr QSize kDisplay(1920, 1080);
constexpr double kFill = 1.8; // 1080 / 600
const QColor kBackdrop(48, 133, 214);

bool near(QColor a, QColor b, int tolerance = 6) {
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

// What the display shows, in its own pixels.
QImage displayPixels(Stage &stage) {
    stage.repaint();
    QCoreApplication::processEvents();
    return stage.grab().toImage();
}

// How sharp a picture is: the mean square step in grey between neighbouring
// pixels across and down. Enlarging a bitmap spreads each step over several
// pixels, which lowers it; drawing at the display's resolution keeps it.
double sharpness(const QImage &image) {
    const QImage grey = image.convertToFormat(QImage::Format_Grayscale8);
    double sum = 0;
    for (int y = 0; y + 1 < grey.height(); ++y) {
        const uchar *line = grey.constScanLine(y);
        const uchar *below = grey.constScanLine(y + 1);
        for (int x = 0; x + 1 < grey.width(); ++x) {
            const double across = line[x + 1] - line[x];
            const double down = below[x] - line[x];
            sum += across * across + down * down;
        }
    }
    return sum / (double(grey.width() - 1) * (grey.height() - 1));
}

} // namespace

class ScaledScreen : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void theWholeRunIsScaledToFillTheDisplayWithItsFontsAndStartedProgramsDoNotInheritTheScale() {
        const QScreen *screen = QGuiApplication::primaryScreen();
        QVERIFY(qAbs(screen->devicePixelRatio() - kFill) < 1e-4);
        QCOMPARE(screen->geometry().height(), 600);
        QVERIFY(qAbs(screen->geometry().width() * kFill - kDisplay.width()) < kFill);
        QVERIFY(!qEnvironmentVariableIsSet("QT_SCALE_FACTOR"));
        // Reading the display first leaves the fonts to the application as they were.
        QVERIFY(!qEnvironmentVariableIsSet("FONTCONFIG_FILE"));
        QVERIFY(!qEnvironmentVariableIsSet("FONTCONFIG_SYSROOT"));
        QVERIFY(QFontDatabase::families().contains(QStringLiteral("Liberation Serif")));
    }

    void theFittedMainMenuCoversTheDisplayHeightCentredAndAClickAtAButtonsScaledPlaceReachesIt() {
        TestWorld world;
        Stage &stage = world.stage();
        stage.setGeometry(QGuiApplication::primaryScreen()->geometry());
        QVERIFY(QTest::qWaitForWindowExposed(&stage));
        intro0 &menu = form<intro0>();
        menu.showScreen();

        const QImage shown = displayPixels(stage);
        QVERIFY(shown.width() >= kDisplay.width() && shown.height() == kDisplay.height());
        // Along the middle row: backdrop, then the menu's 1440 pixels, then backdrop.
        const int middle = kDisplay.height() / 2;
        int left = 0;
        while (left < kDisplay.width() && near(shown.pixelColor(left, middle), kBackdrop))
            ++left;
        int right = 0;
        while (right < kDisplay.width() &&
               near(shown.pixelColor(kDisplay.width() - 1 - right, middle), kBackdrop))
            ++right;
        QVERIFY2(qAbs(left - 240) <= 2 && qAbs(right - 240) <= 2,
                 qPrintable(QStringLiteral("margins %1 and %2").arg(left).arg(right)));
        QVERIFY(qAbs(kDisplay.width() - left - right - 1440) <= 1);
        // From the top row to the bottom one, along both edges of the menu.
        for (int row : {0, 1, kDisplay.height() - 2, kDisplay.height() - 1})
            for (int column : {left + 2, kDisplay.width() - right - 3})
                QVERIFY2(near(shown.pixelColor(column, row), Screen::StandardBack),
                         qPrintable(QStringLiteral("row %1 column %2").arg(row).arg(column)));

        // "Phidias" at its design place, in the display's pixels.
        const QRectF design(480, 2040 + 720 * 4, 2235, 375);
        const QPointF onDisplay = QPointF(left, 0) + design.center() / kTwipsPerPixel * kFill;
        QCOMPARE(shown.pixelColor(onDisplay.toPoint()), LabelButton::Black);
        QCOMPARE(shown.pixelColor((QPointF(left, 0) + design.topLeft() / kTwipsPerPixel * kFill).toPoint() -
                                  QPoint(3, 3)),
                 Screen::StandardBack);
        const QPoint logical = (onDisplay / stage.devicePixelRatioF()).toPoint();
        QCOMPARE(stage.childAt(logical), menu.Label2[4]);
        QTest::mouseClick(stage.windowHandle(), Qt::LeftButton, {}, logical);
        QVERIFY(isLoaded<phidias>());
    }

    void aMetafilePageIsDrawnAtTheDisplaysResolution() {
        TestWorld world;
        const QString page = QStringLiteral("wmf\\acknowledgments.wmf");
        const wmf::ReadResult read =
            wmf::readMetafileFile(world.folder() + QStringLiteral("/wmf/acknowledgments.wmf"));
        QVERIFY(read.list.widthTwips > 0);
        PictureBox box(&world.stage());
        box.load(page);
        box.resize(box.pictureSize());
        box.show();

        const QImage shown = box.grab().toImage();
        const QSize devicePixels = (QSizeF(box.pictureSize()) * kFill).toSize();
        const QImage vectors = wmf::renderDisplayList(read.list, devicePixels, Qt::transparent);
        const QImage enlarged = wmf::renderDisplayList(read.list).scaled(devicePixels, Qt::IgnoreAspectRatio,
                                                                         Qt::SmoothTransformation);
        const double drawn = sharpness(vectors);
        const double asShown = sharpness(shown) / drawn;
        const double asEnlarged = sharpness(enlarged) / drawn;
        QVERIFY2(asShown > 0.9 && asEnlarged < 0.6,
                 qPrintable(QStringLiteral("sharpness against the drawing at the display's resolution: "
                                           "shown %1, the enlarged picture %2")
                                .arg(asShown)
                                .arg(asEnlarged)));
    }

    void anImageEnlargedByTheScaleIsSmoothedNotBlocky() {
        TestWorld world;
        // Black and white squares of 4 x 4 pixels: enlarged by 1.8 without
        // smoothing, every pixel stays black or white.
        QImage squares(32, 32, QImage::Format_RGB32);
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                squares.setPixelColor(x, y, (x / 4 + y / 4) % 2 ? Qt::white : Qt::black);
        for (bool stretched : {false, true}) {
            PictureBox box(&world.stage());
            box.setStretch(stretched);
            box.setPicture(squares);
            box.resize(stretched ? QSize(40, 40) : QSize(32, 32));
            box.show();
            const QImage shown = box.grab().toImage();
            int blended = 0;
            for (int y = 0; y < shown.height(); ++y)
                for (int x = 0; x < shown.width(); ++x)
                    blended += shown.pixelColor(x, y).green() > 40 && shown.pixelColor(x, y).green() < 215;
            QVERIFY2(blended > shown.width(), qPrintable(QStringLiteral("%1 blended pixels").arg(blended)));
        }
    }
};

int main(int argc, char *argv[]) {
    // The offscreen platform's display comes from a file describing its screens.
    QTemporaryDir folder;
    const QString config = folder.filePath(QStringLiteral("display.json"));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly)) return 1;
    file.write(QStringLiteral(R"({"screens": [{"name": "classroom", "x": 0, "y": 0, "width": %1, "height": %2,
                                  "logicalDpi": 96, "dpr": 1}]})")
                   .arg(kDisplay.width())
                   .arg(kDisplay.height())
                   .toUtf8());
    file.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(config));
    qunsetenv("QT_SCALE_FACTOR");
    applyDisplayScale(QStringLiteral("fit"), argc, argv);
    QApplication app(argc, argv);
    ScaledScreen test;
    return QTest::qExec(&test, argc, argv);
}

#include "scaled_screen_test.moc"
