#pragma once

#include "common/TTemplateList.h"

namespace zendrova {

class CaptionList;
class HeaderSections;

// Header templates: "headers.tml" lists them, each ".hdr" file holds the
// (caption, width) pairs of "header.dat". The current object is the header
// given at construction; a loaded template is bound to the caption list.
class THeaderTemplateList : public TTemplateList
{
public:
    static inline const QString kListFileName = QStringLiteral("headers.tml");

    THeaderTemplateList(HeaderSections &header, const CaptionList &captions);

protected:
    QString fileExtension() const override;
    bool saveCurrent(const QString &path) override;
    bool loadCurrent(const QString &path) override;

private:
    HeaderSections &m_header;
    const CaptionList &m_captions;
};

} // namespace zendrova
