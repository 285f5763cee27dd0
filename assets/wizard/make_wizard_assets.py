#!/usr/bin/env python3
"""Makes the wizard's pictures and sounds: the five 180 x 330 page pictures (GIF87a), the
48 x 50 help picture (BMP), the looping test sound MICSOUND (PCM, 2 channels, 22050 Hz, 8 bits,
132900 data bytes) and BEEP (PCM, 1 channel, 11025 Hz, 8 bits, 1015 data bytes).
Run it again to remake them; the output is always the same."""
import math
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
SOUNDS = os.path.join(HERE, "..", "sounds")

WIDTH, HEIGHT = 180, 330


# --- pictures --------------------------------------------------------------------------------

def lzw_encode(indexes, min_code_size):
    clear, end = 1 << min_code_size, (1 << min_code_size) + 1
    out, bits, nbits = bytearray(), 0, 0
    code_size = min_code_size + 1

    def emit(code):
        nonlocal bits, nbits
        bits |= code << nbits
        nbits += code_size
        while nbits >= 8:
            out.append(bits & 0xFF)
            bits >>= 8
            nbits -= 8

    table = {(i,): i for i in range(clear)}
    next_code = end + 1
    emit(clear)
    current = ()
    for index in indexes:
        candidate = current + (index,)
        if candidate in table:
            current = candidate
            continue
        emit(table[current])
        if next_code < 4096:
            table[candidate] = next_code
            next_code += 1
            if next_code > (1 << code_size) and code_size < 12:
                code_size += 1
        else:
            emit(clear)
            table = {(i,): i for i in range(clear)}
            next_code = end + 1
            code_size = min_code_size + 1
        current = (index,)
    if current:
        emit(table[current])
    emit(end)
    if nbits:
        out.append(bits & 0xFF)
    return bytes(out)


def write_gif87a(path, width, height, palette, indexes):
    assert len(palette) == 256 and len(indexes) == width * height
    data = lzw_encode(indexes, 8)
    blocks = b"".join(bytes([len(data[i:i + 255])]) + data[i:i + 255] for i in range(0, len(data), 255))
    with open(path, "wb") as f:
        f.write(b"GIF87a" + struct.pack("<HHBBB", width, height, 0xF7, 0, 0))
        f.write(b"".join(struct.pack("BBB", *rgb) for rgb in palette))
        f.write(b"," + struct.pack("<HHHHB", 0, 0, width, height, 0) + bytes([8]) + blocks + b"\x00;")


# Palette: 0..127 a blue gradient, then the colours the drawings use.
PALETTE = [(int(20 + 30 * t), int(60 + 90 * t), int(120 + 120 * t)) for t in (i / 127 for i in range(128))]
NAMED = {"white": (255, 255, 255), "light": (210, 225, 245), "shadow": (10, 30, 70), "yellow": (250, 210, 40),
         "green": (40, 170, 70), "red": (220, 50, 40), "grey": (150, 160, 175), "dark": (40, 45, 60)}
COLOUR = {}
for name, rgb in NAMED.items():
    COLOUR[name] = len(PALETTE)
    PALETTE.append(rgb)
PALETTE += [(0, 0, 0)] * (256 - len(PALETTE))

# Seven-segment digits on a 5 x 9 grid of cells.
SEGMENTS = {1: "bc", 2: "abged", 3: "abgcd", 4: "fgbc", 5: "afgcd"}


