#include "store/FieldModel.h"

namespace zendrova {

FieldKind fieldKindOf(char dbaseType)
{
    switch (dbaseType) {
    case 'C':
        return FieldKind::Text;
    case 'N':
    case 'F':
    case 'I':
    case 'Y':
    case '+':
        return FieldKind::Numeric;
    case 'D':
        return FieldKind::Date;
    case 'M':
        return FieldKind::Memo;
    case 'B':
    case 'G':
        return FieldKind::Picture;
    default:
        return FieldKind::Other;
    }
}

FieldModel::FieldModel(std::vector<FieldDescriptor> fields)
    : m_fields(std::move(fields))
{
    for (int position = kFirstUserPosition; position < count() && position < 256; ++position) {
        switch (kind(position)) {
        case FieldKind::Text:
            m_textLike.set(position);
            break;
        case FieldKind::Memo:
            m_memo.set(position);
            break;
        case FieldKind::Picture:
            m_picture.set(position);
            break;
        default:
            break;
        }
    }
}

FieldKind FieldModel::kind(int position) const
{
    return contains(position) ? fieldKindOf(m_fields[position].type) : FieldKind::Other;
}

QString FieldModel::name(int position) const
{
    return contains(position) ? m_fields[position].name : QString();
}

int FieldModel::width(int position) const
{
    return contains(position) ? m_fields[position].length : 0;
}

int FieldModel::decimals(int position) const
{
    return contains(position) ? m_fields[position].decimals : 0;
}

} // namespace zendrova
