#pragma once

#include <QList>
#include <QRect>

namespace zendrova {

// A new one-line font changes the height of the one-line controls; the card's
// controls and caption labels below them move down so nothing overlaps.
//
// Going through the controls in field order, each control and its caption
// label move down by the growth of the one-line controls above it on the same
// page. A control lying above the previous one starts a new column and takes
// the shift of the control it lines up with (the earlier one on its page whose
// top is nearest). Every page starts at 0; memos and pictures move but add no
// growth.
namespace FontShift {

struct Field
{
    int page = 0;
    QRect control;
    QRect caption; // may be empty
    bool oneLine = true;
};

struct Placement
{
    QList<QRect> controls;
    QList<QRect> captions;
};

// fields in field order, at their design geometry.
Placement apply(const QList<Field> &fields, int oneLineHeight);

} // namespace FontShift

} // namespace zendrova