class Canvas:
    def __init__(self):
        self.pixels = [min(127, y * 128 // HEIGHT) for y in range(HEIGHT) for _ in range(WIDTH)]

    def put(self, x, y, colour):
        if 0 <= x < WIDTH and 0 <= y < HEIGHT:
            self.pixels[y * WIDTH + x] = COLOUR[colour]

    def rect(self, x0, y0, x1, y1, colour):
        for y in range(y0, y1):
            for x in range(x0, x1):
                self.put(x, y, colour)

    def disc(self, cx, cy, r, colour, inner=0):
        for y in range(cy - r, cy + r + 1):
            for x in range(cx - r, cx + r + 1):
                d = math.hypot(x - cx, y - cy)
                if inner <= d <= r:
                    self.put(x, y, colour)

    def digit(self, n, x, y, cell, colour):
        s = SEGMENTS[n]
        w, h = 5 * cell, 9 * cell
        t = cell
        if "a" in s: self.rect(x, y, x + w, y + t, colour)
        if "g" in s: self.rect(x, y + h // 2 - t // 2, x + w, y + h // 2 + t - t // 2, colour)
        if "d" in s: self.rect(x, y + h - t, x + w, y + h, colour)
        if "f" in s: self.rect(x, y, x + t, y + h // 2, colour)
        if "b" in s: self.rect(x + w - t, y, x + w, y + h // 2, colour)
        if "e" in s: self.rect(x, y + h // 2, x + t, y + h, colour)
        if "c" in s: self.rect(x + w - t, y + h // 2, x + w, y + h, colour)


def draw_step(step):
    c = Canvas()
    # The step number in a ring near the top.
    c.disc(90, 70, 46, "shadow")
    c.disc(90, 68, 46, "light", inner=40)
    c.digit(step, 75, 41, 6, "white")
    # Below it, what the step is about.
    if step == 1:   # programs closed: three windows, one crossed
        for i, x in enumerate((30, 75, 120)):
            c.rect(x, 170, x + 34, 200, "light")
            c.rect(x, 170, x + 34, 176, "dark")
        for d in range(-2, 3):
            for t in range(26):
                c.put(122 + t + d, 172 + t, "red")
                c.put(148 - t + d, 172 + t, "red")
    elif step == 2:  # microphone and speaker, connected
        c.disc(55, 180, 16, "grey")
        c.rect(52, 196, 58, 240, "grey")
        c.rect(112, 170, 150, 230, "dark")
        c.disc(131, 186, 11, "grey")
        c.disc(131, 213, 7, "grey")
        for x in range(58, 112, 2):
            c.put(x, 240 - (x - 58) // 4, "yellow")
    elif step == 3:  # volume: a speaker with sound waves and a slider
        c.rect(40, 185, 58, 215, "white")
        for y in range(170, 231):
            spread = abs(y - 200)
            if spread <= 30:
                c.rect(58, y, 58 + max(0, 28 - spread), y + 1, "white")
        for r in (18, 30, 42):
            for a in range(-40, 41):
                x = int(88 + r * math.cos(math.radians(a)))
                y = int(200 + r * math.sin(math.radians(a)))
                c.rect(x, y, x + 3, y + 3, "light")
        c.rect(145, 160, 151, 250, "dark")
        c.rect(138, 190, 158, 200, "yellow")
    elif step == 4:  # a microphone beside a lit level meter
        c.disc(60, 180, 18, "grey")
        c.rect(56, 198, 64, 245, "grey")
        c.rect(40, 245, 80, 251, "grey")
        for i in range(10):
            colour = "yellow" if i == 0 else "green" if i < 6 else "red" if i < 8 else "light"
            c.rect(110, 250 - i * 10, 150, 257 - i * 10, colour)
    else:  # done: a check mark
        for t in range(30):
            c.rect(55 + t, 195 + t, 63 + t, 203 + t, "green")
        for t in range(60):
            c.rect(85 + t, 225 - t * 3 // 2, 93 + t, 233 - t * 3 // 2, "green")
    # A frame line at the right edge, next to the page's text.
    c.rect(WIDTH - 2, 0, WIDTH, HEIGHT, "shadow")
    return c.pixels


def write_help_bmp(path):
    w, h = 48, 50
    rows = []
    for y in range(h):
        row = bytearray()
        for x in range(w):
            d = math.hypot(x - 23.5, y - 24.5)
            if d <= 20:
                b, g, r = 200, 120, 40
                if d >= 18:
                    b, g, r = 120, 60, 10
            else:
                b, g, r = 240, 240, 240
            row += bytes((b, g, r))
        rows.append(row)
    # A question mark drawn on top: an arc and a dot.
    def dot(x, y):
        if 0 <= x < w and 0 <= y < h:
            rows[y][x * 3:x * 3 + 3] = b"\xff\xff\xff"
    for a in range(-200, 60):
        for t in range(3):
            dot(int(24 + (8 + t) * math.cos(math.radians(a))), int(19 + (8 + t) * math.sin(math.radians(a))))
    for y in range(26, 32):
        for x in range(22, 27):
            dot(x, y)
    for y in range(35, 40):
        for x in range(22, 27):
            dot(x, y)
    stride = (w * 3 + 3) // 4 * 4
    pixels = b"".join(bytes(rows[y]) + b"\0" * (stride - w * 3) for y in reversed(range(h)))
    header = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(b"BM" + struct.pack("<IHHI", 14 + len(header) + len(pixels), 0, 0, 14 + len(header)))
        f.write(header + pixels)


# --- sounds ----------------------------------------------------------------------------------

def write_wave(path, channels, rate, samples):
    data = bytes(samples)
    fmt = struct.pack("<HHIIHH", 1, channels, rate, rate * channels, channels, 8)
    with open(path, "wb") as f:
        f.write(b"RIFF" + struct.pack("<I", 4 + 8 + len(fmt) + 8 + len(data)) + b"WAVE")
        f.write(b"fmt " + struct.pack("<I", len(fmt)) + fmt)
        f.write(b"data" + struct.pack("<I", len(data)) + data)


def micsound():
    # A soft three-note chime, repeated: left and right a little apart so the speakers both show.
    rate, frames = 22050, 132900 // 2
    notes = (523.25, 659.25, 783.99, 659.25)
    out = bytearray()
    for n in range(frames):
        t = n / rate
        note = notes[int(t / 0.75) % len(notes)]
        within = (t % 0.75) / 0.75
        envelope = min(1.0, within * 20) * (1.0 - within) ** 1.5
        left = math.sin(2 * math.pi * note * t) * envelope
        right = math.sin(2 * math.pi * note * 1.5 * t) * envelope * 0.6
        out += bytes((128 + int(90 * left), 128 + int(90 * right)))
    assert len(out) == 132900
    return out


def beep():
    rate, count = 11025, 1015
    out = bytearray()
    for n in range(count):
        fade = min(1.0, n / 40, (count - n) / 40)
        out.append(128 + int(100 * fade * math.sin(2 * math.pi * 1000 * n / rate)))
    return out


def main():
    for step in range(1, 6):
        write_gif87a(os.path.join(HERE, "step%d.gif" % step), WIDTH, HEIGHT, PALETTE, draw_step(step))
    write_help_bmp(os.path.join(HERE, "help.bmp"))
    write_wave(os.path.join(SOUNDS, "micsound.wav"), 2, 22050, micsound())
    write_wave(os.path.join(SOUNDS, "beep.wav"), 1, 11025, beep())


if __name__ == "__main__":
    main()
