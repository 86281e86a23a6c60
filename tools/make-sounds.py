#!/usr/bin/env python3
"""Synthesise Quorvel's supplied sounds and the sound-sequence templates.

Everything is made from plain tones (no recordings), with a fixed random seed
per file, so running the script again gives the same bytes:

    data/sound/<sequence>-<event>.wav   five sequences of eight cues
    data/sound/space-welcome.mp3        one cue encoded with lame (skipped, with
                                        a note, when lame is not installed)
    data/default.wav                    the neutral fallback blip
    data/sys/Sound1.txt .. Sound5.txt   the sequence templates
    data/sys/SoundStr.txt               their titles

Usage: tools/make-sounds.py [--data DIR]    (DIR defaults to the repository's data/)

Only the Python standard library is needed. WAV files are mono, 16-bit PCM,
22050 Hz, peak-normalised, with short fades at both ends so they never click.
"""

import argparse
import math
import os
import random
import shutil
import struct
import subprocess
import sys
import tempfile
import wave
import zlib

RATE = 22050
NYQUIST = RATE / 2
TWO_PI = 2 * math.pi

# The eight events in the order of the lines of a sequence file.
EVENTS = ["welcome", "start", "right", "wrong",
          "late-right", "late-wrong", "timeout", "quit"]


# ---------------------------------------------------------------- basics

def note(name):
    """Frequency of a note name such as 'C5', 'F#4' or 'Bb3' (A4 = 440 Hz)."""
    steps = {"C": -9, "D": -7, "E": -5, "F": -4, "G": -2, "A": 0, "B": 2}
    semis = steps[name[0]]
    rest = name[1:]
    while rest and rest[0] in "#b":
        semis += 1 if rest[0] == "#" else -1
        rest = rest[1:]
    octave = int(rest)
    return 440.0 * 2 ** ((semis + 12 * (octave - 4)) / 12)


def samples(seconds):
    return int(round(seconds * RATE))


class Track:
    """A mono buffer that voices are mixed into at given times."""

    def __init__(self, seconds):
        self.data = [0.0] * samples(seconds)

    def add(self, voice, at=0.0, gain=1.0):
        start = samples(at)
        end = min(len(self.data), start + len(voice))
        for i in range(start, end):
            self.data[i] += gain * voice[i - start]
        return self

    def echo(self, delay, gain, repeats=3):
        """Feed-forward echoes: a little room around dry synthetic tones."""
        d = samples(delay)
        dry = list(self.data)
        for r in range(1, repeats + 1):
            g = gain ** r
            off = d * r
            for i in range(off, len(self.data)):
                self.data[i] += g * dry[i - off]
        return self


    def lowpass(self, cutoff):
        """One-pole low-pass: takes the edge off bright waveforms."""
        k = 1 - math.exp(-TWO_PI * cutoff / RATE)
        y = 0.0
        for i, x in enumerate(self.data):
            y += k * (x - y)
            self.data[i] = y
        return self


def envelope(n, attack, tau=None, release=0.01):
    """Smooth attack, optional exponential decay, and a cosine release."""
    a = max(1, samples(attack))
    r = max(1, samples(release))
    out = []
    for i in range(n):
        t = i / RATE
        e = math.sin(0.5 * math.pi * i / a) ** 2 if i < a else 1.0
        if tau:
            e *= math.exp(-t / tau)
        left = n - 1 - i
        if left < r:
            e *= 0.5 - 0.5 * math.cos(math.pi * left / r)
        out.append(e)
    return out


def glide(f0, f1, n, curve=1.0):
    """Per-sample frequency moving from f0 to f1 on an exponential path."""
    if f1 is None or f1 == f0:
        return [f0] * n
    ratio = f1 / f0
    return [f0 * ratio ** ((i / max(1, n - 1)) ** curve) for i in range(n)]


