#include "stage/fonts.h"

#include "core/language.h"
#include "stage/labelbutton.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QChildEvent>
#include <QFile>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QHash>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QTextDocument> // Qt::mightBeRichText
#include <algorithm>
#include <cmath>
#include <utility>

namespace {

// Measured against Wine's Tahoma on the same Latin captions, at the design
// sizes: Liberation Sans draws 3 % wider (10 % in bold), DejaVu Sans
// Condensed 3 % (16 %) and DejaVu Sans 14 % (29 %); Liberation Sans is also
// the narrowest of the three in Greek.
const QString kStandIn = QStringLiteral("Liberation Sans");

constexpr double kFloorShare = 0.8;
constexpr double kFloorPoints = 7;

int pixelsOfPoints(double points) {
    return std::max(1, static_cast<int>(std::lround(points * 96.0 / 72.0)));
}

// The letters a language is written in; Latin for any not listed.
QFontDatabase::WritingSystem writingSystemOf(const QString &language) {
    static const std::pair<QLocale::Script, QFontDatabase::WritingSystem> kScripts[] = {
        {QLocale::GreekScript, QFontDatabase::Greek},
        {QLocale::CyrillicScript, QFontDatabase::Cyrillic},
        {QLocale::HebrewScript, QFontDatabase::Hebrew},
        {QLocale::ArabicScript, QFontDatabase::Arabic},
        {QLocale::ArmenianScript, QFontDatabase::Armenian},
        {QLocale::GeorgianScript, QFontDatabase::Georgian}};
    const QLocale::Script script = QLocale(language).script();
    for (const auto &[written, system] : kScripts)
        if (written == script) return system;
    return QFontDatabase::Latin;
}

bool hasLetters(const QString &family, QFontDatabase::WritingSystem system) {
    // A family the database does not know is drawn through its substitute,
    // which the registration chose for its letters.
    const QList<QFontDatabase::WritingSystem> systems = QFontDatabase::writingSystems(family);
    return systems.isEmpty() || systems.contains(system);
}

// Follows the controls as they are put in and fits each caption right before
// it is drawn, so a caption set at any time is drawn fitted. A control's own
// paint may be taken over by another filter (a device border paints it
// itself), so the screen's paint, which comes first, fits every caption too.
class CaptionFitter : public QObject {
  public:
    explicit CaptionFitter(QWidget *root) : QObject(root), root_(root) {}

    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::ChildAdded) {
            QObject *child = static_cast<QChildEvent *>(event)->child();
            if (child->isWidgetType()) child->installEventFilter(this);
        } else if (event->type() == QEvent::Paint) {
            if (watched == root_) {
                const QList<QWidget *> controls = root_->findChildren<QWidget *>();
                for (QWidget *control : controls)
                    if (control->isVisible()) fit(control);
            } else {
                fit(static_cast<QWidget *>(watched));
            }
        }
        return false;
    }

  private:
    struct Fit {
        CaptionBox caption;
        QFont design;
        QFont fitted;
    };

    void fit(QWidget *control) {
        const std::optional<CaptionBox> caption = captionBoxOf(control);
        if (!caption) return;
        Fit &last = fits_[control];
        // A font other than the one fitted last was set by the screen: it is the new design.
        const bool newDesign = control->font() != last.fitted;
        if (!newDesign && last.caption.text == caption->text && last.caption.box == caption->box &&
            last.caption.flags == caption->flags)
            return;
        if (newDesign) last.design = control->font();
        last.caption = *caption;
        last.fitted = fittedFont(last.design, *caption);
        if (control->font() != last.fitted) control->setFont(last.fitted);
    }

    QWidget *root_;
    // Keyed by control; an entry outliving its control is only ever read
    // again with the same caption, box and font, and so gives the same answer.
    QHash<const QWidget *, Fit> fits_;
};

} // namespace

