#!/usr/bin/env python3
"""Writes the settings fixtures byte by byte from the documented layouts.

Kept independent of the program's writers on purpose: the tests read these
files and compare the program's output with them. Run from this folder.
"""
import struct

SETTINGS_KEY = bytes([0x13, 0x07, 0x1C, 0x02, 0x11, 0x0B, 0x1F, 0x05, 0x18, 0x0E])
ACCOUNTS_KEY = bytes([0x0A, 0x19, 0x03, 0x16, 0x01, 0x1D, 0x0C, 0x12, 0x06, 0x1B])


def word(v):
    return struct.pack('<H', v)


def flag(v):
    return bytes([1 if v else 0])


def scrambled(text, key):
    raw = text.encode('utf-8')
    return bytes([len(raw)]) + bytes(b ^ key[i % 10] for i, b in enumerate(raw))


def font(name, style, size):
    raw = name.encode('latin-1')
    field = bytes([len(raw)]) + raw + bytes(255 - len(raw))
    return field + bytes([style]) + bytes(3) + struct.pack('<i', size)


def write(name, data):
    with open(name, 'wb') as f:
        f.write(data)


s = lambda t: scrambled(t, SETTINGS_KEY)
a = lambda t: scrambled(t, ACCOUNTS_KEY)

# System options: password required, public files read only, a data directory
# longer than the key, multi-user, a password.
write('SystemOptions.dat',
      word(0) + word(2) + s('/srv/cards/shared-data') + word(1) + s('Secret'))

# User options, every field away from its default.
head = (word(2) + word(7) + word(8) + word(1) + word(1) + word(0) + word(9) + word(3)
        + word(0) + word(1)
        + s('data_3.dbf') + s('/srv/cards/shared-data/data0002')
        + word(5) + word(1) + flag(True) + flag(False))
tail = (s('') * 4
        + font('Times New Roman', 0b0011, 12)
        + font('Courier New', 0b1100, 9)
        + font('Verdana', 0, 14)
        + flag(False) + flag(False))
write('UserOptionsFull.dat', head + tail)
write('UserOptionsNoTail.dat', head)
# A radio index beyond its choices (menus and speed bars = 3).
write('BrokenUserOptionsBadChoice.dat', word(3) + (head + tail)[2:])

captions = ['Player:', 'Sport:', 'Maker:', 'Type:', 'Club:', 'Role:', 'Season:', 'No.:',
            'Thumb:', 'Paid:', 'Worth:', 'Sold For:', 'State:', 'Grade:', 'Set:', 'Series:',
            'Print Run:', 'Bought On:', 'Copies:', 'Remarks:', 'Scan:']
write('labels.dat', ''.join(c + '\r\n' for c in captions).encode('ascii'))
write('date.dat', b'2\r\n')

write('wnd.dat', struct.pack('<5i', -8, 120, 900, 640, 330))

write('color.lst', bytes([15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0,
                          1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11]))

write('shut_clean.dat', b'@a$)')
write('shut_running.dat', b'#10*')

accounts = [
    (1, 'Alice Archer', 'alice', 'pw1', 'data0001', 0, 0),
    (2, 'Robert "Bob" Baker the Second', 'bob', 'longpassword', 'data0002', 1, 1),
    (4, 'Supervisor Lookalike', 'supervisor', '', 'cards_of_someone', 0, 2),
]
body = b''.join(word(n) + a(name) + a(uid) + a(pw) + a(folder) + bytes([status, access])
                for n, name, uid, pw, folder, status, access in accounts)
write('users.lst', b'\x0e' + body + b'\x00')
write('users_empty.lst', b'\x0e\x00')
write('BrokenUsersNoEnd.lst', b'\x0e' + body)
write('BrokenUsersBadStatus.lst',
      b'\x0e' + word(1) + a('X') + a('x') + a('') + a('data0001') + bytes([7, 0]) + b'\x00')
