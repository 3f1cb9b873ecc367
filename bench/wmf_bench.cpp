// Metafile figures: the reader's throughput on a megabyte of text records,
// and the time to read and draw each content page into an 800 x 600 image
// against decoding and drawing an 800 x 600 JPEG in the same run.

#include "figure.h"

#include "stage/fonts.h"
#include "wmf/painter.h"
#include "wmf/reader.h"
#include "wmf/writer.h"

#include <QBuffer>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cmath>
#include <functional>

namespace {

const QStringList kWords = QStringLiteral("Phidias made the great statue of Zeus at Olympia and the "
                                          "Athena Parthenos in the Parthenon of Athens, in gold and ivory.")
                               .split(QLatin1Char(' '));

// About a megabyte of text runs in a few fonts and colours, as a long page would hold.
QByteArray textMetafile() {
    wmf::Writer w(12000, 30000);
    int line = 0;
    QByteArray bytes;
    while (true) {
        for (int i = 0; i < 500; ++i, ++line) {
            if (line % 20 == 0)
                w.setFont({QStringLiteral("Times New Roman"), 12.0 + line % 3, line % 40 ? 400 : 700});
            if (line % 7 == 0) w.setTextColour({quint8(line % 200), 0, 0});
            QString text;
            for (int k = 0; k < 9; ++k)
                text += kWords[(line + k) % kWords.size()] + QLatin1Char(' ');
            if (line % 2) {
                w.textOut(600, 300 + (line * 280) % 29000, text);
            } else {
                std::vector<int> dx(std::size_t(text.size()), 100);
                w.extTextOut(600, 300 + (line * 280) % 29000, text, dx);
            }
        }
        bytes = w.bytes();
        if (bytes.size() >= 1024 * 1024) return bytes;
    }
}

// A reading page as the content tool lays them out: heading, paragraphs, a picture.
QByteArray ownPage() {
    wmf::Writer w(10485, 7800);
    w.setNullPen();
    w.setBrush({255, 255, 240});
    w.rectangle(0, 0, 10485, 7800);
    w.setFont({QStringLiteral("Times New Roman"), 26, 700});
    w.setTextColour({128, 0, 0});
    w.textOut(600, 900, QStringLiteral("Phidias, sculptor of Athens"));
    w.setPen({128, 0, 0}, 30);
    w.line(600, 1100, 9900, 1100);
    w.setFont({QStringLiteral("Arial"), 12});
    w.setTextColour({0, 0, 0});
    for (int i = 0; i < 22; ++i) {
        QString text;
        for (int k = 0; k < 8; ++k)
            text += kWords[(i + k) % kWords.size()] + QLatin1Char(' ');
        w.textOut(600, 1500 + i * 280, text);
    }
    QByteArray rgb;
    for (int y = 0; y < 150; ++y)
        for (int x = 0; x < 200; ++x) {
            rgb.append(char(x));
            rgb.append(char(y));
            rgb.append(char(x ^ y));
        }
    w.picture(6600, 1500, 3000, 2250, rgb, 200, 150);
    return w.bytes();
}

// A photograph-like 800 x 600 JPEG: gradients and shapes with light noise.
QByteArray jpegBytes() {
    QImage image(800, 600, QImage::Format_RGB32);
    for (int y = 0; y < 600; ++y)
        for (int x = 0; x < 800; ++x) {
            const int noise = int((x * 7919 + y * 104729) % 23) - 11;
            image.setPixel(x, y,
                           qRgb(std::clamp(x * 255 / 800 + noise, 0, 255),
                                std::clamp(y * 255 / 600 + noise, 0, 255),
                                std::clamp(128 + int(60 * std::sin(x / 40.0 + y / 30.0)) + noise, 0, 255)));
        }
    QPainter painter(&image);
    painter.setBrush(QColor(200, 60, 40));
    painter.drawEllipse(200, 150, 300, 250);
    painter.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 85);
    return bytes;
}

QImage canvas() {
    QImage image(800, 600, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    return image;
}

void drawJpeg(const QString &path) {
    QImage target = canvas();
    const QImage photo(path);
    QPainter painter(&target);
    painter.drawImage(QRect(0, 0, 800, 600), photo);
}

void drawPage(const QString &path) {
    QImage target = canvas();
    QPainter painter(&target);
    wmf::drawMetafile(painter, path, QRectF(0, 0, 800, 600));
}

// Seconds per call: the best of several rounds of about 50 ms each, so a
// busy moment on a shared machine does not count.
double secondsPerCall(const std::function<void()> &work) {
    using Clock = std::chrono::steady_clock;
    double best = 1e9;
    for (int round = 0; round < 7; ++round) {
        int calls = 0;
        const auto start = Clock::now();
        double elapsed = 0;
        do {
            work();
            ++calls;
            elapsed = std::chrono::duration<double>(Clock::now() - start).count();
        } while (elapsed < 0.05);
        best = std::min(best, elapsed / calls);
    }
    return best;
}

struct Files {
    QTemporaryDir dir;
    QString jpeg;
    QStringList pages;
};

Files &files() {
    static Files f = [] {
        Files out;
        out.jpeg = out.dir.filePath(QStringLiteral("photo.jpg"));
        QFile jpeg(out.jpeg);
        if (jpeg.open(QIODevice::WriteOnly)) jpeg.write(jpegBytes());
        const QDir pages(QStringLiteral("wmf"));
        for (const QString &name : pages.entryList(QDir::Files))
            if (name.endsWith(QLatin1String(".wmf"), Qt::CaseInsensitive)) out.pages << pages.filePath(name);
        // Before the content exists the figure is taken on a page of our own.
        if (out.pages.isEmpty()) {
            const QString own = out.dir.filePath(QStringLiteral("page.wmf"));
            QFile page(own);
            if (page.open(QIODevice::WriteOnly)) page.write(ownPage());
            out.pages << own;
        }
        return out;
    }();
    return f;
}

void BM_ReadTextMetafile(benchmark::State &state) {
    static const QByteArray bytes = textMetafile();
    for (auto _ : state)
        benchmark::DoNotOptimize(wmf::readMetafile(bytes));
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_ReadTextMetafile)->Unit(benchmark::kMillisecond);

void BM_DrawJpeg(benchmark::State &state) {
    for (auto _ : state)
        drawJpeg(files().jpeg);
}
BENCHMARK(BM_DrawJpeg)->Unit(benchmark::kMillisecond);

void BM_ReadAndDrawPages(benchmark::State &state) {
    for (auto _ : state)
        for (const QString &page : files().pages)
            drawPage(page);
}
BENCHMARK(BM_ReadAndDrawPages)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv) {
    QGuiApplication app(argc, argv);
    registerFonts();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    const QByteArray text = textMetafile();
    const double read = secondsPerCall([&] { benchmark::DoNotOptimize(wmf::readMetafile(text)); });
    printFigure("wmf_read_mb_s", double(text.size()) / (1024.0 * 1024.0) / read, "MB/s", ">=", 100);

    double worst = 0;
    QString worstPage;
    for (const QString &page : files().pages) {
        const double jpeg = secondsPerCall([] { drawJpeg(files().jpeg); });
        const double ratio = secondsPerCall([&] { drawPage(page); }) / jpeg;
        if (ratio > worst) {
            worst = ratio;
            worstPage = page;
        }
    }
    std::fprintf(stderr, "worst page: %s\n", qPrintable(worstPage));
    printFigure("wmf_page_vs_jpeg", worst, "x", "<=", 1.0);
    return 0;
}