def osc(freqs, shape="sine", vibrato=(0.0, 0.0), phase=0.0):
    """Band-limited oscillator following a per-sample frequency list.

    shape: sine, triangle or square (odd harmonics up to the Nyquist limit).
    vibrato: (rate in Hz, depth as a fraction of the frequency).
    """
    rate_v, depth_v = vibrato
    out = []
    ph = phase
    for i, f in enumerate(freqs):
        if depth_v:
            f *= 1 + depth_v * math.sin(TWO_PI * rate_v * i / RATE)
        ph += TWO_PI * f / RATE
        if shape == "sine":
            v = math.sin(ph)
        else:
            top = int(NYQUIST * 0.9 / f)
            v = 0.0
            k = 1
            while k <= top:
                if shape == "square":
                    v += math.sin(k * ph) / k
                else:  # triangle
                    sign = -1 if (k // 2) % 2 else 1
                    v += sign * math.sin(k * ph) / (k * k)
                k += 2
            v *= (4 / math.pi) if shape == "square" else (8 / math.pi ** 2)
        out.append(v)
    return out


def tone(freq, dur, shape="sine", attack=0.005, tau=None, release=0.03,
         to=None, curve=1.0, vibrato=(0.0, 0.0), amp=1.0):
    n = samples(dur)
    wave_ = osc(glide(freq, to, n, curve), shape, vibrato)
    env = envelope(n, attack, tau, release)
    return [amp * w * e for w, e in zip(wave_, env)]


def partials(freq, dur, overtones, attack=0.002, release=0.04, amp=1.0):
    """Additive voice: overtones is a list of (ratio, amplitude, decay time)."""
    n = samples(dur)
    out = [0.0] * n
    for ratio, a, tau in overtones:
        f = freq * ratio
        if f >= NYQUIST * 0.9:
            continue
        step = TWO_PI * f / RATE
        for i in range(n):
            out[i] += a * math.sin(step * i) * math.exp(-i / RATE / tau)
    env = envelope(n, attack, None, release)
    return [amp * v * e for v, e in zip(out, env)]


def noise(dur, rng, attack=0.001, tau=0.02, release=0.005, lowpass=0.3,
          highpass=0.0, amp=1.0):
    """Soft noise burst; lowpass/highpass are one-pole coefficients 0..1."""
    n = samples(dur)
    env = envelope(n, attack, tau, release)
    out = []
    lp = 0.0
    prev_lp = 0.0
    hp = 0.0
    for i in range(n):
        x = rng.uniform(-1.0, 1.0)
        lp += lowpass * (x - lp)
        if highpass:
            hp = highpass * (hp + lp - prev_lp)
            prev_lp = lp
            y = hp
        else:
            y = lp
        out.append(amp * y * env[i])
    return out


# ---------------------------------------------------------------- timbres

def bell(name, dur, amp=1.0, tau=0.45, soft=False):
    f = note(name)
    bright = 0.25 if soft else 1.0
    overtones = [(1.0, 1.0, tau), (2.0, 0.45 * bright, tau * 0.6),
            (3.01, 0.22 * bright, tau * 0.4), (4.17, 0.12 * bright, tau * 0.25),
            (0.5, 0.10, tau * 1.2)]
    return partials(f, dur, overtones, attack=0.002, amp=amp)


def marimba(name, dur, amp=1.0, tau=None):
    f = note(name)
    tau = tau or max(0.12, min(0.45, 90.0 / f))
    overtones = [(1.0, 1.0, tau), (3.93, 0.30, tau * 0.30),
            (9.2, 0.08, tau * 0.10)]
    return partials(f, dur, overtones, attack=0.003, amp=amp)


def woodblock(name, amp=0.6):
    return marimba(name, 0.08, amp=amp, tau=0.025)


def chip(name, dur, amp=0.5, tau=None, to=None, shape="square", release=0.02):
    return tone(note(name), dur, shape, attack=0.003, tau=tau,
                release=release, to=None if to is None else note(to), amp=amp)


def soft(name, dur, amp=1.0, attack=0.03, tau=0.5, shape="triangle"):
    return tone(note(name), dur, shape, attack=attack, tau=tau,
                release=min(0.12, dur / 3), amp=amp)


# ------------------------------------------------ the five sequences' cues
# Each builder returns a Track; ticks before a late cue say "time is up".

def chimes(event, rng):
    if event == "welcome":
        t = Track(1.3)
        for i, n in enumerate(["C6", "E6", "G6", "C7"]):
            t.add(bell(n, 1.3 - 0.11 * i, amp=0.8 if i < 3 else 0.6), 0.11 * i)
        t.add(bell("G5", 0.85, amp=0.35, tau=0.5), 0.44)
        t.add(bell("E6", 0.85, amp=0.25, tau=0.5), 0.44)
        return t.echo(0.07, 0.2, 2)
    if event == "start":
        t = Track(0.6)
        t.add(bell("G6", 0.6, tau=0.3), 0.0)
        t.add(bell("C7", 0.5, tau=0.3), 0.1)
        return t
    if event == "right":
        t = Track(0.4)
        for i, n in enumerate(["E6", "G6", "C7"]):
            t.add(bell(n, 0.4 - 0.07 * i, tau=0.18, amp=0.8), 0.07 * i)
        return t
    if event == "wrong":
        t = Track(0.55)
        t.add(bell("E5", 0.55, tau=0.22, soft=True), 0.0)
        t.add(bell("C5", 0.4, tau=0.25, soft=True), 0.15)
        return t
    if event == "quit":
        t = Track(1.3)
        for i, n in enumerate(["C7", "G6", "E6", "C6"]):
            t.add(bell(n, 1.3 - 0.12 * i, amp=0.7, tau=0.4 + 0.05 * i), 0.12 * i)
        t.add(bell("C5", 0.94, amp=0.35, tau=0.5), 0.36)
        return t.echo(0.07, 0.2, 2)
    late = Track(0.65)
    late.add(noise(0.04, rng, tau=0.008, lowpass=0.6, highpass=0.6, amp=0.5), 0.0)
    late.add(bell("G6", 0.06, tau=0.015, amp=0.35), 0.0)
    late.add(noise(0.04, rng, tau=0.008, lowpass=0.45, highpass=0.6, amp=0.5), 0.13)
    late.add(bell("D6", 0.06, tau=0.015, amp=0.35), 0.13)
    if event == "late-right":
        late.add(bell("G6", 0.4, tau=0.2), 0.26).add(bell("C7", 0.32, tau=0.2), 0.33)
    elif event == "late-wrong":
        late.add(bell("E5", 0.39, tau=0.2, soft=True), 0.26)
        late.add(bell("C5", 0.26, tau=0.2, soft=True), 0.39)
    elif event == "timeout":
        late.add(bell("G5", 0.39, tau=0.12, soft=True), 0.26)
        late.add(bell("G5", 0.24, tau=0.15, soft=True), 0.41)
    return late


def marimba_set(event, rng):
    if event == "welcome":
        t = Track(1.2)
        for i, n in enumerate(["F4", "A4", "C5", "F5", "A5"]):
            t.add(marimba(n, 0.6), 0.09 * i)
        t.add(marimba("C5", 0.65, amp=0.7), 0.55).add(marimba("F5", 0.65, amp=0.8), 0.55)
        t.add(marimba("F3", 0.65, amp=0.6), 0.55)
        return t
    if event == "start":
        t = Track(0.55)
        t.add(marimba("C5", 0.5), 0.0).add(marimba("F5", 0.43), 0.12)
        return t
    if event == "right":
        t = Track(0.4)
        t.add(marimba("A5", 0.3), 0.0).add(marimba("C6", 0.3), 0.07)
        t.add(marimba("F6", 0.26), 0.14)
        return t
    if event == "wrong":
        t = Track(0.5)
        t.add(marimba("C5", 0.3, amp=0.8), 0.0).add(marimba("A4", 0.36), 0.14)
        return t
    if event == "quit":
        t = Track(1.2)
        for i, n in enumerate(["A5", "F5", "C5", "A4"]):
            t.add(marimba(n, 0.6), 0.1 * i)
        t.add(marimba("F4", 0.8), 0.4).add(marimba("F3", 0.8, amp=0.6), 0.4)
        return t
    late = Track(0.6)
    late.add(woodblock("F6"), 0.0).add(woodblock("C6"), 0.12)
    if event == "late-right":
        late.add(marimba("A5", 0.3), 0.26).add(marimba("C6", 0.27), 0.33)
    elif event == "late-wrong":
        late.add(marimba("C5", 0.3, amp=0.8), 0.26).add(marimba("A4", 0.2), 0.4)
    elif event == "timeout":
        late.add(marimba("F4", 0.2), 0.26).add(marimba("F4", 0.19), 0.41)
    return late


def arcade(event, rng):
    return arcade_raw(event, rng).lowpass(4500.0)


def arcade_raw(event, rng):
    if event == "welcome":
        t = Track(1.1)
        for i, n in enumerate(["G4", "B4", "D5", "G5", "B5", "D6"]):
            t.add(chip(n, 0.07, tau=0.08), 0.07 * i)
        t.add(tone(note("G5"), 0.6, "square", attack=0.004, tau=0.35,
                   release=0.15, vibrato=(6.0, 0.006), amp=0.5), 0.46)
        t.add(tone(note("D5"), 0.6, "triangle", attack=0.004, tau=0.4,
                   release=0.15, amp=0.5), 0.46)
        return t
    if event == "start":
        t = Track(0.5)
        t.add(chip("G5", 0.06), 0.0).add(chip("G5", 0.06), 0.1)
        t.add(chip("G6", 0.28, tau=0.12), 0.2)
        return t
    if event == "right":
        t = Track(0.3)
        t.add(chip("D6", 0.05), 0.0).add(chip("A6", 0.25, tau=0.09), 0.05)
        return t
    if event == "wrong":
        t = Track(0.45)
        t.add(tone(note("D5"), 0.16, "triangle", attack=0.005, to=note("B4"),
                   release=0.03, amp=0.9), 0.0)
        t.add(tone(note("A4"), 0.27, "triangle", attack=0.005, to=note("F4"),
                   tau=0.3, release=0.08, amp=0.9), 0.17)
        return t
    if event == "quit":
        t = Track(1.1)
        for i, n in enumerate(["D6", "B5", "G5", "D5", "B4"]):
            t.add(chip(n, 0.08, tau=0.09), 0.08 * i)
        t.add(tone(note("G4"), 0.7, "square", attack=0.004, tau=0.3,
                   release=0.2, to=note("G3"), curve=2.0, amp=0.45), 0.4)
        return t
    late = Track(0.55)
    late.add(noise(0.03, rng, tau=0.01, lowpass=0.9, amp=0.35), 0.0)
    late.add(noise(0.03, rng, tau=0.01, lowpass=0.5, amp=0.35), 0.12)
    if event == "late-right":
        late.add(chip("D6", 0.05), 0.25).add(chip("A6", 0.25, tau=0.09), 0.3)
    elif event == "late-wrong":
        late.add(tone(note("D5"), 0.13, "triangle", attack=0.005, to=note("B4"),
                      release=0.03, amp=0.9), 0.25)
        late.add(tone(note("A4"), 0.17, "triangle", attack=0.005, to=note("F4"),
                      tau=0.2, release=0.06, amp=0.9), 0.38)
    elif event == "timeout":
        late.add(chip("E5", 0.08), 0.25).add(chip("E5", 0.14, tau=0.08), 0.37)
    return late


def space(event, rng):
    if event == "welcome":
        t = Track(1.45)
        t.add(tone(note("D4"), 0.6, attack=0.12, to=note("D5"), curve=0.7,
                   release=0.2, vibrato=(5.0, 0.004), amp=0.7), 0.0)
        for n, a in [("D5", 0.45), ("A5", 0.35), ("F#6", 0.25)]:
            t.add(tone(note(n), 0.95, attack=0.08, tau=0.6, release=0.3,
                       vibrato=(4.5, 0.003), amp=a), 0.45)
        t.add(noise(1.0, rng, attack=0.35, tau=0.4, release=0.3,
                    lowpass=0.08, amp=0.6), 0.1)
        return t.echo(0.14, 0.3, 3)
    if event == "start":
        t = Track(0.7)
        t.add(tone(note("A4"), 0.25, attack=0.03, to=note("A5"), release=0.05,
                   amp=0.7), 0.0)
        t.add(tone(note("A5"), 0.4, attack=0.005, tau=0.15, release=0.1), 0.22)
        return t.echo(0.12, 0.3, 2)
    if event == "right":
        t = Track(0.38)
        t.add(tone(note("E5"), 0.12, attack=0.01, to=note("A5"), curve=0.5,
                   release=0.02, amp=0.8), 0.0)
        t.add(tone(note("A5"), 0.2, attack=0.005, tau=0.08, release=0.05,
                   amp=0.9), 0.11)
        t.add(tone(note("E6"), 0.2, attack=0.005, tau=0.06, release=0.05,
                   amp=0.3), 0.11)
        return t.echo(0.09, 0.25, 2)
    if event == "wrong":
        t = Track(0.55)
        t.add(tone(note("A4"), 0.42, attack=0.04, to=note("D4"), curve=1.3,
                   tau=0.35, release=0.1, vibrato=(7.0, 0.01)), 0.0)
        return t.echo(0.11, 0.25, 2)
    if event == "quit":
        t = Track(1.35)
        t.add(tone(note("D6"), 0.9, attack=0.03, to=note("D4"), curve=0.8,
                   tau=0.6, release=0.3, vibrato=(5.0, 0.004), amp=0.7), 0.0)
        for n, a in [("D4", 0.35), ("A4", 0.3)]:
            t.add(tone(note(n), 0.75, attack=0.1, tau=0.4, release=0.3,
                       amp=a), 0.45)
        t.add(noise(0.9, rng, attack=0.05, tau=0.3, release=0.3,
                    lowpass=0.06, amp=0.5), 0.0)
        return t.echo(0.14, 0.3, 3)
    late = Track(0.65)
    late.add(tone(1480.0, 0.08, attack=0.002, tau=0.02, release=0.01, amp=0.4), 0.0)
    late.add(tone(1175.0, 0.08, attack=0.002, tau=0.02, release=0.01, amp=0.4), 0.13)
    if event == "late-right":
        late.add(tone(note("E5"), 0.1, attack=0.01, to=note("A5"), curve=0.5,
                      release=0.02, amp=0.8), 0.27)
        late.add(tone(note("A5"), 0.2, attack=0.005, tau=0.08, release=0.05,
                      amp=0.9), 0.36)
    elif event == "late-wrong":
        late.add(tone(note("A4"), 0.36, attack=0.04, to=note("D4"), curve=1.3,
                      tau=0.3, release=0.1, vibrato=(7.0, 0.01)), 0.27)
    elif event == "timeout":
        late.add(tone(note("E5"), 0.36, attack=0.03, tau=0.3, release=0.1,
                      vibrato=(9.0, 0.02), amp=0.8), 0.27)
    return late.echo(0.1, 0.2, 2)


def gentle(event, rng):
    if event == "welcome":
        t = Track(1.3)
        for i, n in enumerate(["C5", "D5", "E5", "G5"]):
            t.add(soft(n, 0.5, amp=0.7, tau=0.3), 0.12 * i)
        for n in ["C5", "E5", "G5"]:
            t.add(soft(n, 0.8, amp=0.35, attack=0.08, tau=0.45, shape="sine"), 0.5)
        return t
    if event == "start":
        t = Track(0.6)
        t.add(soft("G4", 0.35, tau=0.2), 0.0).add(soft("C5", 0.45, tau=0.25), 0.15)
        return t
    if event == "right":
        t = Track(0.38)
        t.add(soft("E5", 0.2, attack=0.015, tau=0.12), 0.0)
        t.add(soft("G5", 0.3, attack=0.015, tau=0.14), 0.09)
        return t
    if event == "wrong":
        t = Track(0.55)
        t.add(soft("D5", 0.3, tau=0.18, shape="sine"), 0.0)
        t.add(soft("A4", 0.38, tau=0.22, shape="sine"), 0.17)
        return t
    if event == "quit":
        t = Track(1.3)
        for i, n in enumerate(["G5", "E5", "D5", "C5"]):
            t.add(soft(n, 0.5, amp=0.7, tau=0.3), 0.12 * i)
        for n in ["C4", "G4", "C5"]:
            t.add(soft(n, 0.8, amp=0.35, attack=0.08, tau=0.45, shape="sine"), 0.5)
        return t
    late = Track(0.62)
    late.add(tone(1200.0, 0.06, attack=0.003, tau=0.015, release=0.01, amp=0.35), 0.0)
    late.add(tone(1000.0, 0.06, attack=0.003, tau=0.015, release=0.01, amp=0.35), 0.13)
    if event == "late-right":
        late.add(soft("E5", 0.2, attack=0.015, tau=0.12), 0.26)
        late.add(soft("G5", 0.27, attack=0.015, tau=0.14), 0.35)
    elif event == "late-wrong":
        late.add(soft("D5", 0.25, tau=0.15, shape="sine"), 0.26)
        late.add(soft("A4", 0.21, tau=0.15, shape="sine"), 0.41)
    elif event == "timeout":
        late.add(soft("C5", 0.2, tau=0.1, shape="sine"), 0.26)
        late.add(soft("C5", 0.21, tau=0.1, shape="sine"), 0.41)
    return late


def default_blip():
    t = Track(0.15)
    t.add(tone(880.0, 0.15, attack=0.004, tau=0.045, release=0.03))
    t.add(tone(1760.0, 0.15, attack=0.004, tau=0.02, release=0.03, amp=0.15))
    return t


# (file prefix, title shown to the user, builder, peak level in dBFS).
# Square waves and slow sine tones sound louder than bells at the same peak,
# so those sets are levelled lower to keep the five sets alike in loudness;
# the quiet "Gentle" set also stays a little below the others on purpose.
SEQUENCES = [
    ("chimes", "Chimes", chimes, -3.0),
    ("marimba", "Marimba", marimba_set, -3.0),
    ("arcade", "Arcade", arcade, -8.0),
    ("space", "Space", space, -4.0),
    ("gentle", "Gentle", gentle, -7.0),
]

# Wrong and timed-out answers stay a little softer than the rest of their set.
EVENT_TRIM_DB = {"wrong": -2.0, "late-wrong": -2.0, "timeout": -1.5}

# The one cue shipped as MP3, so that both file types are exercised.
MP3_CUE = ("space", "welcome")
SILENCE_TITLE = "Silence..."


# ---------------------------------------------------------------- output

def finish(data, peak_db):
    """Normalise to the wanted peak and fade both ends to avoid clicks."""
    peak = max(abs(v) for v in data) or 1.0
    gain = 10 ** (peak_db / 20) / peak
    n = len(data)
    fin = samples(0.003)
    fout = samples(max(0.015, min(0.08, 0.2 * n / RATE)))
    out = []
    for i, v in enumerate(data):
        g = gain
        if i < fin:
            g *= i / fin
        if n - 1 - i < fout:
            g *= (n - 1 - i) / fout
        out.append(v * g)
    return out


def write_wav(path, data):
    frames = struct.pack("<%dh" % len(data),
                         *(max(-32767, min(32767, int(round(v * 32767))))
                           for v in data))
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(frames)


def encode_mp3(wav_path, mp3_path):
    lame = shutil.which("lame")
    if not lame:
        print("note: lame not found; kept the existing %s (install the 'lame' "
              "package to rebuild it)" % mp3_path, file=sys.stderr)
        return False
    subprocess.run([lame, "--quiet", "--noreplaygain", "-m", "m", "-b", "64",
                    wav_path, mp3_path], check=True)
    return True


def write_text_lines(path, lines):
    """Windows-1252 text with CR LF after every line, the last one included."""
    with open(path, "wb") as f:
        f.write("".join(line + "\r\n" for line in lines).encode("cp1252"))


def describe(path, data):
    peak = max(abs(v) for v in data)
    rms = math.sqrt(sum(v * v for v in data) / len(data))
    print("%-28s %5.2f s  peak %6.1f dBFS  rms %6.1f dBFS"
          % (os.path.basename(path), len(data) / RATE,
             20 * math.log10(peak), 20 * math.log10(rms)))


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--data", default=os.path.join(here, "..", "data"),
                        help="the data folder to write into")
    args = parser.parse_args()
    data_dir = os.path.normpath(args.data)
    sound_dir = os.path.join(data_dir, "sound")
    sys_dir = os.path.join(data_dir, "sys")
    os.makedirs(sound_dir, exist_ok=True)
    os.makedirs(sys_dir, exist_ok=True)

    titles = [SILENCE_TITLE]
    with tempfile.TemporaryDirectory() as tmp:
        for number, (prefix, title, build, level) in enumerate(SEQUENCES, 1):
            entries = []
            for event in EVENTS:
                name = "%s-%s" % (prefix, event)
                # Seeded by name, so each file comes out the same on every run.
                rng = random.Random(zlib.crc32(name.encode()))
                pcm = finish(build(event, rng).data,
                             level + EVENT_TRIM_DB.get(event, 0.0))
                if (prefix, event) == MP3_CUE:
                    wav_path = os.path.join(tmp, name + ".wav")
                    write_wav(wav_path, pcm)
                    encode_mp3(wav_path, os.path.join(sound_dir, name + ".mp3"))
                    file_name = name + ".mp3"
                else:
                    file_name = name + ".wav"
                    write_wav(os.path.join(sound_dir, file_name), pcm)
                describe(file_name, pcm)
                entries.append("appdir\\sound\\" + file_name)
            write_text_lines(os.path.join(sys_dir, "Sound%d.txt" % number), entries)
            assert len(title) <= 10
            titles.append(title)
    write_text_lines(os.path.join(sys_dir, "SoundStr.txt"), titles)

    blip = finish(default_blip().data, -3.0)
    write_wav(os.path.join(data_dir, "default.wav"), blip)
    describe("default.wav", blip)


if __name__ == "__main__":
    main()
