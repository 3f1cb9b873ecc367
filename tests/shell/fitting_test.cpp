#include "core/language.h"
#include "stage/fonts.h"
#include "stage/screen.h"
#include "support/pseudotranslation.h"
#include "support/screentour.h"
#include "support/testsupport.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QTranslator>
#include <memory>

namespace {

struct Language {
    const char *name;
    QString code;
    std::function<std::unique_ptr<QTranslator>()> translator;
};

const Language kLanguages[] = {
    {"English", u"en"_qs, [] { return nullptr; }},
    // The Greek translation the program embeds, or none when it does not load.
    {"Greek", u"el"_qs,
     [] {
         auto translator = std::make_unique<QTranslator>();
         return translator->load(u":/i18n/hellas_el.qm"_qs) ? std::move(translator) : nullptr;
     }},
    {"pseudo-translation a fifth longer", u"en"_qs,
     [] { return std::make_unique<PseudoTranslator>(PseudoTranslator::Style::Longer); }},
};

// Every caption of the screen in front, as drawn: inside its box, and clear
// of every other caption and tick mark (boxes may overlap, as a label on a
// picture does).
void measureScreen(const QString &where, QStringList &failures) {
    Screen *screen = Stage::current().frontScreen();
    screen->grab(); // paints every control, fitting its caption
    struct Drawn {
        QWidget *control;
        QRect text; // where the text is drawn, in screen coordinates
    };
    QList<Drawn> drawn;
    for (QWidget *control : screen->findChildren<QWidget *>()) {
        if (!control->isVisibleTo(screen)) continue;
        const std::optional<CaptionBox> caption = captionBoxOf(control);
        if (!caption) continue;
        const QSize needed = captionSize(control->font(), *caption);
        const QPoint offset = control->mapTo(screen, QPoint(0, 0));
        if (needed.width() > caption->box.width() || needed.height() > caption->box.height())
            failures.append(QStringLiteral("%1, %2 \"%3\": needs %4 x %5 px at %6 px, box %7 x %8")
                                .arg(where, controlName(control), caption->text)
                                .arg(needed.width())
                                .arg(needed.height())
                                .arg(QFontInfo(control->font()).pixelSize())
                                .arg(caption->box.width())
                                .arg(caption->box.height()));
        const QRect text = QStyle::alignedRect(
            Qt::LeftToRight,
            Qt::Alignment(caption->flags & (Qt::AlignHorizontal_Mask | Qt::AlignVertical_Mask)),
            needed.boundedTo(caption->box.size()), caption->box);
        drawn.append({control, text.translated(offset)});
        // A tick box's or an option's mark is part of what a caption must keep clear of.
        if (qobject_cast<const QCheckBox *>(control) || qobject_cast<const QRadioButton *>(control)) {
            QStyleOptionButton option;
            option.initFrom(control);
            const auto mark = qobject_cast<const QRadioButton *>(control) ? QStyle::SE_RadioButtonIndicator
                                                                         : QStyle::SE_CheckBoxIndicator;
            drawn.append({control, control->style()->subElementRect(mark, &option, control).translated(offset)});
        }
    }
    for (const Drawn &a : std::as_const(drawn)) {
        for (const Drawn &b : std::as_const(drawn)) {
            if (a.control != b.control && !a.control->isAncestorOf(b.control) &&
                !b.control->isAncestorOf(a.control) && a.text.intersects(b.text))
                failures.append(QStringLiteral("%1, %2: its text runs into the text or tick mark of %3")
                                    .arg(where, controlName(a.control), controlName(b.control)));
        }
    }
}

} // namespace

class Fitting : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void greekCaptionsAreDrawnInAFontWithGreekLettersAndEnglishOnesInTahoma() {
        TestWorld world(false);
        // language -> the writing system the caption font must have
        for (const auto &[language, letters] :
             {std::pair{u"en"_qs, QFontDatabase::Latin}, std::pair{u"el"_qs, QFontDatabase::Greek}}) {
            setProgramLanguage(language);
            const QString family = QFontInfo(designFont(u"Tahoma"_qs, 12, true)).family();
            QVERIFY2(QFontDatabase::writingSystems(family).contains(letters), qPrintable(family));
            if (language == SourceLanguage) QCOMPARE(family, u"Tahoma"_qs);
        }
        setProgramLanguage(SourceLanguage);
    }

    // design pixels, box as wide as the text at some size, wraps -> pixels
    // drawn: the design size where it fits; else the largest size that fits;
    // never below 80 % of the design size nor 7 points (9 pixels); a wrapping
    // caption wraps before it shrinks.
    void aCaptionTooWideShrinksStepByStepDownToItsFloor() {
        TestWorld world(false);
        const QString text = u"Worksheet Catalogue"_qs;
        QFont font(u"Liberation Sans"_qs);
        const auto widthAt = [&](int pixels) {
            font.setPixelSize(pixels);
            return captionSize(font, {text, QRect(0, 0, 1000, 60), Qt::AlignCenter}).width();
        };
        for (const auto &[design, boxWidth, wraps, drawn] :
             {std::tuple{20, widthAt(20), false, 20}, std::tuple{20, widthAt(17), false, 17},
              std::tuple{20, widthAt(12), false, 16}, std::tuple{11, widthAt(6), false, 9},
              std::tuple{20, widthAt(12), true, 20}}) {
            font.setPixelSize(design);
            const int flags = Qt::AlignCenter | (wraps ? Qt::TextWordWrap : 0);
            QCOMPARE(fittedFont(font, {text, QRect(0, 0, boxWidth, 60), flags}).pixelSize(), drawn);
        }
    }

    void everyCaptionOfEveryScreenFitsItsBoxInEveryLanguage() {
        QStringList failures;
        for (const Language &language : kLanguages) {
            std::unique_ptr<QTranslator> translator = language.translator();
            if (language.code != SourceLanguage && !translator) {
                failures.append(QStringLiteral("%1: the translation does not load").arg(language.name));
                continue;
            }
            if (translator) QCoreApplication::installTranslator(translator.get());
            {
                TestWorld world;
                setProgramLanguage(language.code);
                RecordingPrinters printers;
                tourEveryScreen(world, printers, [&](const QString &screen) {
                    measureScreen(QString::fromLatin1(language.name) + QStringLiteral(", ") + screen,
                                  failures);
                });
            }
            setProgramLanguage(SourceLanguage);
            if (translator) QCoreApplication::removeTranslator(translator.get());
        }
        for (const QString &failure : std::as_const(failures))
            qInfo().noquote() << failure;
        QVERIFY2(failures.isEmpty(),
                 qPrintable(QStringLiteral("%1 failures, listed above").arg(failures.size())));
    }
};

QTEST_MAIN(Fitting)
#include "fitting_test.moc"
