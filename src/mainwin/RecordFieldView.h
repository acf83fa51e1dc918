#pragma once

#include <QCoreApplication>
#include <QStringList>

namespace zendrova {

class CaptionList;
class DateFormatList;
class StoreTable;

// A record's user fields as the menus that show a whole record list them:
// each field's caption and its value cut to 50 characters; a memo by its
// first line, a picture by whether it holds one.
class RecordFieldView
{
    Q_DECLARE_TR_FUNCTIONS(RecordFieldView)

public:
    static constexpr int kValueLength = 50;

    // A memo or picture that cannot be read raises StoreError.
    static QStringList lines(
        const StoreTable &record, const CaptionList &captions, const DateFormatList &dateFormats);
    static QString corruptMemoText(const QString &recordName);
};

} // namespace zendrova
