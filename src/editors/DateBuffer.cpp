#include "editors/DateBuffer.h"

#include "common/Clock.h"
#include "common/DateSerial.h"
#include "common/DateText.h"

#include <QStringList>

namespace zendrova {

namespace {

const QStringList &knownFormats()
{
    static const QStringList formats{
        QStringLiteral("mm/dd/yyyy"), QStringLiteral("dd/mm/yyyy"), QStringLiteral("yyyy/mm/dd"),
        QStringLiteral("yyyy"),       QStringLiteral("mm/dd/yy"),   QStringLiteral("dd/mm/yy"),
        QStringLiteral("yy/mm/dd")};
    return formats;
}

const QString kYearOnly = QStringLiteral("yyyy");

} // namespace

DateBuffer::DateBuffer()
    : m_format(QStringLiteral("mm/dd/yyyy"))
    , m_text(maskOf(m_format))
    , m_undo(m_text)
{
}

QString DateBuffer::normaliseFormat(const QString &format)
{
    QString f = format.left(10).toLower();
    for (QChar &c : f) {
        if (!c.isLetter())
            c = kSeparator;
    }
    if (f.size() >= 2 && f[1] == kSeparator)
        f.insert(0, f[0]);
    if (f.size() >= 5 && f[4] == kSeparator && f[3] != QLatin1Char('y'))
        f.insert(3, f[3]);
    return knownFormats().contains(f) ? f : knownFormats().first();
}

int DateBuffer::formatCode(const QString &format)
{
    if (format == kYearOnly)
        return 3;
    switch (DateText::orderOf(format)) {
    case DateOrder::MonthDayYear:
        return 0;
    case DateOrder::DayMonthYear:
        return 1;
    case DateOrder::YearMonthDay:
        return 2;
    }
    return 0;
}

QString DateBuffer::formatOfCode(int code)
{
    return knownFormats().value(code >= 0 && code <= 3 ? code : 0);
}

QString DateBuffer::maskOf(const QString &format)
{
    QString mask = format;
    for (QChar &c : mask)
        c = c == kSeparator ? kSeparator : kBlank;
    return mask;
}

bool DateBuffer::isSeparatorAt(int place) const
{
    return place >= 0 && place < length() && m_text[place] == kSeparator;
}

bool DateBuffer::setFormat(const QString &format)
{
    const QString normal = normaliseFormat(format);
    if (normal == m_format)
        return false;
    const std::optional<QDate> current = isBlank() ? std::nullopt : readAs(m_format);
    const bool hadValue = !isBlank();
    m_format = normal;
    m_text = maskOf(m_format);
    if (hadValue)
        setDate(current.value_or(Clock::today()));
    m_caret = std::min(m_caret, length());
    return true;
}

bool DateBuffer::setText(const QString &text)
{
    if (text.isEmpty()) {
        clear();
        return true;
    }
    if (text.size() != length())
        return false;
    for (int i = 0; i < length(); ++i) {
        if ((text[i] == kSeparator) != isSeparatorAt(i))
            return false;
    }
    const QString previous = m_text;
    m_text = text;
    if (!isBlank() && !readAs(m_format)) {
        m_text = previous;
        return false;
    }
    return true;
}

void DateBuffer::clear()
{
    m_text = maskOf(m_format);
    m_caret = 0;
}

void DateBuffer::typeDigit(QChar digit)
{
    if (!digit.isDigit() || digit.unicode() > 127)
        return;
    // The caret may sit right before a separator after Left; never overwrite it.
    if (isSeparatorAt(m_caret))
        ++m_caret;
    if (m_caret >= length())
        return;
    m_text[m_caret] = digit;
    ++m_caret;
    if (isSeparatorAt(m_caret))
        ++m_caret;
}

void DateBuffer::backspace()
{
    if (m_caret == 0)
        return;
    if (isSeparatorAt(m_caret - 1))
        --m_caret;
    if (m_caret == 0)
        return;
    m_text[m_caret - 1] = kBlank;
    --m_caret;
}

void DateBuffer::eraseAfterCaret()
{
    if (m_caret < length() && !isSeparatorAt(m_caret))
        m_text[m_caret] = kBlank;
}

void DateBuffer::left()
{
    if (m_caret == 0)
        return;
    --m_caret;
    if (m_caret > 0 && isSeparatorAt(m_caret - 1))
        --m_caret;
}

void DateBuffer::right()
{
    if (m_caret >= length())
        return;
    ++m_caret;
    if (isSeparatorAt(m_caret))
        ++m_caret;
}

void DateBuffer::placeCaret(int position)
{
    m_caret = std::clamp(position, 0, length());
    if (isSeparatorAt(m_caret))
        --m_caret;
}

bool DateBuffer::isBlank() const
{
    for (QChar c : m_text) {
        if (c != kBlank && c != kSeparator)
            return false;
    }
    return true;
}

void DateBuffer::zeroFill()
{
    if (isBlank())
        return;
    bool digitSeen = false;
    for (QChar &c : m_text) {
        if (c == kSeparator)
            digitSeen = false;
        else if (c != kBlank)
            digitSeen = true;
        else if (!digitSeen)
            c = QLatin1Char('0');
    }
}

bool DateBuffer::validate()
{
    if (isBlank())
        return true;
    zeroFill();
    return readAs(m_format).has_value();
}

std::optional<QDate> DateBuffer::readAs(const QString &format) const
{
    const QDate today = Clock::today();
    if (format == kYearOnly)
        return DateText::parse(QStringLiteral("01/01/") + m_text, DateOrder::DayMonthYear, today);
    return DateText::parse(m_text, DateText::orderOf(format), today);
}

QString DateBuffer::invalidDateText()
{
    return tr("Invalid Date!");
}

std::optional<QDate> DateBuffer::date() const
{
    if (isBlank())
        return std::nullopt;
    // Read as leaving the editor would read it: "5/_7/1996" is 05/07/1996.
    DateBuffer filled = *this;
    filled.zeroFill();
    return filled.readAs(m_format);
}

double DateBuffer::value() const
{
    if (isBlank())
        return 0.0;
    return serialFromDate(readAs(m_format).value_or(Clock::today()));
}

void DateBuffer::setValue(double serial)
{
    const QDate date = serial == 0.0 ? QDate() : dateFromSerial(serial);
    if (date.isValid())
        setDate(date);
    else
        clear();
}

void DateBuffer::setDate(QDate date)
{
    m_text = DateText::format(date, m_format);
    m_caret = std::min(m_caret, length());
}

} // namespace zendrova
