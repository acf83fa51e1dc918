#pragma once

#include "store/FieldModel.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <optional>

namespace zendrova {

class TFilterList;

// Which pair of value editors a field's condition is typed into.
enum class FilterValueEditor { Text, Number, Date };

// What the list panel's button does: fill the list from the field's lookup
// list, or add dates picked one after another from the calendar.
enum class ListButton { Hidden, Populate, AddDates };

// Which parts of the field filter dialog a condition shows.
struct FieldFilterLayout
{
    bool firstShown = false;
    bool secondShown = false;
    bool text3Shown = false;
    bool text4Shown = false;
    bool panelShown = false;
    QString text3;

    bool operator==(const FieldFilterLayout &) const = default;
};

// The condition of one filter entry as the field filter dialog edits it: the
// editors by field type, the layout by condition and the checks of OK.
class FieldFilterModel
{
    Q_DECLARE_TR_FUNCTIONS(FieldFilterModel)

public:
    FieldFilterModel(TFilterList &filter, int entryIndex, int fieldPos, QString caption,
        FieldKind fieldKind, bool hasLookup);

    static QString emptyText() { return tr("The Field expression cannot be Empty!"); }

    QString windowCaption() const { return tr("Filter For ") + m_caption; }
    const QString &fieldCaption() const { return m_caption; }
    int fieldPos() const { return m_fieldPos; }
    // 1 text, 6 number, 9 date, 0 any other type.
    std::uint8_t kind() const { return m_kind; }
    FilterValueEditor editor() const { return m_editor; }
    ListButton listButton() const { return m_listButton; }
    struct ButtonText
    {
        QString caption;
        QString hint;
    };
    static ButtonText listButtonText(ListButton button);
    static FieldFilterLayout layoutFor(int condition);

    // The entry as it is now; nothing for an index outside the filter.
    QString value1() const;
    QString value2() const;
    QStringList values() const;
    int condition() const;

    // OK: checks the values (telling the user what is missing) and stores
    // them into the entry; false keeps the dialog open. Empty lines leave the
    // One Of list, which comes back as stored. Empty texts mean empty editors.
    bool accept(int condition, const QString &first, const QString &second, QStringList &lines);

    // Asks for one date after another until the step gives none; the dates
    // in the order given.
    using CalendarStep = std::function<std::optional<QString>()>;
    static QStringList collectDates(const CalendarStep &step);

    // A new filter date format (0..3) for the conditions stored from now on;
    // conditions stored earlier keep the dates they were read as.
    void changeDateFormat(int setting);

private:
    TFilterList &m_filter;
    int m_entryIndex;
    int m_fieldPos;
    QString m_caption;
    std::uint8_t m_kind = 0;
    FilterValueEditor m_editor = FilterValueEditor::Text;
    ListButton m_listButton = ListButton::Hidden;
};

} // namespace zendrova
