#!/usr/bin/env python3
"""Writes the damaged template list fixtures byte by byte from the filer layout.

Kept independent of the program's writers on purpose. Each filter list names
"Rookies" (tml1.flt), "Stars" (tml2.flt) and "Vintage" (tml3.flt) and is
damaged in "Stars" or after it; each colour list holds "Warm", "Bad" and
"Cold". Run from this folder.
"""
import struct

LIST, END, STRING, LONG_STRING = 1, 0, 6, 12


def string(text):
    raw = text.encode('latin-1')
    return bytes([STRING, len(raw)]) + raw


def entry(name, file_name):
    return string(name) + string(file_name)


def write(name, data):
    with open(name, 'wb') as f:
        f.write(data)


rookies = entry('Rookies', 'tml1.flt')
stars = entry('Stars', 'tml2.flt')
vintage = entry('Vintage', 'tml3.flt')

# The type byte of "Stars" is no string type.
write('BrokenFiltersBadType.tml',
      bytes([LIST]) + rookies + bytes([7]) + stars[1:] + vintage + bytes([END]))
# "Stars" as a long string whose length runs far past the end of the file.
write('BrokenFiltersLongLength.tml',
      bytes([LIST]) + rookies + bytes([LONG_STRING]) + struct.pack('<I', 0x7FFFFFF0) + b'Stars'
      + string('tml2.flt') + vintage + bytes([END]))
# A zero type byte that reads as the end of the list, with entries after it.
write('BrokenFiltersZeroType.tml',
      bytes([LIST]) + rookies + bytes([0]) + stars[1:] + vintage + bytes([END]))
# A file name leading out of the folder: well formed, but not usable.
write('BrokenFiltersOutsideFolder.tml',
      bytes([LIST]) + rookies + entry('Stars', '../tml2.flt') + vintage + bytes([END]))
# Cut inside the file name of "Vintage".
write('BrokenFiltersCut.tml',
      (bytes([LIST]) + rookies + stars + vintage + bytes([END]))[:-5])

warm = bytes([4]) + b'Warm' + bytes([5] * 27)
bad = bytes([3]) + b'Bad' + bytes([1] * 26 + [16])
cold = bytes([4]) + b'Cold' + bytes([6] * 27)
# "Bad" holds a colour outside the palette of 16.
write('BrokenColorsOutsidePalette.tml', bytes([LIST]) + warm + bad + cold + bytes([END]))
# Cut inside the colours of "Cold".
write('BrokenColorsCut.tml', (bytes([LIST]) + warm + cold + bytes([END]))[:-10])
