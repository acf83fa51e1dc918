#include "mainwin/TLabelTemplateList.h"

#include "common/FileLookup.h"
#include "common/TextLinesFile.h"

#include <QFileInfo>

namespace zendrova {

TLabelTemplateList::TLabelTemplateList(CaptionList &captions)
    : TTemplateList(kListFileName)
    , m_captions(captions)
{ }

bool TLabelTemplateList::loadFile(const QString &fileName)
{
    if (userFolder().isEmpty() || fileName.isEmpty())
        return false;
    return loadCurrent(programFilePath(userFolder(), fileName));
}

QString TLabelTemplateList::fileExtension() const
{
    return QStringLiteral(".lab");
}

bool TLabelTemplateList::saveCurrent(const QString &path)
{
    const QFileInfo file(path);
    return writeTextLines(file.absolutePath(), file.fileName(), m_captions.captions());
}

bool TLabelTemplateList::loadCurrent(const QString &path)
{
    const QFileInfo file(path);
    const auto lines = readTextLines(file.absolutePath(), file.fileName());
    if (!lines || lines->isEmpty())
        return false;
    m_captions.setCaptions(*lines);
    return true;
}

} // namespace zendrova
