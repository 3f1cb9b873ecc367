#include "print/recordingprinter.h"

#include <gtest/gtest.h>

namespace {

struct Fixture {
    std::shared_ptr<PrintJob> job = std::make_shared<PrintJob>();
    RecordingPrinter out{job};
};

} // namespace

TEST(PrintSurfaceText, LineBreakMovesDownOneLineOfTheCurrentFontAndBackToTheLeftEdge) {
    Fixture f;
    f.out.setFontSize(25);
    f.out.setCurrentX(1000);
    f.out.print(QStringLiteral("a"));
    EXPECT_EQ(f.out.currentX(), 0);
    EXPECT_EQ(f.out.currentY(), RecordingPrinter::lineOf(25));
    f.out.setFontSize(12);
    f.out.print(QStringLiteral("b"));
    EXPECT_EQ(f.out.currentY(), RecordingPrinter::lineOf(25) + RecordingPrinter::lineOf(12));
    ASSERT_EQ(f.job->texts.size(), 2);
    EXPECT_EQ(f.job->texts[0].x, 1000);
    EXPECT_EQ(f.job->texts[1].x, 0);
    EXPECT_EQ(f.job->texts[1].y, RecordingPrinter::lineOf(25));
}

TEST(PrintSurfaceText, TextWithoutALineBreakMovesThePositionOnPastItOnTheSameLine) {
    Fixture f;
    f.out.setFontSize(10);
    f.out.setCurrentX(500);
    f.out.print(QStringLiteral("abc"), false);
    EXPECT_EQ(f.out.currentX(), 500 + 3 * RecordingPrinter::charWidth(10));
    EXPECT_EQ(f.out.currentY(), 0);
    f.out.print(QStringLiteral("d"));
    EXPECT_EQ(f.job->texts[1].x, 500 + 3 * RecordingPrinter::charWidth(10));
    EXPECT_EQ(f.job->texts[1].y, 0);
}

TEST(PrintSurfaceText, TextCarriesTheFontAndColourSetBeforeIt) {
    Fixture f;
    f.out.setFontName(QStringLiteral("Times New Roman"));
    f.out.setFontSize(36);
    f.out.setForeColour({255, 0, 0});
    f.out.print(QStringLiteral("x"));
    EXPECT_EQ(f.job->texts[0].font, (PrintFont{QStringLiteral("Times New Roman"), 36}));
    EXPECT_EQ(f.job->texts[0].colour, (Rgb{255, 0, 0}));
}

TEST(PrintSurfaceText, ALineThatWouldPassTheFootOfThePageGoesToTheTopOfANewPage) {
    Fixture f;
    f.out.setFontSize(100); // 2000 twips a line
    const int fitting = static_cast<int>(RecordingPrinter::Height / RecordingPrinter::lineOf(100));
    for (int i = 0; i < fitting + 1; ++i)
        f.out.print(QString::number(i));
    EXPECT_EQ(f.job->pages, 2);
    EXPECT_EQ(f.job->texts[fitting - 1].page, 1);
    EXPECT_EQ(f.job->texts[fitting].page, 2);
    EXPECT_EQ(f.job->texts[fitting].y, 0);
}

TEST(PrintDocument, WithoutADefaultPrinterReportsTheProblemAndDrawsNothing) {
    MessageLog messages;
    bool drawn = false;
    EXPECT_FALSE(printDocument([] { return std::unique_ptr<PrintSurface>(); }, messages,
                               [&drawn](PrintSurface &) { drawn = true; }));
    EXPECT_FALSE(printDocument(PrinterFactory(), messages, [&drawn](PrintSurface &) { drawn = true; }));
    EXPECT_FALSE(drawn);
    EXPECT_EQ(messages.shown, QStringList({kPrintProblem, kPrintProblem}));
}

TEST(PrintDocument, APrinterThatCannotOpenIsReportedAsAProblem) {
    MessageLog messages;
    EXPECT_FALSE(printDocument([]() -> std::unique_ptr<PrintSurface> { throw PrintFailure("offline"); },
                               messages, [](PrintSurface &) {}));
    EXPECT_EQ(messages.shown, QStringList({kPrintProblem}));
}
