#pragma once

#include "support/DatabaseFixture.h"
#include "support/ScriptedInteraction.h"

#include "dbase/Table.h"
#include "dbase/tool/CardGenerator.h"
#include "mainwin/ui/TForm3.h"
#include "store/RecordStore.h"
#include "store/SortFile.h"

#include <QCoreApplication>
#include <gtest/gtest.h>
#include <memory>

namespace zendrova::test {

constexpr uint32_t kCards = 300;
constexpr uint8_t kFilterMark = 1;
constexpr uint8_t kCardName = 2;
constexpr uint8_t kPurchasePrice = 11;

// A database of generated cards, opened by a main window in the tests.
class GeneratedCardsWindow : public ::testing::Test
{
protected:
    void SetUp() override
    {
        dbase::cardgen::generateCardDatabase(fixture.state.databaseFolder.toStdString(), kCards, 7,
            fixture.programFolder.toStdString());
        sortBy(kCardName);
    }

    void sortBy(uint8_t position)
    {
        SortBytes sort;
        sort.primary = position;
        ASSERT_TRUE(SortFile::write(fixture.state.databaseFolder, fixture.state.currentTableFile, sort));
    }

    // How many cards' names start with the letter, read straight from the table.
    int namesStartingWith(char letter)
    {
        dbase::Table table;
        table.open(fixture.databaseFile(QStringLiteral("data.dbf")).toStdString(), false);
        int count = 0;
        for (table.first(); !table.eof(); table.next()) {
            const std::string_view name = table.rawValue(kCardName);
            if (!name.empty() && std::toupper(static_cast<unsigned char>(name[0])) == letter)
                ++count;
        }
        return count;
    }

    std::unique_ptr<TForm3> openWindow()
    {
        auto form = std::make_unique<TForm3>(fixture.state, store);
        form->show();
        QCoreApplication::processEvents();
        return form;
    }

    DatabaseFixture fixture;
    ScriptedInteraction user;
    RecordStore store { fixture.state };
};

} // namespace zendrova::test
