#include "exchange/HeaderNames.h"

#include "store/FieldModel.h"

namespace zendrova {

QString HeaderNames::plain(const QString &name)
{
    QString text = name.trimmed();
    if (text.endsWith(QLatin1Char(':')))
        text.chop(1);
    return text.trimmed().toCaseFolded();
}

HeaderNames HeaderNames::match(
    const QStringList &names, const QStringList &captions, const FieldModel &fields)
{
    HeaderNames result;
    for (const QString &name : names) {
        const QString wanted = plain(name);
        int found = -1;
        for (int i = 0; i < captions.size() && found < 0; ++i) {
            const int position = i + FieldModel::kFirstUserPosition;
            if (fields.contains(position) && !fields.isPicture(position)
                && plain(captions[i]) == wanted)
                found = position;
        }
        if (found < 0)
            result.unknown << name;
        else
            result.positions.push_back(found);
    }
    return result;
}

} // namespace zendrova
