#pragma once

#include "output/TLabelRec.h"

#include <QByteArray>
#include <QList>
#include <optional>

namespace zendrova {

class ByteReader;
class ByteWriter;

// The byte image of label definitions in "label.dat": int32 little-endian,
// texts as a length byte and up to 255 bytes, lists opened by 0x01 and closed
// by 0x00 where the next entry would begin.
namespace LabelFile {

void writeOne(ByteWriter &out, const TLabelRec &label);
// Marks the reader failed on data that ends early.
TLabelRec readOne(ByteReader &in);

QByteArray encode(const QList<TLabelRec> &labels);
// Nothing when the bytes end early or do not open with 0x01.
std::optional<QList<TLabelRec>> decode(const QByteArray &bytes);

} // namespace LabelFile

} // namespace zendrova
