#pragma once

#include "support/DatabaseFixture.h"
#include "support/ScriptedInteraction.h"

#include "common/CaptionList.h"
#include "exchange/ExchangeSettings.h"
#include "exchange/FieldTextCodec.h"
#include "mainwin/CardTextCodec.h"
#include "store/RecordEditor.h"
#include "store/RecordStore.h"
#include "store/SortFile.h"

#include <QFile>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace zendrova::test {

// Field positions of the card table.
inline constexpr int kName = 2;
inline constexpr int kSport = 3;
inline constexpr int kYear = 8;
inline constexpr int kCardNumber = 9;
inline constexpr int kSmallPicture = 10;
inline constexpr int kPurchase = 11;
inline constexpr int kCustom4 = 19;
inline constexpr int kCustom5 = 20;
inline constexpr int kNotes = 21;
inline constexpr int kPicture = 22;

// An open empty card database of its own.
class OpenDatabase
{
public:
    // sortField: the first sort field the database opens with, none for entry order.
    explicit OpenDatabase(ScriptedInteraction &user, int sortField = 0)
    {
        fixture.createDatabase(user);
        if (sortField != 0) {
            SortBytes sort;
            sort.primary = uint8_t(sortField);
            EXPECT_TRUE(SortFile::write(
                fixture.state.databaseFolder, fixture.state.currentTableFile, sort));
        }
        store = std::make_unique<RecordStore>(fixture.state);
        EXPECT_TRUE(store->openDatabase());
    }
    ~OpenDatabase() { store->closeAll(); }

    StoreTable &records() { return store->recordTable(); }

    void addCard(const std::function<void(RecordEditor &)> &fill)
    {
        RecordEditor editor(records());
        editor.append();
        fill(editor);
        editor.post();
    }

    // The texts of a field in physical order.
    QStringList column(int position)
    {
        records().selectNaturalOrder();
        return DatabaseFixture::columnInOrder(records(), position);
    }

    DatabaseFixture fixture;
    std::unique_ptr<RecordStore> store;
};

inline ExchangeSettings settingsFor(char separator, char delimiter, std::vector<int> positions)
{
    ExchangeSettings settings;
    settings.separator = separator;
    settings.delimiter = delimiter;
    settings.positions = std::move(positions);
    return settings;
}

inline QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

inline const QStringList &captions()
{
    return CaptionList::builtInCaptions();
}

inline const FieldTextCodec &cardCodec()
{
    static const FieldTextCodec codec = CardTextCodec::make();
    return codec;
}

} // namespace zendrova::test
