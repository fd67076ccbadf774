#!/usr/bin/env python3
"""Draws Tunepack's compact-disc icon as 16x16 and 32x32 palette PNGs.

Only the Python 3 standard library is used.  Every pixel is worked out from
the geometry of the disc: circles and rings around the centre give the rim,
the mirror, the hub ring, the clear plastic and the hole, and the angle
around the centre gives the sheen.  Each pixel is sampled 8 x 8 times and
takes the colour of one fixed 16-colour palette that covers most of it.  The
PNGs are written by hand with zlib and struct as 4-bit indexed images with a
tRNS chunk, so each file holds at most 16 colours.

Run from anywhere:  python3 data/icons/make-icons.py
The output is the same bytes on every run.
"""

import math
import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))

# The fixed palette: (red, green, blue, alpha).
PALETTE = [
    (0, 0, 0, 0),            # 0  transparent (outside, centre hole)
    (70, 76, 88, 255),       # 1  outer rim
    (70, 76, 88, 120),       # 2  outer rim, soft edge
    (112, 120, 134, 255),    # 3  hole rim, hub ring
    (112, 120, 134, 120),    # 4  hole rim, soft edge
    (148, 156, 168, 255),    # 5  grooves, dark silver
    (176, 183, 194, 255),    # 6  silver, shade
    (200, 206, 214, 255),    # 7  silver
    (222, 226, 232, 255),    # 8  silver, light
    (242, 244, 247, 255),    # 9  near white
    (255, 255, 255, 255),    # 10 highlight
    (168, 204, 240, 255),    # 11 sheen, blue
    (236, 184, 220, 255),    # 12 sheen, pink
    (246, 230, 160, 255),    # 13 sheen, yellow
    (176, 228, 204, 255),    # 14 sheen, green
    (228, 234, 242, 255),    # 15 clear plastic round the hub
]

# The sheen across the mirror: (angle from the middle of a bright wedge in
# degrees, palette index), nearest first; -1 is the rainbow on the flanks.
SHEEN = [(9.0, 10), (17.0, 9), (30.0, -1), (45.0, 8), (65.0, 7)]

# The rainbow from the inside outwards: blue, green, yellow, pink.
RAINBOW = [11, 14, 13, 12]

# A pixel that the disc covers only in part takes the soft form of its
# colour, where there is one.
SOFT = {1: 2, 3: 4}

# A groove is one step darker than the mirror round it.
DARKER = {10: 8, 9: 7, 8: 6, 7: 6, 6: 5}


class Disc:
    """Radii are in pixels, measured from the centre of the image."""

    def __init__(self, size, rim, hole, hole_rim, hub_in, hub_out,
                 clear_out, grooves, groove_width):
        self.size = size
        self.c = size / 2.0
        self.rim = rim                  # outer edge of the disc
        self.rim_width = 1.0            # dark outline just inside it
        self.hole = hole                # centre hole: nothing below this
        self.hole_rim = hole_rim        # dark ring round the hole
        self.hub_in = hub_in            # small hub ring
        self.hub_out = hub_out
        self.clear_out = clear_out      # clear plastic ends, mirror begins
        self.grooves = grooves          # radii of the thin grooves
        self.groove_width = groove_width

    def sample(self, x, y):
        """Palette index of the disc at point x, y of the image."""
        dx = x - self.c
        dy = y - self.c
        r = math.hypot(dx, dy)
        if r >= self.rim or r < self.hole:
            return 0
        if r >= self.rim - self.rim_width:
            return 1
        if r < self.hole_rim:
            return 3
        if r < self.hub_in:
            return 15
        if r < self.hub_out:
            return 3
        if r < self.clear_out:
            return 15
        return self.mirror(dx, dy, r)

    def mirror(self, dx, dy, r):
        """The silvered data area, with a sheen that turns with the angle."""
        # Light falls from the upper left: two bright wedges, one towards
        # the upper left and one towards the lower right.  d is the angle
        # from the middle of the nearer wedge, in degrees, -90 to 90.
        a = math.degrees(math.atan2(dy, dx)) + 135.0
        d = (a + 90.0) % 180.0 - 90.0
        u = (r - self.clear_out) / (self.rim - self.rim_width - self.clear_out)
        index = 6
        for limit, i in SHEEN:
            if abs(d) < limit:
                index = i
                break
        if index < 0:
            # On the flanks of a wedge the light splits into a rainbow
            # that runs outwards along the radius, the other way round on
            # the other flank.
            if d < 0.0:
                u = 1.0 - u
            index = RAINBOW[min(int(u * len(RAINBOW)), len(RAINBOW) - 1)]
        for g in self.grooves:
            if abs(r - g) < self.groove_width / 2.0:
                index = DARKER.get(index, 7)
        return index

    def pixel(self, px, py, n=8):
        """Palette index of pixel (px, py), from n x n samples inside it.

        The pixel takes the colour that covers most of its opaque part; if
        the disc covers only part of the pixel, its edge is soft (a
        half-transparent rim colour) or the pixel stays empty.
        """
        counts = {}
        for j in range(n):
            for i in range(n):
                index = self.sample(px + (i + 0.5) / n, py + (j + 0.5) / n)
                counts[index] = counts.get(index, 0) + 1
        empty = counts.pop(0, 0)
        if not counts:
            return 0
        cover = 1.0 - empty / float(n * n)
        index = max(sorted(counts), key=lambda k: counts[k])
        if cover >= 0.7:
            return index
        if cover >= 0.3:
            return SOFT.get(index, index)
        return 0


def render(disc):
    return [[disc.pixel(x, y) for x in range(disc.size)]
            for y in range(disc.size)]


def chunk(kind, data):
    body = kind + data
    return (struct.pack(">I", len(data)) + body
            + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF))


def png_bytes(rows):
    h = len(rows)
    w = len(rows[0])
    raw = bytearray()
    for row in rows:
        raw.append(0)                           # filter type: none
        padded = row + [0] * (len(row) % 2)
        for i in range(0, len(padded), 2):
            raw.append((padded[i] << 4) | padded[i + 1])
    plte = b"".join(struct.pack("BBB", r, g, b) for r, g, b, _ in PALETTE)
    trns = bytes(a for _, _, _, a in PALETTE)
    ihdr = struct.pack(">IIBBBBB", w, h, 4, 3, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n"
            + chunk(b"IHDR", ihdr)
            + chunk(b"PLTE", plte)
            + chunk(b"tRNS", trns)
            + chunk(b"IDAT", zlib.compress(bytes(raw), 9))
            + chunk(b"IEND", b""))


# One set of radii per size, chosen so that rings fall on whole pixels.
DISCS = {
    16: Disc(16, rim=7.95, hole=1.3, hole_rim=2.0, hub_in=2.8, hub_out=3.7,
             clear_out=3.8, grooves=[], groove_width=0.6),
    32: Disc(32, rim=15.9, hole=2.9, hole_rim=3.9, hub_in=5.6, hub_out=6.6,
             clear_out=7.6, grooves=[10.5, 13.0], groove_width=0.7),
}


def main():
    for size, disc in DISCS.items():
        folder = os.path.join(HERE, "%dx%d" % (size, size))
        os.makedirs(folder, exist_ok=True)
        path = os.path.join(folder, "tunepack.png")
        with open(path, "wb") as f:
            f.write(png_bytes(render(disc)))
        print(path)


if __name__ == "__main__":
    main()
