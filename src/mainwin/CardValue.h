#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>

#include <optional>

namespace zendrova {

// What one card control holds, in the form its kind keeps it: one-line
// edits, lookups and the memo a text, a currency control its amount (none
// for a blank field nobody has touched), a date control its date (none while
// blank; a text that reads as no date is kept as text), a picture control the
// picture's bytes (empty for no picture). A default value is an emptied
// control: a currency control's emptied amount is 0.
struct CardValue
{
    QString text;
    std::optional<double> number = 0.0;
    std::optional<QDate> date;
    QByteArray picture;

    static CardValue ofText(const QString &text) { return { text, 0.0, {}, {} }; }
    static CardValue ofNumber(std::optional<double> number) { return { {}, number, {}, {} }; }
    static CardValue blankNumber() { return ofNumber(std::nullopt); }
    static CardValue ofDate(const std::optional<QDate> &date) { return { {}, 0.0, date, {} }; }
    // What a date control shows when it reads as no date (02/31/1999).
    static CardValue ofUnreadableDate(const QString &shown) { return { shown, 0.0, {}, {} }; }
    static CardValue ofPicture(const QByteArray &bytes) { return { {}, 0.0, {}, bytes }; }

    bool operator==(const CardValue &) const = default;
};

} // namespace zendrova
