#include "output/LabelDialogContext.h"

#include "store/FieldModel.h"

namespace zendrova {

QSet<int> memoOrPictureIndexes(const FieldModel &fields, int captionCount)
{
    QSet<int> indexes;
    for (int i = 0; i < captionCount; ++i) {
        const int position = i + FieldModel::kFirstUserPosition;
        if (fields.isMemo(position) || fields.isPicture(position))
            indexes.insert(i);
    }
    return indexes;
}

} // namespace zendrova
