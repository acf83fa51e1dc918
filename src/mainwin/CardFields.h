#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>

class QObject;

namespace zendrova {

// How a card control moves its value between itself and its field.
enum class CardControlKind { Edit, Lookup, Currency, Date, Picture, Memo };

// One of the 21 user fields as the record card shows it.
struct CardField
{
    int tag = 0;  // the field number, 1..21
    int page = 0; // the card page, 1..4
    CardControlKind kind = CardControlKind::Edit;
    QString builtInCaption;
    QString hint;
    // The lookup list table, empty for every other kind.
    QString lookupSource;
    // How a currency control shows its amount, empty for every other kind.
    QString displayFormat;

    // The record table position the control is bound to.
    int fieldPosition() const { return tag + 1; }
    // Holds one line of text: takes the one-line font and its height.
    bool isOneLine() const;
};

// The fixed table of the card's fields, in field-number order (index tag - 1).
class CardFields
{
    Q_DECLARE_TR_FUNCTIONS(CardFields)

public:
    static constexpr int kCount = 21;
    static constexpr int kPageCount = 4;

    static const QList<CardField> &all();
    static const CardField &byTag(int tag) { return all().at(tag - 1); }
    static QString hintFor(CardControlKind kind);

    // The number of fields on each page, pages in order.
    static QList<int> pageFieldCounts();
    // The 1-based page of the control at index i: the first page at which the
    // running sum of counts exceeds i; 0 when i lies beyond every page.
    static int pageOfIndex(int index, const QList<int> &pageCounts);

    // The field number a control or caption label carries ("Tag"), 0 for none.
    static int tagOf(const QObject *object);
    static void setTag(QObject *object, int tag);
};

} // namespace zendrova
