#pragma once

#include "mainwin/TRecordTemplateList.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <optional>

namespace zendrova {

class AppState;
class RecordCycle;
class RecordStore;
class StoreTable;

// Record templates: named records that fill a new record or replace the
// card's values. Template k's record is row k + 1 of the copy/paste table
// (row 0 is the copy buffer); its name is entry k of the template list.
// Every change keeps the two in step.
class RecordTemplates
{
    Q_DECLARE_TR_FUNCTIONS(RecordTemplates)

public:
    static QString notLoadedText();
    static QString nameRequiredText();
    static QString notCreatedText();
    static QString deleteQuestionText();

    // A date field of the table as the save dialog offers it.
    struct DateField
    {
        int position;
        QString caption;
    };

    RecordTemplates(AppState &state, RecordStore &store, RecordCycle &cycle);

    TRecordTemplateList &list() { return m_list; }
    // The list from the user folder.
    void load();
    bool save() const;

    // The card takes the template's values, its today markers as today's
    // date; "Blank" clears the card. A name without a stored record is reported.
    void replaceCard(const QString &name);
    // A new record starts from the template: silently nothing when it is
    // "Blank" or its record is missing.
    void fillNewRecord(const QString &name);

    // The date fields of the record table, captioned as the card shows them.
    QList<DateField> dateFields() const;
    // The date fields (positions) of template index that hold the today marker.
    QList<int> todayFields(int index);

    // The template a save under name goes to: an existing name's index, or a
    // new template at the end of the list (saved at once). Nothing, after
    // telling the user, for an empty name, "Blank", or a list that cannot be saved.
    std::optional<int> chooseName(const QString &name);
    // Writes the card into template index's record (made when missing) and
    // the today marker into the date fields at todayPositions.
    bool saveCard(int index, const QList<int> &todayPositions);
    // Deletes template index: its record and then its name. False (after
    // telling the user) when the record cannot be deleted.
    bool remove(int index);

private:
    StoreTable &table();
    // On template index's record; false when it has none.
    bool gotoTemplate(int index);

    AppState &m_state;
    RecordStore &m_store;
    RecordCycle &m_cycle;
    TRecordTemplateList m_list;
};

} // namespace zendrova
