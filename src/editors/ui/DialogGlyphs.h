#pragma once

#include <QIcon>

namespace zendrova {

// Drawn glyphs of the caption-less dialog buttons: a green check mark for
// OK and Yes, a red cross for Cancel.
enum class DialogGlyph { Check, Cross };
QIcon dialogGlyph(DialogGlyph glyph);

} // namespace zendrova
