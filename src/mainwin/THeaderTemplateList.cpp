#include "mainwin/THeaderTemplateList.h"

#include "mainwin/HeaderSections.h"

namespace zendrova {

THeaderTemplateList::THeaderTemplateList(HeaderSections &header, const CaptionList &captions)
    : TTemplateList(kListFileName)
    , m_header(header)
    , m_captions(captions)
{ }

QString THeaderTemplateList::fileExtension() const
{
    return QStringLiteral(".hdr");
}

bool THeaderTemplateList::saveCurrent(const QString &path)
{
    return m_header.save(path);
}

bool THeaderTemplateList::loadCurrent(const QString &path)
{
    return m_header.loadTemplate(path, m_captions);
}

} // namespace zendrova
