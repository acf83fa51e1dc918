#pragma once

#include <QRect>
#include <QSize>

namespace zendrova {

// Where the card's controls and caption labels stand on their page at design
// size: a two-column form, captions left and fields right, with the notes and
// the big picture filling their pages under their captions. Scaling and the
// one-line font change start from these.
namespace CardFieldDesign {

// The size of one card page (the notebook's client area) at design time.
QSize pageSize();
// tag 1..21
QRect controlRect(int tag);
QRect captionRect(int tag);

} // namespace CardFieldDesign

} // namespace zendrova
