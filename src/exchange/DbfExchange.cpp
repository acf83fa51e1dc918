#include "exchange/DbfExchange.h"

#include "common/Interaction.h"
#include "exchange/ExchangeProgress.h"
#include "exchange/ExchangeTexts.h"
#include "exchange/ExportRun.h"
#include "exchange/FieldCopy.h"
#include "exchange/ViewWalk.h"
#include "store/RecordEditor.h"
#include "store/StoreTable.h"
#include "store/TableFiles.h"
#include "store/TableTemplates.h"

#include <QDir>

#include <algorithm>
#include <memory>

namespace zendrova {

namespace {

const QString kExtension = QStringLiteral(".DBF");
// Posts grouped into one change of an index.
constexpr int kRecordsPerBatch = 200;

QString fileOf(const QString &name)
{
    return name + kExtension;
}

} // namespace

DbfExchange::DbfExchange(const QString &userFolder, const QString &templateFolder)
    : m_userFolder(userFolder)
    , m_templateFolder(templateFolder)
{ }

std::optional<QString> DbfExchange::tableName(const QString &typed)
{
    const qsizetype dot = typed.indexOf(QLatin1Char('.'));
    const QString name = (dot < 0 ? typed : typed.left(dot)).trimmed().toUpper();
    if (name.isEmpty() || name.contains(QLatin1Char('/')) || name.contains(QLatin1Char('\\'))
        || name.contains(QLatin1Char(':')) || name.contains(QLatin1Char('*'))
        || name.contains(QLatin1Char('?')) || typed.contains(QStringLiteral("..")))
        return std::nullopt;
    return name;
}

QString DbfExchange::folder() const
{
    return m_userFolder + QLatin1Char('/') + kFolderName;
}

QString DbfExchange::tablePath(const QString &name) const
{
    return folder() + QLatin1Char('/') + fileOf(name);
}

bool DbfExchange::prepareTarget(const QString &name) const
{
    // The folder may be there already; creating it is allowed to fail.
    QDir().mkpath(folder());
    if (TableFiles::exists(folder(), fileOf(name))) {
        if (!askYesNo(MessageKind::Warning, ExchangeTexts::overwrite())
            || !TableFiles::remove(folder(), fileOf(name)))
            return false;
    }
    return TableTemplates::createFromTemplate(m_templateFolder, folder(), fileOf(name), true);
}

bool DbfExchange::exportTo(
    const QString &typed, ViewWalk &walk, const ExchangeProgress &progress) const
{
    const std::optional<QString> name = tableName(typed);
    if (!name) {
        showMessage(MessageKind::Error, ExchangeTexts::badTableName());
        return false;
    }
    if (!prepareTarget(*name)) {
        showMessage(MessageKind::Error, ExchangeTexts::cannotCreate());
        return false;
    }
    StoreTable target;
    target.setFolder(folder());
    target.setFileName(fileOf(*name));
    target.setExclusive(true);
    try {
        target.open();
        auto batch = std::make_unique<RecordEditor::WriteBatch>(target);
        int done = 0;
        int sinceBatch = 0;
        walk.run(
            [&](char letter, int total) {
                done = 0;
                progress.begin(exportCaption(letter), total);
            },
            [&](const StoreTable &record) {
                RecordEditor editor(target);
                editor.append();
                const int count
                    = std::min(record.fieldModel().count(), target.fieldModel().count());
                for (int position = 0; position < count; ++position)
                    copyField(record, editor, position);
                editor.post();
                if (++sinceBatch == kRecordsPerBatch) {
                    sinceBatch = 0;
                    batch.reset();
                    batch = std::make_unique<RecordEditor::WriteBatch>(target);
                }
                progress.at(++done);
            });
        batch.reset();
        target.close();
        progress.end();
    } catch (const StoreError &) {
        target.close();
        progress.end();
        showMessage(MessageKind::Error, ExchangeTexts::cannotCreate());
        return false;
    }
    showMessage(MessageKind::Information,
        ExchangeTexts::exported(QDir::toNativeSeparators(tablePath(*name))));
    return true;
}

int DbfExchange::importFrom(
    const QString &typed, StoreTable &records, const ExchangeProgress &progress) const
{
    const std::optional<QString> name = tableName(typed);
    if (!name) {
        showMessage(MessageKind::Error, ExchangeTexts::badTableName());
        return 0;
    }
    StoreTable source;
    source.setFolder(folder());
    source.setFileName(fileOf(*name));
    if (!TableFiles::exists(folder(), fileOf(*name))) {
        showMessage(MessageKind::Error, ExchangeTexts::cannotOpen());
        return 0;
    }
    int stored = 0;
    bool opened = false;
    try {
        source.open();
        opened = true;
        source.selectNaturalOrder();
        progress.begin(ExchangeTexts::importing(), source.recordCount());
        progress.at(0);
        auto batch = std::make_unique<RecordEditor::WriteBatch>(records);
        const int count = std::min(source.fieldModel().count(), records.fieldModel().count());
        for (source.first(); !source.atEnd(); source.next()) {
            RecordEditor editor(records);
            editor.append();
            for (int position = FieldModel::kFirstUserPosition; position < count; ++position)
                copyField(source, editor, position);
            editor.post();
            if (++stored % kRecordsPerBatch == 0) {
                batch.reset();
                batch = std::make_unique<RecordEditor::WriteBatch>(records);
            }
            progress.at(stored);
        }
        batch.reset();
        source.close();
        progress.end();
    } catch (const StoreError &error) {
        RecordEditor(records).cancel();
        source.close();
        progress.end();
        showMessage(MessageKind::Error,
            opened ? QString::fromLocal8Bit(error.what()) : ExchangeTexts::cannotOpen());
        return stored;
    }
    showMessage(MessageKind::Information, ExchangeTexts::imported());
    return stored;
}

} // namespace zendrova
