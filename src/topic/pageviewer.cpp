#include "topic/pageviewer.h"

#include "core/paths.h"
#include "stage/accessibility.h"
#include "stage/screen.h"

#include "platform/messages.h"
#include "platform/printer.h"
#include "platform/services.h"
#include "stage/labelbutton.h"
#include "stage/picturebox.h"
#include "topic/log.h"
#include "topic/pages.h"
#include "wmf/pagetext.h"
#include "wmf/painter.h"
#include "wmf/reader.h"

#include <QCoreApplication>
#include <QLabel>

namespace {

constexpr double kPageMargin = 1000;
// The printer is not to blame when the page itself is missing.
const char *const kPageMissing = QT_TRANSLATE_NOOP("pageviewer", "This page could not be found.");

class MetafilePrintPicture final : public PrintPicture {
  public:
    explicit MetafilePrintPicture(wmf::DisplayList list) : list_(std::move(list)) {}
    QSizeF sizeTwips() const override { return {list_.widthTwips, list_.heightTwips}; }
    void paint(QPainter &painter, const QRectF &target) const override {
        wmf::paintDisplayList(painter, list_, target);
    }

  private:
    wmf::DisplayList list_;
};

std::shared_ptr<const PrintPicture> paperCopy(const PictureBox &box) {
    if (box.source().endsWith(QLatin1String(".wmf"), Qt::CaseInsensitive)) {
        wmf::ReadResult read = wmf::readMetafileFile(contentPath(box.source()));
        if (read.list.widthTwips > 0 && read.list.heightTwips > 0)
            return std::make_shared<MetafilePrintPicture>(std::move(read.list));
    }
    if (!box.picture().isNull()) return std::make_shared<ImagePrintPicture>(box.picture());
    return nullptr;
}

} // namespace

namespace pageviewer {

void styleAsPageLabel(QLabel *label) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    palette.setColor(QPalette::Window, Qt::white);
    label->setPalette(palette);
    label->setAutoFillBackground(true);
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
    label->setLineWidth(1);
}

void describePage(PictureBox *page, const QLabel *pageLabel) {
    const bool numbered = pageLabel->isVisibleTo(pageLabel->parentWidget());
    //: A screen reader's name for a page shown without a page number.
    page->setAccessibleName(numbered ? pageLabel->text() : QCoreApplication::translate("pageviewer", "Page"));
    QString words;
    if (page->source().endsWith(QLatin1String(".wmf"), Qt::CaseInsensitive))
        words = wmf::pageText(wmf::readMetafileFile(contentPath(page->source())).list);
    page->setAccessibleDescription(words);
    if (numbered) {
        if (Screen *screen = Screen::of(page)) announceOn(screen, pageLabel->text());
    }
}

void fitToPicture(PictureBox *image) {
    if (image->hasPicture()) image->resize(image->pictureSize());
}

void showPage(const PageControls &controls, int page, int count, const std::optional<PageFiles> &files) {
    if (files) {
        controls.shown->load(files->shown);
        controls.printed->load(files->printed);
    } else {
        controls.shown->clear();
        controls.printed->clear();
    }
    fitToPicture(controls.shown);
    controls.previous->setEnabled(page > 1);
    controls.next->setEnabled(page < count);
    controls.label->setText(pages::label(page, count));
    describePage(controls.shown, controls.label);
}

void printPage(const PictureBox &printed) {
    Messages &messages = *services().messages;
    std::shared_ptr<const PrintPicture> picture = paperCopy(printed);
    if (!picture) {
        qCWarning(lcTopic) << "page" << printed.source() << "not printed: it cannot be found or read";
        messages.info(QCoreApplication::translate("pageviewer", kPageMissing));
        return;
    }
    try {
        printDocument(services().printer, messages,
                      [&picture](PrintSurface &out) { out.drawPicture(kPageMargin, kPageMargin, picture); });
    } catch (const std::exception &failure) {
        qCWarning(lcTopic) << "page" << printed.source() << "not printed:" << failure.what();
        messages.info(kPrintProblem);
    }
}

} // namespace pageviewer
