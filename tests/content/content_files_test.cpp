#include "contenttools.h"
#include "squares.h"

#include "core/module1.h"
#include "core/textfields.h"
#include "quiz/questionset.h"

#include <QImage>
#include <QImageReader>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <random>

namespace {

// Every picture the screens load, with the twip size of the control that shows it.
struct ExpectedPicture {
    const char *path;
    int widthTwips;
    int heightTwips;
    const char *format;
};

constexpr ExpectedPicture kPictures[] = {
    {"Images/homersm.jpg", 4800, 3600, "jpeg"},    {"Images/logo2.jpg", 1500, 2085, "jpeg"},
    {"Images/phidias2.jpg", 12000, 9000, "jpeg"},  {"Images/phidiassm.jpg", 855, 615, "jpeg"},
    {"Images/ulysses.jpg", 7200, 5400, "jpeg"},    {"Images/schoolmd.jpg", 7200, 5400, "jpeg"},
    {"Images/bacchus.jpg", 7200, 5400, "jpeg"},    {"Images/venusbirth.jpg", 7200, 5400, "jpeg"},
    {"Images/socratesmd.jpg", 7200, 5400, "jpeg"}, {"Images/phidiasmd.jpg", 7200, 5400, "jpeg"},
    {"Images/solonmd.jpg", 7200, 5400, "jpeg"},    {"Images/alcibiadesmd.jpg", 7200, 5400, "jpeg"},
    {"Images/trojan.jpg", 7200, 5400, "jpeg"},     {"Images/penelope.jpg", 7200, 5400, "jpeg"},
    {"Images/pearl.jpg", 2670, 3060, "jpeg"},      {"Images/monalisa.jpg", 1995, 3060, "jpeg"},
    {"Images/sunflowers.jpg", 2310, 3060, "jpeg"}, {"Images/haywain.jpg", 3060, 2310, "jpeg"},
    {"logo/larkspur2.bmp", 1800, 1335, "bmp"},
};

// The tool runs once for the file checks; the tests that change files make their own folders.
class ContentFiles : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        folder_ = std::make_unique<QTemporaryDir>();
        const ToolRun run = runTool(QStringLiteral(HELLAS_CONTENT_TOOL), folder_->path());
        ASSERT_EQ(run.exitCode, 0) << run.errors.constData();
    }
    static void TearDownTestSuite() { folder_.reset(); }
    static QString path(const QString &relative) { return folder_->filePath(relative); }
    // The question set in the file, read as the quiz reads it.
    static SharedState questionSet(const char *relative) {
        SharedState state;
        QFile file(path(QString::fromLatin1(relative)));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << relative;
        FieldReader reader = FieldReader::fromDevice(file);
        EXPECT_TRUE(LoadQuestionSet(reader, state)) << relative;
        return state;
    }

    static inline std::unique_ptr<QTemporaryDir> folder_;
};

TEST_F(ContentFiles, EveryPictureIsWrittenAtTheSizeOfTheControlThatShowsIt) {
    for (const ExpectedPicture &expected : kPictures) {
        QImageReader reader(path(QString::fromLatin1(expected.path)));
        EXPECT_EQ(reader.format(), QByteArray(expected.format)) << expected.path;
        const QImage image = reader.read();
        ASSERT_FALSE(image.isNull()) << expected.path << ": " << qPrintable(reader.errorString());
        EXPECT_EQ(image.size(), QSize(expected.widthTwips / 15, expected.heightTwips / 15)) << expected.path;
    }
}

TEST_F(ContentFiles, TheLarkFliesInTwentyGifFramesThatAllDiffer) {
    QList<QImage> frames;
    for (int n = 0; n < 20; ++n) {
        const QString name = QStringLiteral("logo/lark%1.gif").arg(n, 4, 10, QLatin1Char('0'));
        QImageReader reader(path(name));
        EXPECT_EQ(reader.format(), QByteArray("gif")) << qPrintable(name);
        const QImage frame = reader.read();
        ASSERT_FALSE(frame.isNull()) << qPrintable(name);
        EXPECT_EQ(frame.size(), QSize(120, 120)) << qPrintable(name);
        frames << frame.convertToFormat(QImage::Format_RGB32);
    }
    for (int n = 0; n < 20; ++n)
        EXPECT_NE(frames[n], frames[(n + 1) % 20]) << "frame " << n << " repeats the next one";
    // The picture box around the frames is RGB(49,135,214): the sky of the frames matches it.
    EXPECT_EQ(frames[0].pixel(2, 2), qRgb(49, 135, 214));
}

