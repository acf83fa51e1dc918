#include "dbase/index/KeyExpression.h"

#include "dbase/index/IndexError.h"
#include "dbase/index/JulianDay.h"
#include "dbase/index/KeyEncoding.h"
#include "dbase/index/KeyNodes.h"

#include <algorithm>
#include <cctype>
#include <functional>
#include <map>

namespace dbase {

namespace {

using namespace keynodes;

// Nesting deeper than any real key is refused rather than allowed to exhaust the stack.
constexpr int kMaxDepth = 64;
constexpr size_t kMaxTextLength = 220;

struct SyntaxError : std::runtime_error
{
    using std::runtime_error::runtime_error;
};

std::string upperAscii(std::string_view text)
{
    std::string result(text);
    for (char &c : result)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return result;
}

// Recursive descent over: expr = term { ("+" | "-") term }; term = literal | name | call | "(" expr ")".
class Parser
{
public:
    Parser(std::string_view text, const std::vector<FieldInfo> &fields) : text_(text), fields_(fields) {}

    // The positions of the fields named so far.
    const std::vector<int> &used() const { return used_; }

    KeyNodePtr parseAll()
    {
        KeyNodePtr node = expression();
        skipBlanks();
        if (pos_ < text_.size())
            throw SyntaxError("unexpected \"" + std::string(1, text_[pos_]) + "\" at position " +
                              std::to_string(pos_ + 1));
        return node;
    }

private:
    KeyNodePtr expression()
    {
        if (++depth_ > kMaxDepth)
            throw SyntaxError("nested too deeply");
        KeyNodePtr left = term();
        for (;;) {
            skipBlanks();
            if (accept('+'))
                left = plus(left, term());
            else if (accept('-'))
                left = minus(left, term());
            else
                break;
        }
        --depth_;
        return left;
    }

    KeyNodePtr term()
    {
        skipBlanks();
        if (pos_ >= text_.size())
            throw SyntaxError("the expression ends too early");
        const char c = text_[pos_];
        if (c == '(') {
            ++pos_;
            KeyNodePtr inner = expression();
            expect(')');
            return inner;
        }
        if (c == '\'' || c == '"')
            return text(quoted(c));
        if (c == '{')
            return dateLiteral();
        if (std::isdigit(static_cast<unsigned char>(c)) || c == '.')
            return number(numberLiteral());
        if (std::isalpha(static_cast<unsigned char>(c)) || c == '_')
            return nameOrCall();
        throw SyntaxError("unexpected \"" + std::string(1, c) + "\" at position " +
                          std::to_string(pos_ + 1));
    }

    KeyNodePtr nameOrCall()
    {
        const size_t start = pos_;
        while (pos_ < text_.size() &&
               (std::isalnum(static_cast<unsigned char>(text_[pos_])) || text_[pos_] == '_'))
            ++pos_;
        const std::string name = upperAscii(text_.substr(start, pos_ - start));
        skipBlanks();
        if (accept('('))
            return call(name);
        for (size_t i = 0; i < fields_.size(); ++i)
            if (upperAscii(fields_[i].name) == name) {
                used_.push_back(static_cast<int>(i));
                return field(static_cast<int>(i), fields_[i]);
            }
        throw SyntaxError("unknown field " + name);
    }

    KeyNodePtr call(const std::string &name)
    {
        KeyNodePtr arg = expression();
        KeyNodePtr result;
        if (name == "UPPER") {
            result = upper(arg);
        } else if (name == "DTOS") {
            result = dtos(arg);
        } else if (name == "SUBSTR") {
            const int start = constantArgument();
            const int count = accept(',') ? (skipBlanks(), integer()) : 1 << 20;
            result = substr(arg, start, count);
        } else if (name == "MLINE") {
            result = mline(arg, constantArgument());
        } else if (name == "STR") {
            int length = 10, decimals = 0;
            if (skipBlanks(), accept(',')) {
                skipBlanks();
                length = integer();
                if (skipBlanks(), accept(',')) {
                    skipBlanks();
                    decimals = integer();
                }
            }
            result = str(arg, length, decimals);
        } else {
            throw SyntaxError("unknown function " + name);
        }
        expect(')');
        return result;
    }

    int constantArgument()
    {
        expect(',');
        skipBlanks();
        return integer();
    }

    int integer()
    {
        const size_t start = pos_;
        long value = 0;
        while (pos_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[pos_]))) {
            value = value * 10 + (text_[pos_++] - '0');
            if (value > 100000)
                throw SyntaxError("number too large at position " + std::to_string(start + 1));
        }
        if (pos_ == start)
            throw SyntaxError("a whole number is expected at position " + std::to_string(start + 1));
        skipBlanks();
        return static_cast<int>(value);
    }

