#pragma once

#include "common/TTemplateList.h"
#include "store/FilterTemplateSource.h"

namespace zendrova {

class TFilterList;

// Filter templates: "filters.tml" lists them, each ".flt" file holds a whole
// filter in the format of "filter.dat". The current object is the filter
// given at construction. It also serves the filter button's template menu.
class TFilterTemplateList : public TTemplateList, public FilterTemplateSource
{
public:
    static inline const QString kListFileName = QStringLiteral("filters.tml");

    explicit TFilterTemplateList(TFilterList &filter);

    // Clears the filter and reads the template file of this name in the user
    // folder. When it is missing or unusable the filter last saved in that
    // folder ("filter.dat") comes back instead, and the result is false.
    bool loadFile(const QString &fileName);

    // Deletes the template of exactly this name; false when there is none or
    // the list could not be written (the user is told).
    bool deleteNamed(const QString &name);

    QStringList names() const override;
    bool load(int index) override;
    bool save(const QString &name) override;
    void remove(int index) override;

protected:
    QString fileExtension() const override;
    bool saveCurrent(const QString &path) override;
    bool loadCurrent(const QString &path) override;

private:
    TFilterList &m_filter;
};

} // namespace zendrova
