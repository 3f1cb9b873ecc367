#include "print/recordingprinter.h"

#include <gtest/gtest.h>

TEST(PrintSurfaceText, TextTakesTheFontColourAndPositionSetAndALineBreakMovesDownOneLineOfItsFont) {
    auto job = std::make_shared<PrintJob>();
    RecordingPrinter out(job);
    out.setFontName(QStringLiteral("Times New Roman"));
    out.setFontSize(25);
    out.setForeColour({255, 0, 0});
    out.setCurrentX(1000);
    out.print(QStringLiteral("a"));
    EXPECT_EQ(out.currentX(), 0);
    EXPECT_EQ(out.currentY(), RecordingPrinter::lineOf(25));
    // Without a line break the position moves on past the text, on the same line.
    out.setFontSize(12);
    out.setCurrentX(500);
    out.print(QStringLiteral("abc"), false);
    const double after = 500 + 3 * RecordingPrinter::charWidth(12);
    EXPECT_EQ(out.currentX(), after);
    EXPECT_EQ(out.currentY(), RecordingPrinter::lineOf(25));
    out.print(QStringLiteral("d"));
    EXPECT_EQ(out.currentX(), 0);
    EXPECT_EQ(out.currentY(), RecordingPrinter::lineOf(25) + RecordingPrinter::lineOf(12));

    ASSERT_EQ(job->texts.size(), 3);
    EXPECT_EQ(job->texts[0].font, (PrintFont{QStringLiteral("Times New Roman"), 25}));
    EXPECT_EQ(job->texts[0].colour, (Rgb{255, 0, 0}));
    EXPECT_EQ((QList<double>{job->texts[0].x, job->texts[0].y}), (QList<double>{1000, 0}));
    EXPECT_EQ((QList<double>{job->texts[1].x, job->texts[1].y}),
              (QList<double>{500, RecordingPrinter::lineOf(25)}));
    EXPECT_EQ((QList<double>{job->texts[2].x, job->texts[2].y}),
              (QList<double>{after, RecordingPrinter::lineOf(25)}));
    EXPECT_EQ(job->texts[2].font.points, 12);
}

TEST(PrintSurfaceText, ALineThatWouldPassTheFootOfThePageGoesToTheTopOfANewPage) {
    auto job = std::make_shared<PrintJob>();
    RecordingPrinter out(job);
    out.setFontSize(100); // 2000 twips a line
    const int fitting = static_cast<int>(RecordingPrinter::Height / RecordingPrinter::lineOf(100));
    for (int i = 0; i < fitting + 1; ++i)
        out.print(QString::number(i));
    EXPECT_EQ(job->pages, 2);
    EXPECT_EQ(job->texts[fitting - 1].page, 1);
    EXPECT_EQ(job->texts[fitting].page, 2);
    EXPECT_EQ(job->texts[fitting].y, 0);
}

TEST(PrintDocument, WithoutADefaultPrinterOrWhenItCannotOpenReportsTheProblemAndDrawsNothing) {
    MessageLog messages;
    bool drawn = false;
    const auto draw = [&drawn](PrintSurface &) { drawn = true; };
    EXPECT_FALSE(printDocument([] { return std::unique_ptr<PrintSurface>(); }, messages, draw));
    EXPECT_FALSE(printDocument(PrinterFactory(), messages, draw));
    EXPECT_FALSE(printDocument([]() -> std::unique_ptr<PrintSurface> { throw PrintFailure("offline"); },
                               messages, draw));
    EXPECT_FALSE(drawn);
    EXPECT_EQ(messages.shown, QStringList({kPrintProblem, kPrintProblem, kPrintProblem}));
}