void registerFonts() {
    // Only Wine's regular Tahoma is registered: under Qt 6.4 its bold file
    // draws regular outlines at bold widths, while Qt's own emboldening of
    // the regular face draws a true bold.
    const QString tahoma = QStringLiteral("/usr/share/wine/fonts/tahoma.ttf");
    const bool haveTahoma = QFile::exists(tahoma) && QFontDatabase::addApplicationFont(tahoma) >= 0;
    QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    if (!haveTahoma) QFont::insertSubstitution(QStringLiteral("Tahoma"), kStandIn);
}

QString familyForLanguage(const QString &family, const QString &language) {
    static QHash<QString, QString> chosen;
    const QString key = family + QLatin1Char('\n') + language;
    if (const auto found = chosen.constFind(key); found != chosen.constEnd()) return *found;
    const QFontDatabase::WritingSystem system = writingSystemOf(language);
    const QString drawn = hasLetters(family, system) || !hasLetters(kStandIn, system) ? family : kStandIn;
    chosen.insert(key, drawn);
    return drawn;
}

QFont designFont(const QString &family, double points, bool bold) {
    QFont font(familyForLanguage(family, programLanguage()));
    font.setPixelSize(pixelsOfPoints(points));
    font.setBold(bold);
    return font;
}

std::optional<CaptionBox> captionBoxOf(const QWidget *control) {
    CaptionBox caption;
    if (const auto *button = qobject_cast<const LabelButton *>(control)) {
        caption = {button->caption(), button->captionRect(), button->captionFlags()};
    } else if (const auto *label = qobject_cast<const QLabel *>(control)) {
        const Qt::TextFormat format = label->textFormat();
        if (format == Qt::RichText || (format == Qt::AutoText && Qt::mightBeRichText(label->text())))
            return std::nullopt;
        const int margin = label->margin();
        caption = {label->text(), label->contentsRect().adjusted(margin, margin, -margin, -margin),
                   int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0)};
    } else if (const auto *button = qobject_cast<const QAbstractButton *>(control)) {
        if (button->text().isEmpty()) return std::nullopt;
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        option.icon = button->icon();
        option.iconSize = button->iconSize();
        QStyle::SubElement contents = QStyle::SE_PushButtonContents;
        int flags = Qt::AlignCenter;
        if (qobject_cast<const QRadioButton *>(button)) {
            contents = QStyle::SE_RadioButtonContents;
            flags = Qt::AlignLeft | Qt::AlignVCenter;
        } else if (qobject_cast<const QCheckBox *>(button)) {
            contents = QStyle::SE_CheckBoxContents;
            flags = Qt::AlignLeft | Qt::AlignVCenter;
        } else if (!qobject_cast<const QPushButton *>(button)) {
            return std::nullopt;
        }
        caption = {button->text(), button->style()->subElementRect(contents, &option, button),
                   flags | Qt::TextShowMnemonic};
    } else {
        return std::nullopt;
    }
    if (caption.text.isEmpty()) return std::nullopt;
    return caption;
}

QSize captionSize(const QFont &font, const CaptionBox &caption) {
    return QFontMetrics(font).boundingRect(caption.box, caption.flags, caption.text).size();
}

QFont fittedFont(const QFont &design, const CaptionBox &caption) {
    const auto fits = [&caption](const QFont &font) {
        const QSize needed = captionSize(font, caption);
        return needed.width() <= caption.box.width() && needed.height() <= caption.box.height();
    };
    if (fits(design)) return design;
    const int size = design.pixelSize() > 0 ? design.pixelSize() : QFontInfo(design).pixelSize();
    const int floor = std::min(
        size, std::max(static_cast<int>(std::ceil(size * kFloorShare)), pixelsOfPoints(kFloorPoints)));
    QFont font = design;
    for (int pixels = size - 1; pixels >= floor; --pixels) {
        font.setPixelSize(pixels);
        if (fits(font)) return font;
    }
    return font;
}

void keepCaptionsFitted(QWidget *root) {
    auto *fitter = new CaptionFitter(root);
    root->installEventFilter(fitter);
    const QList<QWidget *> inside = root->findChildren<QWidget *>();
    for (QWidget *control : inside)
        control->installEventFilter(fitter);
}
