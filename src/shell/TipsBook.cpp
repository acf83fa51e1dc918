#include "shell/TipsBook.h"

#include "common/FileText.h"
#include "common/Interaction.h"

#include <QFile>
#include <QRandomGenerator>

namespace zendrova {

namespace {

std::optional<QStringList> readLines(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QStringList lines = textFromFileBytes(file.readAll()).split(QLatin1Char('\n'));
    for (QString &line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    }
    // The break after the last line starts no line of its own.
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace

QString TipsBook::cannotOpenText()
{
    return tr("Cannot open the Hints file.");
}

TipsBook::TipsBook(QString path)
    : m_path(std::move(path))
{
    const std::optional<QStringList> lines = readLines(m_path);
    if (!lines) {
        showMessage(MessageKind::Error, cannotOpenText());
        return;
    }
    bool ok = false;
    const int n = lines->value(0).trimmed().toInt(&ok);
    m_count = ok && n > 0 ? n : 0;
}

int TipsBook::startTip(int count, QRandomGenerator &random)
{
    if (count <= 0)
        return 0;
    if (count == 1)
        return 1;
    return 1 + int(random.bounded(count - 1));
}

std::optional<QStringList> TipsBook::readBody() const
{
    std::optional<QStringList> lines = readLines(m_path);
    if (!lines) {
        showMessage(MessageKind::Error, cannotOpenText());
        return std::nullopt;
    }
    if (!lines->isEmpty())
        lines->removeFirst();
    return lines;
}

void TipsBook::show(int k)
{
    m_current = k;
    const std::optional<QStringList> body = readBody();
    if (!body)
        return;
    const QString heading = QStringLiteral("[%1]").arg(std::min(m_count, k));
    const qsizetype start = body->indexOf(heading);
    if (start < 0)
        return;
    m_lines.clear();
    for (qsizetype i = start + 1; i < body->size(); ++i) {
        if (body->at(i).startsWith(QLatin1Char('[')))
            break;
        m_lines.append(body->at(i));
    }
}

} // namespace zendrova
