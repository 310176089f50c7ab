#!/usr/bin/env python3
# Writes markwell.ico and markwell.cur: a 32 x 32 registration mark (black disc, white ring, black
# centre) for MarkwellCS1's icon and cursor. Run once; the outputs are kept in the repository.
import struct

SIZE = 32


def pixels():
    rows = []
    c = (SIZE - 1) / 2
    for y in range(SIZE - 1, -1, -1):  # bottom-up rows
        row = []
        for x in range(SIZE):
            d = ((x - c) ** 2 + (y - c) ** 2) ** 0.5
            if d <= 14.5 and not (9 < d <= 12) or d <= 3:
                row.append((0, 0, 0, 255))
            elif d <= 14.5:
                row.append((255, 255, 255, 255))
            else:
                row.append((0, 0, 0, 0))
        rows.append(row)
    return rows


def image():
    rows = pixels()
    header = struct.pack('<IiiHHIIiiII', 40, SIZE, SIZE * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    xor = b''.join(bytes((b, g, r, a)) for row in rows for (r, g, b, a) in row)
    mask = b''
    for row in rows:
        bits = 0
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits |= 1 << (31 - x)
        mask += struct.pack('>I', bits)
    return header + xor + mask


def write(name, kind, hotspot):
    data = image()
    entry = struct.pack('<BBBBHHII', SIZE, SIZE, 0, 0, *(hotspot if kind == 2 else (1, 32)), len(data), 22)
    with open(name, 'wb') as f:
        f.write(struct.pack('<HHH', 0, kind, 1) + entry + data)


write('markwell.ico', 1, None)
write('markwell.cur', 2, (16, 16))