    Decimal numberLiteral()
    {
        const size_t start = pos_;
        while (pos_ < text_.size() &&
               (std::isdigit(static_cast<unsigned char>(text_[pos_])) || text_[pos_] == '.'))
            ++pos_;
        Decimal value;
        if (!Decimal::parse(text_.substr(start, pos_ - start), value))
            throw SyntaxError("bad number at position " + std::to_string(start + 1));
        return value;
    }

    std::string quoted(char quote)
    {
        const size_t close = text_.find(quote, pos_ + 1);
        if (close == std::string_view::npos)
            throw SyntaxError("a text literal is not closed");
        std::string value(text_.substr(pos_ + 1, close - pos_ - 1));
        pos_ = close + 1;
        return value;
    }

    KeyNodePtr dateLiteral()
    {
        const size_t close = text_.find('}', pos_);
        if (close == std::string_view::npos)
            throw SyntaxError("a date literal is not closed");
        const std::string_view inner = text_.substr(pos_ + 1, close - pos_ - 1);
        pos_ = close + 1;
        std::string trimmed;
        for (char c : inner)
            if (c != ' ')
                trimmed.push_back(c);
        // "{}" and "{  /  /    }" are the blank date.
        if (trimmed.find_first_not_of('/') == std::string::npos)
            return date(0);
        const auto day = julian::fromLiteral(trimmed);
        if (!day)
            throw SyntaxError("bad date {" + std::string(inner) + "}");
        return date(*day);
    }

    void skipBlanks()
    {
        while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t'))
            ++pos_;
    }

    bool accept(char c)
    {
        skipBlanks();
        if (pos_ < text_.size() && text_[pos_] == c) {
            ++pos_;
            return true;
        }
        return false;
    }

    void expect(char c)
    {
        if (!accept(c))
            throw SyntaxError(std::string("\"") + c + "\" expected at position " +
                              std::to_string(pos_ + 1));
    }

    std::string_view text_;
    const std::vector<FieldInfo> &fields_;
    std::vector<int> used_;
    size_t pos_ = 0;
    int depth_ = 0;
};

} // namespace

KeyExpression KeyExpression::parse(std::string_view text, const std::vector<FieldInfo> &fields)
{
    std::string quotedText(1, '"');
    quotedText.append(text.substr(0, kMaxTextLength));
    quotedText += '"';
    if (text.size() > kMaxTextLength)
        throw IndexError("Key expression " + quotedText + "... is longer than " +
                         std::to_string(kMaxTextLength) + " characters", ErrorKind::Value);
    KeyExpression result;
    result.text_ = std::string(text);
    try {
        Parser parser(text, fields);
        result.root_ = parser.parseAll();
        result.fields_ = parser.used();
    } catch (const std::runtime_error &e) {
        throw IndexError("Invalid key expression " + quotedText + ": " + e.what(), ErrorKind::Value);
    }
    switch (result.root_->kind) {
    case KeyKind::Character:
        result.keyType_ = 'C';
        result.keyLength_ = result.root_->length;
        if (result.keyLength_ > keys::kMaxCharacterLength)
            throw IndexError("Key expression " + quotedText + " gives keys of " +
                             std::to_string(result.keyLength_) + " characters; at most " +
                             std::to_string(keys::kMaxCharacterLength) + " are allowed", ErrorKind::Value);
        if (result.keyLength_ == 0)
            throw IndexError("Key expression " + quotedText + " gives empty keys", ErrorKind::Value);
        break;
    case KeyKind::Number:
        result.keyType_ = 'N';
        result.keyLength_ = keys::kNumericLength;
        break;
    case KeyKind::Date:
        result.keyType_ = 'D';
        result.keyLength_ = keys::kDateLength;
        break;
    case KeyKind::Memo:
        throw IndexError("Invalid key expression " + quotedText +
                         ": a memo field needs MLINE to be part of a key", ErrorKind::Value);
    }
    return result;
}

bool KeyExpression::mayDiffer(const RecordView &before, const RecordView &after) const
{
    return std::any_of(fields_.begin(), fields_.end(), [&](int field) {
        return after.memoPending(field) || before.memoPending(field) || before.raw(field) != after.raw(field);
    });
}

std::string KeyExpression::evaluate(const RecordView &record) const
{
    KeyValue value = root_->evaluate(record);
    switch (keyType_) {
    case 'N':
        return keys::encodeNumber(value.number);
    case 'D':
        return keys::encodeDate(value.day);
    default:
        return std::move(value.text);
    }
}

} // namespace dbase
