#pragma once
// A print surface for tests: records what would go on paper, with simple
// metrics so positions can be worked out exactly, and fails where told to.

#include "platform/messages.h"
#include "platform/printsurface.h"

#include <QList>
#include <QStringList>
#include <memory>
#include <new>
#include <optional>

struct PrintedText {
    double x = 0, y = 0;
    QString text;
    PrintFont font;
    Rgb colour;
    int page = 1;
};

struct PrintedLine {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    Rgb colour;
    int width = 0;
};

struct PrintedPicture {
    double left = 0, top = 0;
    QSizeF size;
};

// What one document put on paper. Shared with the test, since the routine
// that prints owns the surface.
struct PrintJob {
    QList<PrintedText> texts;
    QList<PrintedLine> lines;
    QList<PrintedPicture> pictures;
    int pages = 1;
    // Every operation in order: "text", "line", "picture", "page", "end".
    QStringList log;
    bool ended = false, abandoned = false;
    // Drawing operations (texts, lines, pictures, the end) done before the
    // failure; the next one throws.
    std::optional<int> failAfter;
    // Throw this kind of failure rather than a printer's.
    bool failOutsideThePrinter = false;
    int operations = 0;
};

class RecordingPrinter final : public PrintSurface {
  public:
    // A4 less margins, in twips.
    static constexpr double Width = 11000;
    static constexpr double Height = 15800;
    // Every character is ten twips wide and every line twenty twips high per
    // point of the font size.
    static double charWidth(double points) { return points * 10; }
    static double lineOf(double points) { return points * 20; }

    explicit RecordingPrinter(std::shared_ptr<PrintJob> job) : job_(std::move(job)) {}

    double pageWidth() const override { return Width; }
    double pageHeight() const override { return Height; }
    void line(double x1, double y1, double x2, double y2, Rgb colour) override {
        step(QStringLiteral("line"));
        job_->lines.append({x1, y1, x2, y2, colour, drawWidth()});
    }
    void drawPicture(double left, double top, std::shared_ptr<const PrintPicture> picture) override {
        step(QStringLiteral("picture"));
        job_->pictures.append({left, top, picture ? picture->sizeTwips() : QSizeF()});
    }
    void endDoc() override {
        step(QStringLiteral("end"));
        job_->ended = true;
    }
    void abandon() noexcept override { job_->abandoned = true; }

  protected:
    double measure(const QString &text, const PrintFont &font) override {
        return text.size() * charWidth(font.points);
    }
    double lineHeight(const PrintFont &font) override { return lineOf(font.points); }
    void drawText(double x, double y, const QString &text, const PrintFont &font, Rgb colour) override {
        step(QStringLiteral("text"));
        job_->texts.append({x, y, text, font, colour, job_->pages});
    }
    void newPage() override {
        job_->log.append(QStringLiteral("page"));
        ++job_->pages;
    }

  private:
    void step(const QString &kind) {
        if (job_->failAfter && job_->operations >= *job_->failAfter) {
            if (job_->failOutsideThePrinter) throw std::bad_alloc();
            throw PrintFailure("the recording printer was told to fail");
        }
        ++job_->operations;
        job_->log.append(kind);
    }

    std::shared_ptr<PrintJob> job_;
};

// A printer for the services: each document opened is recorded in a new job.
struct RecordingPrinters {
    QList<std::shared_ptr<PrintJob>> jobs;
    // Settings for the next jobs.
    std::optional<int> failAfter;
    bool failOutsideThePrinter = false;
    bool noPrinter = false;

    PrinterFactory factory() {
        return [this]() -> std::unique_ptr<PrintSurface> {
            if (noPrinter) return nullptr;
            auto job = std::make_shared<PrintJob>();
            job->failAfter = failAfter;
            job->failOutsideThePrinter = failOutsideThePrinter;
            jobs.append(job);
            return std::make_unique<RecordingPrinter>(job);
        };
    }
};

// The messages a print routine shows, for tests without a stage.
class MessageLog final : public Messages {
  public:
    void info(const QString &text) override { shown.append(text); }
    bool confirm(const QString &text) override {
        shown.append(text);
        return false;
    }
    QStringList shown;
};
