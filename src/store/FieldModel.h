#pragma once

#include <QString>
#include <bitset>
#include <vector>

namespace zendrova {

// How the program treats a field, decided from its dBASE type.
enum class FieldKind { Text, Numeric, Date, Memo, Picture, Other };

FieldKind fieldKindOf(char dbaseType);

// One field as its descriptor gives it.
struct FieldDescriptor
{
    QString name;
    char type = 'C';
    int length = 0;
    int decimals = 0;
};

// The fields of an open record table by position: position 0 the record
// number, 1 the filter mark, 2 onwards the user fields.
class FieldModel
{
public:
    static constexpr int kFirstUserPosition = 2;
    static constexpr int kRecordNumberPosition = 0;
    static constexpr int kFilterMarkPosition = 1;
    using PositionSet = std::bitset<256>;

    FieldModel() = default;
    explicit FieldModel(std::vector<FieldDescriptor> fields);

    int count() const { return static_cast<int>(m_fields.size()); }
    bool contains(int position) const { return position >= 0 && position < count(); }
    // Other for a position the table does not have.
    FieldKind kind(int position) const;
    QString name(int position) const;
    int width(int position) const;
    int decimals(int position) const;

    // Character fields (text and lookup): sorted, searched and lettered.
    bool isTextLike(int position) const { return m_textLike.test(bit(position)); }
    bool isMemo(int position) const { return m_memo.test(bit(position)); }
    bool isPicture(int position) const { return m_picture.test(bit(position)); }

    const PositionSet &textLikePositions() const { return m_textLike; }
    const PositionSet &memoPositions() const { return m_memo; }
    const PositionSet &picturePositions() const { return m_picture; }

private:
    // Positions outside the set map to bit 0, which no user position uses.
    static size_t bit(int position)
    {
        return position >= kFirstUserPosition && position < 256 ? position : 0;
    }

    std::vector<FieldDescriptor> m_fields;
    PositionSet m_textLike, m_memo, m_picture;
};

} // namespace zendrova
