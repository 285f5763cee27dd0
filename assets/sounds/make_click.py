#!/usr/bin/env python3
"""Writes click.wav: the short click the programs play when a button is pressed.

A soft knock: a 1.9 kHz tone with a quieter octave and a low body, rising in a millisecond and
dying away exponentially, with a two-millisecond touch of noise at the start for the edge.
16-bit stereo PCM at 44,100 Hz, 5,856 frames (about 0.13 s). The output depends on nothing but
this file, so running it again gives the same bytes.
"""
import math
import struct
import sys
from pathlib import Path

RATE = 44100
CHANNELS = 2
BITS = 16
FRAMES = 5856
PEAK = 0.5  # of full scale


def noise():
    """A fixed pseudo-random sequence in [-1, 1)."""
    state = 0x2545F491
    while True:
        state = (state * 1103515245 + 12345) & 0x7FFFFFFF
        yield state / 0x40000000 - 1.0


def samples():
    hiss = noise()
    for n in range(FRAMES):
        t = n / RATE
        attack = min(1.0, t / 0.001)
        decay = math.exp(-t / 0.012)
        tail = 1.0 - n / (FRAMES - 1)  # reaches silence exactly on the last frame
        tone = (math.sin(2 * math.pi * 1900 * t)
                + 0.35 * math.sin(2 * math.pi * 3800 * t)
                + 0.6 * math.sin(2 * math.pi * 620 * t))
        edge = next(hiss) * math.exp(-t / 0.0007)
        value = PEAK * attack * decay * tail * (tone / 1.95 + 0.4 * edge)
        yield max(-32768, min(32767, round(value * 32767)))


def wave_file():
    block_align = CHANNELS * BITS // 8
    data = b"".join(struct.pack("<hh", s, s) for s in samples())
    fmt = struct.pack("<HHIIHH", 1, CHANNELS, RATE, RATE * block_align, block_align, BITS)
    body = b"WAVE" + b"fmt " + struct.pack("<I", len(fmt)) + fmt + b"data" + struct.pack("<I", len(data)) + data
    return b"RIFF" + struct.pack("<I", len(body)) + body


if __name__ == "__main__":
    target = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).with_name("click.wav")
    target.write_bytes(wave_file())
