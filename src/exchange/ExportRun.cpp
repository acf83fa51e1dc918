#include "exchange/ExportRun.h"

#include "common/Interaction.h"
#include "exchange/ExchangeProgress.h"
#include "exchange/ExchangeTexts.h"
#include "exchange/TextExport.h"
#include "exchange/ViewWalk.h"
#include "store/StoreError.h"

#include <QSaveFile>

namespace zendrova {

namespace {
// Bytes gathered before each write.
constexpr qsizetype kChunk = 1 << 16;
} // namespace

QString exportCaption(char letter)
{
    return letter == 0 ? ExchangeTexts::exporting() : ExchangeTexts::exportingLetter(letter);
}

bool exportTextFile(const QString &fileName, ViewWalk &walk, const TextExport &writer,
    const QStringList *names, const ExchangeProgress &progress)
{
    QSaveFile file(fileName);
    bool written = file.open(QIODevice::WriteOnly);
    QByteArray chunk;
    chunk.reserve(kChunk + 4096);
    if (names)
        writer.appendNames(chunk, *names);
    int done = 0;
    auto flush = [&] {
        if (written && !chunk.isEmpty())
            written = file.write(chunk) == chunk.size();
        chunk.clear();
    };
    if (written) {
        try {
            walk.run(
                [&](char letter, int total) {
                    done = 0;
                    progress.begin(exportCaption(letter), total);
                },
                [&](const StoreTable &record) {
                    writer.appendRecord(chunk, record);
                    if (chunk.size() >= kChunk)
                        flush();
                    progress.at(++done);
                });
        } catch (const StoreError &) {
            written = false;
        }
        flush();
    }
    if (written && file.commit())
        return true;
    file.cancelWriting();
    showMessage(MessageKind::Error, ExchangeTexts::cannotCreate());
    return false;
}

} // namespace zendrova