// The Greek set is read by the same loader and marks the same letters right;
// it is content alone, with no catalogue of its own.
TEST_F(ContentFiles, BothQuestionSetsAreTenQuestionsInCrLfLinesWithTheSameRightAnswersOneToFour) {
    for (const char *relative : {"multiple/phidias.txt", "el/multiple/phidias.txt"}) {
        const QByteArray bytes = fileBytes(path(QString::fromLatin1(relative)));
        EXPECT_EQ(bytes.count("\r\n"), 72) << relative;
        EXPECT_EQ(bytes.count('\n'), 72) << relative << ": every line ends in CR LF";
    }
    const SharedState english = questionSet("multiple/phidias.txt");
    const SharedState greek = questionSet("el/multiple/phidias.txt");
    EXPECT_EQ(english.SetTitle, QStringLiteral("Phidias"));
    EXPECT_EQ(greek.SetTitle, QStringLiteral("Φειδίας"));
    QSet<QString> used;
    bool sawComma = false;
    for (int q = 1; q <= 10; ++q) {
        SCOPED_TRACE(q);
        EXPECT_FALSE(english.Question[q].isEmpty());
        for (const auto *answers : {&english.AnswerA, &english.AnswerB, &english.AnswerC, &english.AnswerD}) {
            EXPECT_FALSE((*answers)[q].isEmpty());
            sawComma = sawComma || (*answers)[q].contains(u',');
        }
        EXPECT_TRUE(QStringList({"1", "2", "3", "4"}).contains(english.CorrectAnswer[q]));
        used << english.CorrectAnswer[q];
        EXPECT_EQ(greek.CorrectAnswer[q], english.CorrectAnswer[q]);
        for (const QString &text : {greek.Question[q], greek.AnswerA[q], greek.AnswerB[q], greek.AnswerC[q],
                                    greek.AnswerD[q]})
            EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("\\p{Greek}")))) << qPrintable(text);
    }
    // A pupil who always picks the same letter must not pass.
    EXPECT_EQ(used.size(), 4);
    EXPECT_TRUE(sawComma) << "commas survive the \"&\" escape of the file";
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("el/multiple/track.txt"))));
}

TEST_F(ContentFiles, EveryPairOfJigsawSquaresOfEveryPaintingLooksApartAboveTheFloor) {
    for (const ExpectedPicture &jigsaw : kPictures) {
        if (jigsaw.widthTwips != 7200) continue; // the ten paintings of the jigsaw
        const char *name = jigsaw.path;
        const QImage painting(path(QString::fromLatin1(name)));
        ASSERT_EQ(painting.size(), QSize(480, 360)) << name;
        for (int a = 0; a < 12; ++a)
            for (int b = a + 1; b < 12; ++b)
                EXPECT_GT(squareDistance(jigsawSquare(painting, a), jigsawSquare(painting, b)),
                          kSquareDistanceFloor)
                    << name << ": squares " << a << " and " << b;
    }
}

// The measure is blind to grain and JPEG noise but sees light against dark.
TEST(SquareDistance, IsZeroForTheSameSquareSmallForGrainAndFullForBlackAgainstWhite) {
    const auto filled = [](QColor colour) {
        QImage image(120, 120, QImage::Format_RGB32);
        image.fill(colour);
        return image;
    };
    const QImage grey = filled(QColor(128, 128, 128)), black = filled(Qt::black), white = filled(Qt::white);
    QImage grain = grey, halfLit = black;
    std::mt19937 random(7);
    for (int y = 0; y < 120; ++y)
        for (int x = 0; x < 120; ++x) {
            const int v = 128 + static_cast<int>(random() % 41) - 20;
            grain.setPixel(x, y, qRgb(v, v, v));
            if (x >= 60) halfLit.setPixel(x, y, qRgb(255, 255, 255));
        }
    EXPECT_EQ(squareDistance(grey, grey), 0);
    EXPECT_LT(squareDistance(grey, grain), 3);
    EXPECT_DOUBLE_EQ(squareDistance(black, white), 255);
    EXPECT_DOUBLE_EQ(squareDistance(black, halfLit), 127.5);
    EXPECT_DOUBLE_EQ(squareDistance(halfLit, black), 127.5);
}

// The signature would name the painter the pupil is asked to find.
TEST_F(ContentFiles, TheSunflowersVaseCarriesNoSignature) {
    const QImage sunflowers =
        QImage(path(QStringLiteral("Images/sunflowers.jpg"))).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(sunflowers.size(), QSize(154, 204));
    // The vase below its blue band, where the signature was written.
    int darkest = 255;
    for (int y = 148; y < 170; ++y)
        for (int x = 62; x < 96; ++x)
            darkest = std::min(darkest, qGray(sunflowers.pixel(x, y)));
    EXPECT_GT(darkest, 130) << "dark strokes of writing on the vase";
}

// A sound file's rate and samples, when it is a 16-bit PCM mono WAV file
// (the header the tool writes) whose every size agrees with its length.
struct WavSound {
    int rate = 0;
    QList<qint16> samples;
};

