#!/usr/bin/env python3
"""Draws the two sounds of the program: 16-bit PCM, mono, 44.1 kHz.

IR_END.WAV  a soft two-note chime (a valuation is done)
tada.WAV    a short fanfare (the workbook has been opened)

Usage: make-sounds.py [output-folder]   (default: the folder of this script)
The output is deterministic, so running it again gives the same files.
"""

import math
import os
import struct
import sys
import wave

RATE = 44100
PEAK = 0.8  # headroom below full scale


def note_freq(name):
    """Frequency of a note such as 'C5' or 'G#4' (A4 = 440 Hz)."""
    steps = {"C": -9, "D": -7, "E": -5, "F": -4, "G": -2, "A": 0, "B": 2}
    semis = steps[name[0]]
    rest = name[1:]
    if rest.startswith("#"):
        semis += 1
        rest = rest[1:]
    octave = int(rest)
    return 440.0 * 2 ** ((semis + 12 * (octave - 4)) / 12)


def bell(freq, t):
    """A bell-like tone: a few inharmonic partials, upper ones fading faster."""
    partials = ((1.0, 1.0, 3.0), (2.0, 0.45, 5.0), (3.01, 0.22, 8.0), (4.2, 0.1, 12.0))
    value = 0.0
    for ratio, amp, decay in partials:
        value += amp * math.exp(-decay * t) * math.sin(2 * math.pi * freq * ratio * t)
    return value


def brass(freq, t, length):
    """A bright brass-like tone with a short attack, a slight vibrato and a soft release."""
    attack = min(1.0, t / 0.02)
    release = min(1.0, max(0.0, (length - t) / 0.06))
    vibrato = 1.0 + 0.004 * math.sin(2 * math.pi * 5.5 * t) * min(1.0, t / 0.2)
    phase = 2 * math.pi * freq * vibrato * t
    value = 0.0
    for k, amp in ((1, 1.0), (2, 0.55), (3, 0.35), (4, 0.2), (5, 0.12), (6, 0.06)):
        value += amp * math.sin(k * phase)
    return value * attack * release


def render(events, duration):
    """Mixes (start, length, function(t)) events into a list of floats."""
    total = int(duration * RATE)
    buf = [0.0] * total
    for start, length, voice in events:
        first = int(start * RATE)
        count = min(int(length * RATE), total - first)
        for i in range(count):
            buf[first + i] += voice(i / RATE)
    return buf


def normalise(buf):
    top = max(abs(v) for v in buf) or 1.0
    # fade the last 10 ms so the sound never ends on a click
    fade = int(0.01 * RATE)
    out = []
    for i, v in enumerate(buf):
        gain = PEAK / top
        if i >= len(buf) - fade:
            gain *= (len(buf) - 1 - i) / fade
        out.append(v * gain)
    return out


def write_wav(path, buf):
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(b"".join(struct.pack("<h", int(round(v * 32767))) for v in buf))


def chime():
    # high note, then the fourth below it: the usual "ding-dong" of a finished job
    high, low = note_freq("A5"), note_freq("E5")
    events = [
        (0.0, 1.1, lambda t: bell(high, t)),
        (0.28, 0.82, lambda t: bell(low, t)),
    ]
    return normalise(render(events, 1.1))


def fanfare():
    # a rising major arpeggio, then the full chord held
    notes = [("C5", 0.0, 0.14), ("E5", 0.13, 0.14), ("G5", 0.26, 0.14)]
    events = []
    for name, start, length in notes:
        f = note_freq(name)
        events.append((start, length, lambda t, f=f, n=length: 0.8 * brass(f, t, n)))
    hold = 0.85
    for name in ("C5", "E5", "G5", "C6"):
        f = note_freq(name)
        events.append((0.40, hold, lambda t, f=f: 0.5 * brass(f, t, hold) * math.exp(-1.2 * t)))
    return normalise(render(events, 1.3))


def main():
    out_dir = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    write_wav(os.path.join(out_dir, "IR_END.WAV"), chime())
    write_wav(os.path.join(out_dir, "tada.WAV"), fanfare())


if __name__ == "__main__":
    main()
