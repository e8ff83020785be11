#!/usr/bin/env python3
"""Generate the Velbrix application icon (Velbrix.ico).

Draws a rounded square with a blue-to-teal vertical gradient and a thin
darker border, a white printer in the middle (paper sheet sticking out of
the top, body with a dark output slot, printed sheet coming out below) and
three concentric arcs with a dot at the upper right as a network sign.
Edges are anti-aliased by 4x4 supersampling into the alpha channel; the
area outside the rounded square is fully transparent.

The result is a single 128x128, 32-bit BMP-style (uncompressed) icon image,
which old resource compilers and Wine can read.  Output is deterministic:
running the script twice yields identical bytes.

Usage:
    python3 res/make-icon.py res/Velbrix.ico
"""

import math
import struct
import sys

SIZE = 128
SUBSAMPLES = 4  # per axis, so 16 samples per pixel

# Colours as (r, g, b) in 0..255.
GRAD_TOP = (28, 96, 214)      # blue
GRAD_BOTTOM = (18, 170, 160)  # teal
BORDER_DARKEN = 0.62          # border = gradient colour * this
PAPER = (255, 255, 255)
# The body is a touch bluer than the paper so the sheets stay visible where
# they overlap it.
BODY = (222, 233, 247)
SLOT = (20, 44, 96)
LED = (40, 200, 120)
SIGNAL = (255, 255, 255)

# Geometry, in pixel units of the 128x128 image.
TILE = (3.0, 3.0, 125.0, 125.0, 24.0)  # x0, y0, x1, y1, corner radius
BORDER_WIDTH = 2.0

TOP_PAPER = (39.0, 26.0, 83.0, 56.0, 2.0)
BODY_RECT = (16.0, 50.0, 106.0, 90.0, 10.0)
SLOT_RECT = (26.0, 68.0, 96.0, 78.0, 5.0)
OUT_PAPER = (35.0, 74.0, 87.0, 108.0, 2.0)
LED_CENTRE = (94.0, 59.0)
LED_RADIUS = 3.5

# Network sign: arcs opening towards the upper right, centred on a dot.
SIGNAL_CENTRE = (89.0, 40.0)
SIGNAL_DOT_RADIUS = 5.0
SIGNAL_RADII = (11.0, 19.0, 27.0)
SIGNAL_THICKNESS = 6.0
SIGNAL_DIRECTION = -math.pi / 4  # up-right (y grows downwards)
SIGNAL_HALF_SPAN = math.radians(38)


def rounded_rect_sd(px, py, rect):
    """Signed distance from (px, py) to a rounded rectangle (<0 inside)."""
    x0, y0, x1, y1, r = rect
    cx, cy = (x0 + x1) / 2.0, (y0 + y1) / 2.0
    hx, hy = (x1 - x0) / 2.0 - r, (y1 - y0) / 2.0 - r
    qx, qy = abs(px - cx) - hx, abs(py - cy) - hy
    outside = math.hypot(max(qx, 0.0), max(qy, 0.0))
    inside = min(max(qx, qy), 0.0)
    return outside + inside - r


def in_arc(px, py, radius):
    """True if (px, py) lies on a thick arc with rounded ends."""
    cx, cy = SIGNAL_CENTRE
    dx, dy = px - cx, py - cy
    half = SIGNAL_THICKNESS / 2.0
    angle = math.atan2(dy, dx) - SIGNAL_DIRECTION
    angle = (angle + math.pi) % (2.0 * math.pi) - math.pi
    if abs(angle) <= SIGNAL_HALF_SPAN:
        return abs(math.hypot(dx, dy) - radius) <= half
    # Round caps make the arcs read as strokes rather than wedges.
    for end in (SIGNAL_DIRECTION - SIGNAL_HALF_SPAN,
                SIGNAL_DIRECTION + SIGNAL_HALF_SPAN):
        ex = cx + radius * math.cos(end)
        ey = cy + radius * math.sin(end)
        if math.hypot(px - ex, py - ey) <= half:
            return True
    return False


def lerp(a, b, t):
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


