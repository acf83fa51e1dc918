#pragma once

#include "common/CaptionList.h"
#include "common/TTemplateList.h"

namespace zendrova {

// Caption templates: "labels.tml" lists them, each ".lab" file holds the
// caption list as the lines of "labels.dat". The current object is the
// caption list given at construction.
class TLabelTemplateList : public TTemplateList
{
public:
    static inline const QString kListFileName = QStringLiteral("labels.tml");

    explicit TLabelTemplateList(CaptionList &captions);

    // Replaces the captions with those of the template file of this name in
    // the user folder; false, changing nothing, when it is missing, unreadable
    // or empty.
    bool loadFile(const QString &fileName);

protected:
    QString fileExtension() const override;
    bool saveCurrent(const QString &path) override;
    bool loadCurrent(const QString &path) override;

private:
    CaptionList &m_captions;
};

} // namespace zendrova
