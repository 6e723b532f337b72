#!/usr/bin/env python3
"""Writes Welmor's two alarm sounds, sound1.wav and sound2.wav.

SOUND1 (CPU alarms): one short bright ping, 44 100 Hz.
SOUND2 (RAM alarms): a two-note "ding-dong" chime, 22 050 Hz.

Both are mono 16-bit PCM of a fixed number of data bytes, start and end
at silence with smooth edges (no click), and peak at about -6 dBFS. Run
it again only to change the sounds; the .wav files are kept in the tree so
that a build needs nothing but the resource compiler. Prints each sound's
duration and peak level.
"""
import math
import os
import struct
import sys

PEAK = 0.5  # -6 dBFS


def raised_cosine(x):
    """0 at x <= 0, 1 at x >= 1, smooth in between."""
    if x <= 0:
        return 0.0
    if x >= 1:
        return 1.0
    return 0.5 - 0.5 * math.cos(math.pi * x)


def bell(t, start, freq, decay):
    """A struck note: the fundamental and two softer partials, decaying."""
    t -= start
    if t < 0:
        return 0.0
    env = raised_cosine(t / 0.004) * math.exp(-t / decay)
    return env * (math.sin(2 * math.pi * freq * t)
                  + 0.35 * math.sin(2 * math.pi * 2 * freq * t)
                  + 0.12 * math.sin(2 * math.pi * 3 * freq * t))


def render(rate, data_bytes, voice, fade_out):
    count = data_bytes // 2
    length = count / rate
    raw = []
    for i in range(count):
        t = i / rate
        # the last sample is exactly silent, as is the first
        tail = raised_cosine((length - t - 1 / rate) / fade_out)
        raw.append(voice(t) * tail)
    scale = PEAK / max(abs(v) for v in raw)
    return [int(round(v * scale * 32767)) for v in raw]


def sound1(t):
    return bell(t, 0.0, 1318.51, 0.05)  # E6


def sound2(t):
    return bell(t, 0.0, 987.77, 0.16) + bell(t, 0.26, 783.99, 0.2)  # B5, then G5


def wave_file(rate, samples):
    data = struct.pack('<%dh' % len(samples), *samples)
    fmt = struct.pack('<HHIIHH', 1, 1, rate, rate * 2, 2, 16)
    body = b'WAVE' + b'fmt ' + struct.pack('<I', len(fmt)) + fmt
    body += b'data' + struct.pack('<I', len(data)) + data
    return b'RIFF' + struct.pack('<I', len(body)) + body


SOUNDS = [
    # file, rate, data bytes, voice, fade-out seconds
    ('sound1.wav', 44100, 14040, sound1, 0.03),
    ('sound2.wav', 22050, 32992, sound2, 0.12),
]


def main(folder):
    for name, rate, data_bytes, voice, fade_out in SOUNDS:
        samples = render(rate, data_bytes, voice, fade_out)
        with open(os.path.join(folder, name), 'wb') as f:
            f.write(wave_file(rate, samples))
        peak = max(abs(s) for s in samples)
        print('%s: %d Hz, %d data bytes, %.3f s, peak %d (%.1f dBFS), first %d, last %d'
              % (name, rate, data_bytes, len(samples) / rate, peak,
                 20 * math.log10(peak / 32768), samples[0], samples[-1]))


if __name__ == '__main__':
    main(sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__)))
