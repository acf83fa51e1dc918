#include "common/SystemOptionsFile.h"

#include "common/AppState.h"
#include "common/ByteReader.h"
#include "common/ByteWriter.h"
#include "common/FileLookup.h"
#include "common/PasswordHash.h"
#include "common/WholeFile.h"

namespace zendrova {

namespace {

std::optional<SystemOptionsFile::Record> readRecordIn(const QString &folder)
{
    const auto bytes = readFileIn(folder, SystemOptionsFile::kFileName);
    return bytes ? SystemOptionsFile::decode(*bytes) : std::nullopt;
}

} // namespace

std::optional<SystemOptionsFile::Record> SystemOptionsFile::decode(const QByteArray &bytes)
{
    ByteReader in(bytes);
    Record record;
    record.options.passwordMode = static_cast<PasswordMode>(in.choice(1));
    record.options.publicAccessRights = static_cast<PublicAccessRights>(in.choice(3));
    record.dataDirectory = in.scrambled(kSettingsKey);
    record.options.usersCount = static_cast<UsersCount>(in.choice(1));
    record.supervisorPassword = in.scrambled(kSettingsKey);
    if (!in.ok())
        return std::nullopt;
    return record;
}

QByteArray SystemOptionsFile::encode(const Record &record)
{
    ByteWriter out;
    out.word(static_cast<std::uint16_t>(record.options.passwordMode));
    out.word(static_cast<std::uint16_t>(record.options.publicAccessRights));
    out.scrambled(record.dataDirectory, kSettingsKey);
    out.word(static_cast<std::uint16_t>(record.options.usersCount));
    out.scrambled(PasswordHash::storable(record.supervisorPassword), kSettingsKey);
    return out.bytes();
}

bool SystemOptionsFile::read(AppState &state)
{
    const auto fromProgramFolder = readRecordIn(state.programFolder);
    if (!fromProgramFolder)
        return false;
    state.systemOptions = fromProgramFolder->options;
    state.supervisorPassword = fromProgramFolder->supervisorPassword;
    state.dataDirectory = fromProgramFolder->dataDirectory;

    // The shared copy is the one every workstation of the installation sees.
    if (state.dataDirectory != state.programFolder) {
        if (const auto fromDataDirectory = readRecordIn(state.dataDirectory)) {
            state.systemOptions = fromDataDirectory->options;
            state.supervisorPassword = fromDataDirectory->supervisorPassword;
        }
    }

    if (!canEnterFolder(state.dataDirectory) || !canEnterFolder(state.programFolder))
        state.dataDirectory = state.programFolder;
    return true;
}

bool SystemOptionsFile::write(const AppState &state)
{
    if (!ByteWriter::fitsString(state.dataDirectory))
        return false;
    const QByteArray bytes
        = encode({ state.systemOptions, state.dataDirectory, state.supervisorPassword });
    bool written = writeFileIn(state.programFolder, kFileName, bytes);
    if (state.dataDirectory != state.programFolder)
        written = writeFileIn(state.dataDirectory, kFileName, bytes) && written;
    return written;
}

} // namespace zendrova