def sample(px, py):
    """Colour (r, g, b) at a point, or None when outside the tile."""
    tile_sd = rounded_rect_sd(px, py, TILE)
    if tile_sd > 0.0:
        return None

    t = (py - TILE[1]) / (TILE[3] - TILE[1])
    t = min(max(t, 0.0), 1.0)
    colour = lerp(GRAD_TOP, GRAD_BOTTOM, t)
    if tile_sd > -BORDER_WIDTH:
        return tuple(c * BORDER_DARKEN for c in colour)

    # Painter's order: later shapes cover earlier ones.
    if rounded_rect_sd(px, py, TOP_PAPER) <= 0.0:
        colour = PAPER
    if rounded_rect_sd(px, py, BODY_RECT) <= 0.0:
        colour = BODY
    if math.hypot(px - LED_CENTRE[0], py - LED_CENTRE[1]) <= LED_RADIUS:
        colour = LED
    if rounded_rect_sd(px, py, SLOT_RECT) <= 0.0:
        colour = SLOT
    if rounded_rect_sd(px, py, OUT_PAPER) <= 0.0:
        colour = PAPER

    cx, cy = SIGNAL_CENTRE
    if math.hypot(px - cx, py - cy) <= SIGNAL_DOT_RADIUS:
        colour = SIGNAL
    for radius in SIGNAL_RADII:
        if in_arc(px, py, radius):
            colour = SIGNAL
    return colour


def render():
    """Return rows (top to bottom) of (r, g, b, a) tuples, 0..255 each."""
    n = SUBSAMPLES
    offsets = [(i + 0.5) / n for i in range(n)]
    total = n * n
    rows = []
    for y in range(SIZE):
        row = []
        for x in range(SIZE):
            # Accumulate premultiplied colour so partially covered pixels
            # keep the true edge colour after dividing by coverage.
            acc = [0.0, 0.0, 0.0]
            hits = 0
            for oy in offsets:
                for ox in offsets:
                    c = sample(x + ox, y + oy)
                    if c is None:
                        continue
                    hits += 1
                    acc[0] += c[0]
                    acc[1] += c[1]
                    acc[2] += c[2]
            if hits == 0:
                row.append((0, 0, 0, 0))
                continue
            r, g, b = (int(round(v / hits)) for v in acc)
            a = int(round(255.0 * hits / total))
            row.append((r, g, b, a))
        rows.append(row)
    return rows


def build_ico(rows):
    xor_size = SIZE * SIZE * 4
    and_stride = ((SIZE + 31) // 32) * 4
    and_size = and_stride * SIZE
    header_size = 40
    image_size = header_size + xor_size + and_size
    image_offset = 6 + 16

    out = bytearray()
    # ICONDIR: reserved, type 1 (icon), one image.
    out += struct.pack('<HHH', 0, 1, 1)
    # ICONDIRENTRY: a width/height byte of 128 is stored as-is (0 means 256).
    out += struct.pack('<BBBBHHII', SIZE, SIZE, 0, 0, 1, 32,
                       image_size, image_offset)
    # BITMAPINFOHEADER: the height counts both the colour and the mask halves.
    out += struct.pack('<IiiHHIIiiII', header_size, SIZE, SIZE * 2, 1, 32,
                       0, xor_size + and_size, 0, 0, 0, 0)

    # Colour data, bottom-up, BGRA.
    for row in reversed(rows):
        for r, g, b, a in row:
            out += bytes((b, g, r, a))

    # AND mask, bottom-up, 1 = transparent, MSB is the leftmost pixel.  Kept
    # consistent with alpha for renderers that ignore the alpha channel.
    for row in reversed(rows):
        line = bytearray(and_stride)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                line[x >> 3] |= 0x80 >> (x & 7)
        out += line

    assert len(out) == image_offset + image_size
    return bytes(out)


def main(argv):
    if len(argv) != 2:
        sys.stderr.write('usage: %s OUTPUT.ico\n' % argv[0])
        return 2
    data = build_ico(render())
    with open(argv[1], 'wb') as f:
        f.write(data)
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv))
