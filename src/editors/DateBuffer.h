#pragma once

#include <QCoreApplication>
#include <QDate>
#include <QString>
#include <optional>

namespace zendrova {

// The masked, overwrite-only text of a date editor: digits, "_" for an empty
// place and "/" at the separator places, with its own caret (0 .. length).
class DateBuffer
{
    Q_DECLARE_TR_FUNCTIONS(DateBuffer)

public:
    static constexpr QChar kBlank = QLatin1Char('_');
    static constexpr QChar kSeparator = QLatin1Char('/');

    DateBuffer();

    // Brings any format text to one of the editor's formats (letters lower-case,
    // other characters "/", single letters doubled); unknown ones give "mm/dd/yyyy".
    static QString normaliseFormat(const QString &format);
    // Format code of the date format menu: 0 month first, 1 day first, 2 year first, 3 year only.
    static int formatCode(const QString &format);
    static QString formatOfCode(int code);

    const QString &format() const { return m_format; }
    const QString &text() const { return m_text; }
    int caret() const { return m_caret; }
    int length() const { return static_cast<int>(m_text.size()); }
    bool isSeparatorAt(int place) const;

    // Rewrites the current value in the new format; returns false when nothing changed.
    bool setFormat(const QString &format);
    // Accepts a blank or valid text in the current format; an empty text clears.
    bool setText(const QString &text);
    void clear();

    void typeDigit(QChar digit);
    void backspace();
    // A Backspace that carries no key data: blanks the place after the caret, caret stays.
    void eraseAfterCaret();
    void home() { m_caret = 0; }
    void end() { m_caret = length(); }
    void left();
    void right();
    void placeCaret(int position);

    bool isBlank() const;
    // Blank places before a group's first digit become "0".
    void zeroFill();
    // Zero-fills, then checks; a blank buffer is valid.
    bool validate();
    // Why a buffer that is neither blank nor a date cannot be left.
    static QString invalidDateText();

    // The date the buffer reads as once zero-filled, or nothing (blank or
    // not a date).
    std::optional<QDate> date() const;
    // Date serial: 0 when blank, today for a buffer that is not a date.
    double value() const;
    void setValue(double serial);
    void setDate(QDate date);

    // Text kept when the editor was entered (or before the last clear).
    const QString &undoText() const { return m_undo; }
    void rememberUndo() { m_undo = m_text; }
    bool canUndo() const { return m_text != m_undo; }
    void undo() { setText(m_undo); }

private:
    static QString maskOf(const QString &format);
    std::optional<QDate> readAs(const QString &format) const;

    QString m_format;
    QString m_text;
    QString m_undo;
    int m_caret = 0;
};

} // namespace zendrova
