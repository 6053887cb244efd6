#!/usr/bin/python3
"""Synthesises the two help sounds: nbactive.wav (a soft two-note chime) and nbfound.wav
(a rising three-note blip). 16-bit PCM, mono, 22050 Hz. Standard library only.
Run from the repository root:  python3 tools/art/make_sounds.py
"""
import math
import os
import struct
import wave

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
RATE = 22050


def tone(freq, length, start, volume, attack, decay, harmonics=((1, 1.0), (2, 0.25), (3, 0.08))):
    """One note: sine partials under an attack and an exponential decay."""
    n = int(length * RATE)
    out = []
    for i in range(n):
        t = i / RATE
        env = min(1.0, t / attack) * math.exp(-t / decay)
        # fade the very end so the note never clicks
        env *= min(1.0, (n - i) / (0.01 * RATE))
        s = sum(a * math.sin(2 * math.pi * freq * k * t) for k, a in harmonics)
        out.append(volume * env * s)
    return start, out


def render(notes, total, path):
    buf = [0.0] * int(total * RATE)
    for start, samples in notes:
        o = int(start * RATE)
        for i, v in enumerate(samples):
            if o + i < len(buf):
                buf[o + i] += v
    peak = max(abs(v) for v in buf) or 1.0
    scale = 0.7 * 32767 / peak
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(b"".join(struct.pack("<h", int(round(v * scale))) for v in buf))


def main():
    data = os.path.join(ROOT, "help", "data")
    # E6 then B5: a soft falling chime, bell-like partials
    bell = ((1, 1.0), (2.0, 0.3), (3.01, 0.1))
    render([tone(1318.5, 0.16, 0.00, 1.0, 0.004, 0.07, bell),
            tone(987.8, 0.18, 0.08, 1.0, 0.004, 0.08, bell)], 0.26, os.path.join(data, "nbactive.wav"))
    # C6, E6, G6: three short rising blips
    blip = ((1, 1.0), (2, 0.15))
    render([tone(1046.5, 0.09, 0.00, 1.0, 0.003, 0.035, blip),
            tone(1318.5, 0.09, 0.09, 1.0, 0.003, 0.035, blip),
            tone(1568.0, 0.12, 0.18, 1.0, 0.003, 0.05, blip)], 0.30, os.path.join(data, "nbfound.wav"))


if __name__ == "__main__":
    main()
