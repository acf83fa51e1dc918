#pragma once

#include "store/FilterScope.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <optional>

namespace zendrova {

class CaptionList;
class FieldModel;
class TFilterList;
class TFilterTemplateList;

// What the filter dialog hands back to the main window.
struct FilterDialogResult
{
    // Closed with Apply: re-mark every record, then show the Normal scope.
    bool apply = false;
    // Closed otherwise with another scope chosen: show that scope.
    std::optional<FilterScope> scope;
};

// The state of the filter dialog: which fields can take part, the entries
// of the filter (changed in place), the selected entry, the scope chosen and
// whether Edit and Apply are enabled. The entry lines and the filter entries
// are changed in step, so a line's index is its entry's index.
class FilterDialogModel
{
    Q_DECLARE_TR_FUNCTIONS(FilterDialogModel)

public:
    FilterDialogModel(TFilterList &filter, const CaptionList &captions, const FieldModel &fields,
        FilterScope scope);

    static QString loadErrorText() { return tr("Error Loading Template."); }

    // Captions of the user fields that can be filtered, in field-number order.
    const QStringList &allFields() const { return m_allFields; }
    // The caption of each entry's field, in entry order.
    QStringList usedFields() const;
    // The position of the first field with this caption (ignoring case); -1.
    int fieldPosOf(const QString &caption) const;
    // The caption of a field position; empty when the field has none.
    QString captionOf(int fieldPos) const;

    int selected() const { return m_selected; }
    void select(int index);
    bool editEnabled() const;
    // Some entry has a condition.
    bool applyEnabled() const;
    bool isTicked(int index) const;

    // Appends an unset entry for the caption's field and selects it; false
    // when the field already has one (or the caption names no field).
    bool add(const QString &caption);
    // Removes the selected entry; the line now at its place stays selected.
    void remove();
    void removeAll();
    // The entry Edit would open: its index and field position, when a line is selected.
    std::optional<std::pair<int, int>> editTarget() const;

    // Replaces the filter with the template file; when that fails the saved
    // filter comes back and the user is told.
    bool loadTemplate(TFilterTemplateList &templates, const QString &fileName);

    FilterScope chosenScope() const { return m_chosenScope; }
    void chooseScope(FilterScope scope) { m_chosenScope = scope; }
    // applied: the dialog closed through Apply.
    FilterDialogResult result(bool applied) const;

private:
    TFilterList &m_filter;
    const CaptionList &m_captions;
    QStringList m_allFields;
    int m_firstPos = 0;
    int m_selected = -1;
    FilterScope m_scope;
    FilterScope m_chosenScope;
};

} // namespace zendrova
