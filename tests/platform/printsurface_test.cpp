#include "support/recordingprinter.h"

#include <gtest/gtest.h>

// Where text goes, in which font and colour, and how a line break moves down one
// line of the current font are checked step by step by the certificate and
// worksheet layout tests.
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
