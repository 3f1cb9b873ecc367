#include "core/language.h"

#include <gtest/gtest.h>

TEST(LanguageChoice, CommandLineOverSettingOverDesktopAndEnglishWithANoteForAnUntranslatedWish) {
    struct Case {
        const char *option;
        const char *setting;
        QStringList desktop;
        QStringList available;
        const char *language;
        const char *noteNames; // a word of the note, or nullptr for no note
    };
    const QStringList greek{u"el"_qs};
    const Case cases[] = {
        {"", "", {}, greek, "en", nullptr},
        {"", "", {u"el-GR"_qs, u"el"_qs}, greek, "el", nullptr},
        {"", "", {u"el_GR.UTF-8"_qs}, greek, "el", nullptr},
        {"", "", {u"de-DE"_qs, u"de"_qs, u"el"_qs}, greek, "el", nullptr},
        {"", "", {u"en-GB"_qs, u"el-GR"_qs}, greek, "en", nullptr},
        {"", "", {u"de-DE"_qs, u"de"_qs}, greek, "en", "de-DE"},
        {"", "", {u"C"_qs}, greek, "en", nullptr},
        {"", "", {u"el-GR"_qs}, {}, "en", "el-GR"},
        {"", "el", {u"en-US"_qs}, greek, "el", nullptr},
        {"", "  ", {u"el-GR"_qs}, greek, "el", nullptr},
        {"", "fr", {u"el-GR"_qs}, greek, "en", "fr"},
        {"en", "el", {u"el-GR"_qs}, greek, "en", nullptr},
        {" EL ", "", {}, greek, "el", nullptr},
        {"el", "en", {u"en-US"_qs}, greek, "el", nullptr},
        {"POSIX", "el", {u"el-GR"_qs}, greek, "en", nullptr},
        {"fr_FR", "el", {u"el-GR"_qs}, greek, "en", "fr_FR"},
        {"el", "", {}, {}, "en", "el"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.option) + " | " + c.setting + " | " + c.desktop.join(u',').toStdString());
        const LanguageChoice choice =
            chooseLanguage(QString::fromUtf8(c.option), QString::fromUtf8(c.setting), c.desktop, c.available);
        EXPECT_EQ(choice.language, QString::fromUtf8(c.language));
        if (c.noteNames)
            EXPECT_TRUE(choice.note.contains(QString::fromUtf8(c.noteNames))) << choice.note.toStdString();
        else
            EXPECT_TRUE(choice.note.isEmpty()) << choice.note.toStdString();
    }
}
