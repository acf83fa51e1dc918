#include "editors/ui/EditAlignment.h"

namespace zendrova {

Qt::Alignment alignmentOfCode(int code)
{
    switch (code) {
    case 1:
        return Qt::AlignRight | Qt::AlignVCenter;
    case 2:
        return Qt::AlignHCenter | Qt::AlignVCenter;
    default:
        return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

int codeOfAlignment(Qt::Alignment alignment)
{
    if (alignment & Qt::AlignRight)
        return 1;
    if (alignment & Qt::AlignHCenter)
        return 2;
    return 0;
}

} // namespace zendrova
