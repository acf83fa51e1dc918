#include "common/UserOptionsFile.h"

#include "common/AppState.h"
#include "common/ByteReader.h"
#include "common/ByteWriter.h"
#include "common/WholeFile.h"

namespace zendrova {

namespace {
constexpr int kReservedTailStrings = 4;

bool mayRestoreLastDatabase(const AppState &state, const UserOptionsFile::Record &record)
{
    if (record.options.initialDataFile != UserOptions::kLoadLastUsedFile
        || record.lastTableFile.isEmpty() || record.lastDatabaseFolder.isEmpty())
        return false;
    // A user barred from public files must not be put back into one.
    return state.isSupervisor || state.accessLevel != AccessLevel::None
        || !state.isPublicFolder(record.lastDatabaseFolder);
}
} // namespace

std::optional<UserOptionsFile::Record> UserOptionsFile::decode(
    const QByteArray &bytes, const UserOptions &current)
{
    ByteReader in(bytes);
    Record record;
    UserOptions &o = record.options;
    o = current;
    o.menusAndSpeedBars = in.choice(2);
    o.reserved2 = in.word();
    o.reserved3 = in.word();
    o.hintMessages = in.choice(1);
    o.letterTabs = in.choice(1);
    o.initialDataFile = in.choice(1);
    o.reserved7 = in.word();
    o.filterDateFormat = in.choice(3);
    o.speedBarLocation = in.choice(1);
    o.recordDeleteMode = in.choice(1);
    record.lastTableFile = in.scrambled(kSettingsKey);
    record.lastDatabaseFolder = in.scrambled(kSettingsKey);
    o.reserved13 = in.word();
    o.letterTabsLocation = in.choice(1);
    o.stayOnTop = in.flag();
    o.displayTips = in.flag();
    if (in.ok() && !in.atEnd()) {
        for (int i = 0; i < kReservedTailStrings; ++i)
            in.scrambled(kSettingsKey);
        o.recordButtonsFont = in.font();
        o.oneLineFieldsFont = in.font();
        o.multiLineFieldsFont = in.font();
        o.autoFill = in.flag();
        o.displayReminders = in.flag();
    }
    if (!in.ok())
        return std::nullopt;
    return record;
}

QByteArray UserOptionsFile::encode(const Record &record)
{
    const UserOptions &o = record.options;
    ByteWriter out;
    out.word(o.menusAndSpeedBars);
    out.word(o.reserved2);
    out.word(o.reserved3);
    out.word(o.hintMessages);
    out.word(o.letterTabs);
    out.word(o.initialDataFile);
    out.word(o.reserved7);
    out.word(o.filterDateFormat);
    out.word(o.speedBarLocation);
    out.word(o.recordDeleteMode);
    out.scrambled(record.lastTableFile, kSettingsKey);
    out.scrambled(record.lastDatabaseFolder, kSettingsKey);
    out.word(o.reserved13);
    out.word(o.letterTabsLocation);
    out.flag(o.stayOnTop);
    out.flag(o.displayTips);
    for (int i = 0; i < kReservedTailStrings; ++i)
        out.scrambled(QString(), kSettingsKey);
    out.font(o.recordButtonsFont);
    out.font(o.oneLineFieldsFont);
    out.font(o.multiLineFieldsFont);
    out.flag(o.autoFill);
    out.flag(o.displayReminders);
    return out.bytes();
}

bool UserOptionsFile::read(AppState &state)
{
    state.databaseFolder = state.userFolder;
    const auto bytes = readFileIn(state.userFolder, kFileName);
    if (!bytes)
        return false;
    const auto record = decode(*bytes, state.userOptions);
    if (!record)
        return false;
    state.userOptions = record->options;
    if (mayRestoreLastDatabase(state, *record)) {
        state.currentTableFile = record->lastTableFile;
        if (record->lastDatabaseFolder.startsWith(state.dataDirectory))
            state.databaseFolder = record->lastDatabaseFolder;
    }
    return true;
}

bool UserOptionsFile::write(const AppState &state)
{
    if (!ByteWriter::fitsString(state.currentTableFile)
        || !ByteWriter::fitsString(state.databaseFolder))
        return false;
    const QByteArray bytes
        = encode({ state.userOptions, state.currentTableFile, state.databaseFolder });
    return writeFileIn(state.userFolder, kFileName, bytes);
}

} // namespace zendrova
