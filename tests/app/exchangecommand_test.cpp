#include "worksheets/exchange.h"
#include "worksheets/exchangecommand.h"
#include "worksheets/store.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(ExchangeCommands, ImportSavesTensUnderNumberedTitlesThatFitReplacesNothingAndExportReadsBack) {
    QTemporaryDir dir;
    QByteArray gift = "$CATEGORY: The Heroes of Ancient Greece\n\n";
    for (int n = 1; n <= 25; ++n)
        gift += "::Q" + QByteArray::number(n) + ":: Who founded city " + QByteArray::number(n) +
                (n == 5 ? "? {=A ~B ~C}\n\n" : "? {=Athens ~Sparta ~Thebes ~Argos}\n\n");
    const QString path = dir.filePath(u"heroes.gift"_qs);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(gift) == gift.size());
    file.close();
    const WorksheetStore store(dir.filePath(u"multiple"_qs));
    SharedState state;

    const ExchangeAnswer imported = importWorksheetsCommand(path, store, state);
    EXPECT_EQ(imported.exitCode, 0) << imported.errors.toStdString();
    for (const QString &said : {u"Question 5"_qs, u"saved \"The Heroes of Ancient G 2\""_qs, u"4 usable"_qs})
        EXPECT_TRUE(imported.output.contains(said)) << said.toStdString();
    const QString titled = u"The Heroes of Ancient G 1"_qs;
    ASSERT_TRUE(QFile::exists(store.worksheetPath(titled)));

    const ExchangeAnswer again = importWorksheetsCommand(path, store, state);
    EXPECT_EQ(again.exitCode, 1);
    EXPECT_TRUE(again.errors.contains(u"already exists"_qs));

    const QString out = dir.filePath(u"out.txt"_qs);
    EXPECT_EQ(exportWorksheetCommand(titled, u"aiken"_qs, out, store).exitCode, 0);
    const ImportResult back = importFile(out);
    EXPECT_EQ(back.draft.questions[9], u"Who founded city 11?"_qs);
    EXPECT_EQ(exportWorksheetCommand(titled, u"pdf"_qs, out, store).exitCode, 2);
    EXPECT_EQ(exportWorksheetCommand(u"Atlantis"_qs, u"gift"_qs, out, store).exitCode, 1);
}
