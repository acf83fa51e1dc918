#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>

#include <optional>

namespace zendrova {

// What one card control holds, in the form its kind keeps it: one-line
// edits, lookups and the memo a text, a currency control its amount, a date
// control its date (none while blank), a picture control the picture's bytes
// (empty for no picture). A default value is an emptied control.
struct CardValue
{
    QString text;
    double number = 0;
    std::optional<QDate> date;
    QByteArray picture;

    static CardValue ofText(const QString &text) { return { text, 0, {}, {} }; }
    static CardValue ofNumber(double number) { return { {}, number, {}, {} }; }
    static CardValue ofDate(const std::optional<QDate> &date) { return { {}, 0, date, {} }; }
    static CardValue ofPicture(const QByteArray &bytes) { return { {}, 0, {}, bytes }; }

    bool operator==(const CardValue &) const = default;
};

} // namespace zendrova
