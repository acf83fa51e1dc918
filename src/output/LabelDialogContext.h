#pragma once

#include "output/TLabelRec.h"

#include <QSet>
#include <QString>
#include <QStringList>
#include <functional>

namespace zendrova {

class DateFormatList;
class FieldModel;
class StoreTable;

// What the label dialog works on: the current definition it edits, where the
// templates and the stock files lie, and the records a run prints.
struct LabelDialogContext
{
    TLabelRec *current = nullptr;
    QString userFolder;
    // The folder of the shipped stock files.
    QString stockFolder;
    QStringList captions;
    // Caption-list indexes of memo and picture fields.
    QSet<int> memoOrPicture;
    // The record table in its current order and ranges; nullptr prints nothing.
    StoreTable *table = nullptr;
    const DateFormatList *dateFormats = nullptr;
    bool oneRecord = false;
    // Lifts a letter-tab restriction of the record list for a run.
    std::function<void()> suspendLetterRange;
    // Puts the letter-tab state of the opening back when the dialog closes.
    std::function<void()> restoreLetterRange;
};

// The caption-list indexes whose fields are memos or pictures in these fields.
QSet<int> memoOrPictureIndexes(const FieldModel &fields, int captionCount);

} // namespace zendrova
