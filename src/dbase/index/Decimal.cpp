#include "dbase/index/Decimal.h"

#include <algorithm>

namespace dbase {

namespace {

// Field widths stop at 20 and literals are short; anything longer is not a number we store.
constexpr size_t kMaxDigits = 60;

bool isBlank(char c) { return c == ' ' || c == '\t'; }

} // namespace

bool Decimal::parse(std::string_view text, Decimal &out)
{
    out = Decimal();
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && (isBlank(text.back()) || text.back() == '\0'))
        text.remove_suffix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    std::string digits;
    int fraction = 0;
    bool seenPoint = false;
    bool seenDigit = false;
    for (char c : text) {
        if (c >= '0' && c <= '9') {
            seenDigit = true;
            digits.push_back(c);
            if (seenPoint)
                ++fraction;
        } else if (c == '.' && !seenPoint) {
            seenPoint = true;
        } else {
            return false;
        }
    }
    if (!seenDigit || digits.size() > kMaxDigits)
        return false;
    out.negative_ = negative;
    out.digits_ = std::move(digits);
    out.exponent_ = -fraction;
    out.normalize();
    return true;
}

Decimal Decimal::fromField(std::string_view raw)
{
    Decimal value;
    parse(raw, value);
    return value;
}

Decimal Decimal::fromInteger(long long value)
{
    Decimal result;
    parse(std::to_string(value), result);
    return result;
}

void Decimal::normalize()
{
    size_t lead = 0;
    while (lead < digits_.size() && digits_[lead] == '0')
        ++lead;
    digits_.erase(0, lead);
    while (!digits_.empty() && digits_.back() == '0') {
        digits_.pop_back();
        ++exponent_;
    }
    if (digits_.empty()) {
        negative_ = false;
        exponent_ = 0;
    }
}

int Decimal::integerDigits() const
{
    return std::max(0, static_cast<int>(digits_.size()) + exponent_);
}

Decimal Decimal::operator-() const
{
    Decimal result = *this;
    if (!result.isZero())
        result.negative_ = !negative_;
    return result;
}

std::strong_ordering Decimal::compareMagnitude(const Decimal &a, const Decimal &b)
{
    if (a.isZero() || b.isZero())
        return a.digits_.size() <=> b.digits_.size();
    // The position of the leading digit decides first.
    const int leadA = static_cast<int>(a.digits_.size()) + a.exponent_;
    const int leadB = static_cast<int>(b.digits_.size()) + b.exponent_;
    if (leadA != leadB)
        return leadA <=> leadB;
    const size_t n = std::max(a.digits_.size(), b.digits_.size());
    for (size_t i = 0; i < n; ++i) {
        const char da = i < a.digits_.size() ? a.digits_[i] : '0';
        const char db = i < b.digits_.size() ? b.digits_[i] : '0';
        if (da != db)
            return da <=> db;
    }
    return std::strong_ordering::equal;
}

std::strong_ordering operator<=>(const Decimal &a, const Decimal &b)
{
    if (a.negative_ != b.negative_)
        return a.negative_ ? std::strong_ordering::less : std::strong_ordering::greater;
    const auto magnitude = Decimal::compareMagnitude(a, b);
    return a.negative_ ? 0 <=> magnitude : magnitude;
}

namespace {

// Both magnitudes as digit strings scaled to the same (smaller) exponent.
std::pair<std::string, std::string> aligned(const std::string &da, int ea, const std::string &db,
                                            int eb, int &exponent)
{
    exponent = std::min(ea, eb);
    std::string a = da + std::string(static_cast<size_t>(ea - exponent), '0');
    std::string b = db + std::string(static_cast<size_t>(eb - exponent), '0');
    const size_t width = std::max(a.size(), b.size());
    a.insert(0, width - a.size(), '0');
    b.insert(0, width - b.size(), '0');
    return {a, b};
}

} // namespace

Decimal Decimal::addMagnitudes(const Decimal &a, const Decimal &b)
{
    Decimal result;
    auto [x, y] = aligned(a.digits_, a.exponent_, b.digits_, b.exponent_, result.exponent_);
    std::string sum(x.size() + 1, '0');
    int carry = 0;
    for (size_t i = x.size(); i-- > 0;) {
        const int d = (x[i] - '0') + (y[i] - '0') + carry;
        sum[i + 1] = static_cast<char>('0' + d % 10);
        carry = d / 10;
    }
    sum[0] = static_cast<char>('0' + carry);
    result.digits_ = std::move(sum);
    result.normalize();
    return result;
}

Decimal Decimal::subtractMagnitudes(const Decimal &big, const Decimal &small)
{
    Decimal result;
    auto [x, y] = aligned(big.digits_, big.exponent_, small.digits_, small.exponent_,
                          result.exponent_);
    std::string diff(x.size(), '0');
    int borrow = 0;
    for (size_t i = x.size(); i-- > 0;) {
        int d = (x[i] - '0') - (y[i] - '0') - borrow;
        borrow = d < 0 ? 1 : 0;
        diff[i] = static_cast<char>('0' + d + borrow * 10);
    }
    result.digits_ = std::move(diff);
    result.normalize();
    return result;
}

Decimal operator+(const Decimal &a, const Decimal &b)
{
    if (a.negative_ == b.negative_) {
        Decimal sum = Decimal::addMagnitudes(a, b);
        return a.negative_ ? -sum : sum;
    }
    if (Decimal::compareMagnitude(a, b) >= 0) {
        Decimal diff = Decimal::subtractMagnitudes(a, b);
        return a.negative_ ? -diff : diff;
    }
    Decimal diff = Decimal::subtractMagnitudes(b, a);
    return b.negative_ ? -diff : diff;
}

Decimal operator-(const Decimal &a, const Decimal &b) { return a + (-b); }

Decimal Decimal::rounded(int decimals) const
{
    if (isZero() || exponent_ >= -decimals)
        return *this;
    // Keep the digits down to 10^-decimals and look at the first one dropped.
    const int keep = static_cast<int>(digits_.size()) + exponent_ + decimals;
    if (keep < 0)
        return Decimal();
    Decimal result;
    result.negative_ = negative_;
    result.exponent_ = -decimals;
    result.digits_ = digits_.substr(0, static_cast<size_t>(keep));
    if (digits_[static_cast<size_t>(keep)] >= '5') {
        Decimal unit;
        unit.digits_ = "1";
        unit.exponent_ = -decimals;
        result.negative_ = false;
        result.normalize();
        result = addMagnitudes(result, unit);
        result.negative_ = negative_ && !result.isZero();
        return result;
    }
    result.normalize();
    return result;
}

std::string Decimal::toFixed(int decimals) const
{
    const Decimal value = rounded(decimals);
    // All digits down to 10^-decimals, then split at the point.
    std::string all = value.digits_;
    if (!value.isZero())
        all += std::string(static_cast<size_t>(value.exponent_ + decimals), '0');
    if (all.size() < static_cast<size_t>(decimals) + 1)
        all.insert(0, static_cast<size_t>(decimals) + 1 - all.size(), '0');
    std::string text = value.negative_ ? "-" : "";
    text += all.substr(0, all.size() - static_cast<size_t>(decimals));
    if (decimals > 0) {
        text += '.';
        text.append(all, all.size() - static_cast<size_t>(decimals), std::string::npos);
    }
    return text;
}

} // namespace dbase