std::optional<WavSound> readWav(const QByteArray &bytes) {
    const auto u16 = [&](qsizetype at) { return qFromLittleEndian<quint16>(bytes.constData() + at); };
    const auto u32 = [&](qsizetype at) { return qFromLittleEndian<quint32>(bytes.constData() + at); };
    if (bytes.size() < 44 || !bytes.startsWith("RIFF") || bytes.mid(8, 8) != "WAVEfmt " ||
        bytes.mid(36, 4) != "data")
        return std::nullopt;
    const quint32 rate = u32(24);
    if (u32(4) != quint32(bytes.size() - 8) || u32(16) != 16 || u16(20) != 1 || u16(22) != 1 ||
        u32(28) != rate * 2 || u16(32) != 2 || u16(34) != 16 || u32(40) != quint32(bytes.size() - 44))
        return std::nullopt;
    WavSound sound{int(rate), {}};
    for (qsizetype at = 44; at + 1 < bytes.size(); at += 2)
        sound.samples << qint16(u16(at));
    return sound;
}

// Each sound decodes, lasts under a second, peaks at -6 dBFS or less, is heard
// at all, and starts and ends silent so the loudspeaker does not click.
TEST_F(ContentFiles, TheFiveSoundsAreShortQuietWavFilesThatFadeInAndOut) {
    for (const char *name : {"click", "chime", "fanfare", "tone", "page"}) {
        const QString file = QStringLiteral("sounds/%1.wav").arg(QLatin1String(name));
        const std::optional<WavSound> wav = readWav(fileBytes(path(file)));
        ASSERT_TRUE(wav) << name << " is not a whole 16-bit PCM mono WAV file";
        const WavSound &sound = *wav;
        EXPECT_TRUE(sound.rate == 44100 || sound.rate == 22050) << name << ": " << sound.rate;
        ASSERT_FALSE(sound.samples.isEmpty()) << name;
        EXPECT_LT(sound.samples.size(), sound.rate) << name << " lasts a second or more";
        int peak = 0;
        for (const qint16 s : sound.samples)
            peak = std::max(peak, std::abs(static_cast<int>(s)));
        EXPECT_LE(peak, 32767 / 2) << name << " is louder than -6 dBFS";
        EXPECT_GT(peak, 32767 / 100) << name << " is silent";
        EXPECT_LE(std::abs(sound.samples.front()), 100) << name << " starts with a click";
        EXPECT_LE(std::abs(sound.samples.back()), 100) << name << " ends with a click";
    }
}

// A fresh folder gets an empty catalogue; running again keeps the teacher's
// catalogue (even emptied) and worksheets and restores a damaged topic set.
TEST(ContentTool, RunningAgainKeepsTheTeachersCatalogueAndWorksheets) {
    QTemporaryDir folder;
    const auto file = [&](const char *name) { return folder.filePath(QStringLiteral("multiple/") + name); };
    const auto run = [&] {
        ASSERT_EQ(runTool(QStringLiteral(HELLAS_CONTENT_TOOL), folder.path()).exitCode, 0);
    };
    run();
    EXPECT_EQ(fileBytes(file("track.txt")), QByteArray(" 0 \r\n"));
    const QByteArray catalogue("2\r\nRome& Athens\r\nSparta\r\n");
    const QByteArray worksheet("Sparta\r\n \r\nWho ruled Sparta?\r\n");
    putFile(file("track.txt"), catalogue);
    putFile(file("Sparta.txt"), worksheet);
    putFile(file("Rome& Athens.txt"), worksheet);
    putFile(file("phidias.txt"), QByteArray("Phidias\r\n"));
    run();
    EXPECT_EQ(fileBytes(file("track.txt")), catalogue);
    EXPECT_EQ(fileBytes(file("Sparta.txt")), worksheet);
    EXPECT_EQ(fileBytes(file("Rome& Athens.txt")), worksheet);
    EXPECT_EQ(fileBytes(file("phidias.txt")).count("\r\n"), 72);
    EXPECT_EQ(QDir(folder.filePath(QStringLiteral("multiple"))).entryList(QDir::Files).size(), 4);
    putFile(file("track.txt"), QByteArray());
    run();
    EXPECT_EQ(fileBytes(file("track.txt")), QByteArray());
}

TEST(ContentTool, ReportsAFolderItCannotWriteInsteadOfSucceeding) {
    QTemporaryDir folder;
    const QString blocked = folder.filePath(QStringLiteral("blocked"));
    putFile(blocked, QByteArray("a file where the folder should be"));
    const ToolRun run = runTool(QStringLiteral(HELLAS_CONTENT_TOOL), blocked);
    EXPECT_NE(run.exitCode, 0);
    EXPECT_FALSE(run.errors.isEmpty());
}

} // namespace
