#include "exchange/TextImport.h"

#include "common/Interaction.h"
#include "exchange/ExchangeTexts.h"
#include "exchange/HeaderNames.h"
#include "exchange/TextEncoding.h"
#include "exchange/TextRecordParser.h"
#include "store/RecordEditor.h"
#include "store/StoreTable.h"

#include <memory>

namespace zendrova {

namespace {

// Posts grouped into one change of the index, short enough not to keep
// other users waiting long.
constexpr int kRecordsPerBatch = 200;

QString fromBytes(const QByteArray &bytes)
{
    return fromCp1252(bytes.toStdString());
}

} // namespace

TextImport::TextImport(StoreTable &table, const FieldTextCodec &codec, const QStringList &captions)
    : m_table(table)
    , m_codec(codec)
    , m_captions(captions)
{ }

QString TextImport::captionOf(int position) const
{
    const int index = position - FieldModel::kFirstUserPosition;
    QString caption = index >= 0 && index < m_captions.size() ? m_captions[index] : QString();
    if (caption.endsWith(QLatin1Char(':')))
        caption.chop(1);
    return caption;
}

std::optional<std::vector<int>> TextImport::namedPositions(
    const QByteArray &file, const ExchangeSettings &settings) const
{
    const ImportText text = ImportText::decode(file);
    QStringList names;
    for (const QByteArray &name :
        TextRecordParser::splitFirstLine(text.bytes, settings.layout(m_table.fieldModel())))
        names << fromBytes(name);
    const HeaderNames header = HeaderNames::match(names, m_captions, m_table.fieldModel());
    if (!header.unknown.isEmpty()) {
        showMessage(MessageKind::Error, ExchangeTexts::unknownColumns(header.unknown));
        return std::nullopt;
    }
    return header.positions;
}

int TextImport::run(
    const QByteArray &file, const ExchangeSettings &settings, const Progress &progress)
{
    if (!settings.usable())
        return 0;
    ImportText text = ImportText::decode(file);
    int firstLine = 1;
    if (settings.namesInFirstLine) {
        qsizetype next = 0;
        TextRecordParser::splitFirstLine(text.bytes, settings.layout(m_table.fieldModel()), &next);
        text.bytes.remove(0, next);
        firstLine = 2;
    }
    TextRecordParser parser(
        text.bytes, settings.layout(m_table.fieldModel()), text.unmappable.has_value());
    int stored = 0;
    auto batch = std::make_unique<RecordEditor::WriteBatch>(m_table);
    while (std::optional<TextRecord> record = parser.next()) {
        for (int &line : record->lines)
            line += firstLine - 1;
        if (!storeRecord(record->values, record->lines, settings.positions))
            return stored;
        ++stored;
        if (stored % kRecordsPerBatch == 0) {
            batch.reset();
            batch = std::make_unique<RecordEditor::WriteBatch>(m_table);
        }
        if (progress)
            progress(stored);
    }
    batch.reset();
    if (text.unmappable)
        showMessage(MessageKind::Error,
            ExchangeTexts::unmappable(text.unmappable->line, text.unmappable->character));
    return stored;
}

bool TextImport::storeRecord(const std::vector<QByteArray> &values, const std::vector<int> &lines,
    const std::vector<int> &positions)
{
    RecordEditor editor(m_table);
    QString refusal;
    const bool stored = editor.store(true, [&](RecordEditor &record) {
        for (size_t i = 0; i < values.size() && i < positions.size(); ++i) {
            const QString value = fromBytes(values[i]);
            try {
                m_codec.fromText(record, positions[i], value);
            } catch (const StoreError &error) {
                if (error.kind() != StoreErrorKind::Value)
                    throw;
                refusal = ExchangeTexts::badValue(lines[i], captionOf(positions[i]), value);
                return RecordEditor::Fill::Stop;
            }
        }
        return RecordEditor::Fill::Filled;
    });
    if (stored)
        return true;
    editor.cancel();
    if (refusal.isEmpty())
        refusal = ExchangeTexts::notStored(lines.empty() ? 0 : lines.back());
    showMessage(MessageKind::Error, refusal);
    return false;
}

} // namespace zendrova
