#include "mainwin/FontShift.h"

#include <cstdlib>

namespace zendrova::FontShift {

namespace {

// The shift of the earlier control on the same page whose top is nearest to
// this one's, among fields first..index-1.
int shiftOfLinedUp(const QList<Field> &fields, const QList<int> &shifts, int first, int index)
{
    int best = first;
    for (int i = first; i < index; ++i) {
        const int distance = std::abs(fields[i].control.top() - fields[index].control.top());
        if (distance < std::abs(fields[best].control.top() - fields[index].control.top()))
            best = i;
    }
    return shifts[best];
}

} // namespace

Placement apply(const QList<Field> &fields, int oneLineHeight)
{
    Placement placed;
    QList<int> shifts;
    int pageStart = 0;
    int accumulated = 0;
    for (int i = 0; i < fields.size(); ++i) {
        const Field &field = fields[i];
        if (i == 0 || field.page != fields[i - 1].page) {
            pageStart = i;
            accumulated = 0;
        } else if (field.control.top() < fields[i - 1].control.top()) {
            accumulated = shiftOfLinedUp(fields, shifts, pageStart, i);
        }
        shifts << accumulated;
        QRect control = field.control.translated(0, accumulated);
        if (field.oneLine) {
            accumulated += oneLineHeight - control.height();
            control.setHeight(oneLineHeight);
        }
        placed.controls << control;
        placed.captions << field.caption.translated(0, shifts.last());
    }
    return placed;
}

} // namespace zendrova::FontShift
