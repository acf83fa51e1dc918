#include "common/CaptionList.h"

#include "common/Interaction.h"
#include "common/TextLinesFile.h"

namespace zendrova {

const QStringList &CaptionList::builtInCaptions()
{
    static const QStringList captions { QStringLiteral("Card Name:"), QStringLiteral("Sport:"),
        QStringLiteral("Brand:"), QStringLiteral("Type:"), QStringLiteral("Team:"),
        QStringLiteral("Position:"), QStringLiteral("Year:"), QStringLiteral("Card Number:"),
        QStringLiteral("Small Picture:"), QStringLiteral("Purchase Price:"),
        QStringLiteral("Current Value:"), QStringLiteral("Sale Price:"), QStringLiteral("Status:"),
        QStringLiteral("Condition:"), QStringLiteral("Custom 1:"), QStringLiteral("Custom 2:"),
        QStringLiteral("Custom 3:"), QStringLiteral("Custom 4:"), QStringLiteral("Custom 5:"),
        QStringLiteral("Notes:"), QStringLiteral("Picture:") };
    return captions;
}

bool CaptionList::load(const QString &userFolder)
{
    m_captions.clear();
    const auto lines = readTextLines(userFolder, kFileName);
    if (!lines)
        return false;
    setCaptions(*lines);
    return true;
}

void CaptionList::setCaptions(const QStringList &captions)
{
    m_captions = captions.mid(0, kCount);
    if (m_captions.isEmpty())
        return;
    while (m_captions.size() < kCount)
        m_captions.append(builtInCaptions().at(m_captions.size()));
}

bool CaptionList::save(const QString &userFolder) const
{
    if (writeTextLines(userFolder, kFileName, m_captions))
        return true;
    showMessage(MessageKind::Error, tr("Could not Save Options to a File!"));
    return false;
}

void CaptionList::fillDefaultsIfEmpty()
{
    if (m_captions.isEmpty())
        m_captions = builtInCaptions();
}

QString CaptionList::caption(int fieldNumber) const
{
    if (fieldNumber < 1 || fieldNumber > m_captions.size())
        return {};
    return m_captions.at(fieldNumber - 1);
}

void CaptionList::setCaption(int fieldNumber, const QString &caption)
{
    fillDefaultsIfEmpty();
    if (fieldNumber >= 1 && fieldNumber <= kCount)
        m_captions[fieldNumber - 1] = caption;
}

int CaptionList::fieldNumberOf(const QString &caption) const
{
    return static_cast<int>(m_captions.indexOf(caption)) + 1;
}

} // namespace zendrova
