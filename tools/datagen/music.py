"""MIDI pieces for the music folder: our own short arrangements of melodies in
the public domain (traditional tunes and composers who died long ago).

  twinkle.mid       Twinkle, Twinkle, Little Star (French folk tune, 18th c.)
  ode_to_joy.mid    Ode to Joy, L. van Beethoven (1770-1827)
  greensleeves.mid  Greensleeves (English folk tune, 16th c.)
  sakura.mid        Sakura Sakura (Japanese folk song, Edo period)
  canon.mid         Canon in D, J. Pachelbel (1653-1706)
  largo.mid         Largo of the "New World" symphony, A. Dvorak (1841-1904)

Each file is a format-0 Standard MIDI File with a tempo, a time signature and
General MIDI program changes.
"""

import os
import sys

import smf
from common import check

# General MIDI programs (0-based)
PIANO, HARPSICHORD, MUSIC_BOX, NYLON_GUITAR = 0, 6, 10, 24
VIOLIN, CELLO, PIZZICATO, HARP, STRINGS = 40, 42, 45, 46, 48
ENGLISH_HORN, FLUTE, KOTO = 69, 73, 107

BAR = 4 * smf.DIVISION


def chords(progression, start, bar_ticks, velocity=52):
    """Block chords: progression is a list of (chord keys, bars)."""
    notes = []
    t = start
    for keys, bars in progression:
        dur = round(bars * bar_ticks)
        for k in keys.split("+"):
            notes.append((t, round(dur * 0.95), smf.key_number(k), velocity))
        t += dur
    return notes


def twinkle(path):
    a = "C5 C5 G5 G5 A5 A5 G5:h F5:q F5 E5 E5 D5 D5 C5:h "
    b = "G5:q G5 F5 F5 E5 E5 D5:h "
    melody, _ = smf.parse(a + b + b + a, velocity=90)
    c, f, g = "C3+G3+E4", "F3+A3+C4", "G3+B3+D4"
    bar = [(c, 0.5), (c, 0.5), (f, 0.5), (c, 0.5), (f, 0.5), (c, 0.5), (g, 0.5), (c, 0.5)]
    mid = [(c, 0.5), (f, 0.5), (c, 0.5), (g, 0.5)] * 2
    harmony = chords(bar + mid + bar, 0, BAR, velocity=45)
    return smf.write(path, "Twinkle Twinkle Little Star", 96,
                     [(0, MUSIC_BOX, 110, melody), (1, HARP, 80, harmony)])


def ode_to_joy(path):
    a = "E4:q E4 F4 G4 G4 F4 E4 D4 C4 C4 D4 E4 "
    phrase1 = a + "E4:q. D4:e D4:h "
    phrase2 = a + "D4:q. C4:e C4:h "
    bridge = "D4:q D4 E4 C4 D4 E4:e F4:e E4:q C4 D4 E4:e F4:e E4:q D4 C4 D4 G3:h "
    melody, end = smf.parse(phrase1 + phrase2 + bridge + phrase2, velocity=92)
    c, g, g7 = "C3+E3+G3", "G2+D3+B3", "G2+F3+B3"
    prog = ([(c, 1), (g, 1), (c, 1), (g, 1)] + [(c, 1), (g7, 1), (c, 1), (g, 0.5), (c, 0.5)]
            + [(g, 0.5), (c, 0.5), (g, 0.5), (c, 0.5), (g, 1), (c, 0.5), (g, 0.5)]
            + [(c, 1), (g7, 1), (c, 1), (g, 0.5), (c, 0.5)])
    harmony = chords(prog, 0, BAR, velocity=50)
    return smf.write(path, "Ode to Joy", 108,
                     [(0, STRINGS, 110, melody), (1, PIANO, 85, harmony)])


def greensleeves(path):
    verse_a = ("C5:q D5:e E5:e. F5:s E5:e D5:q B4:e G4:e. A4:s B4:e "
               "C5:q A4:e A4:e. G#4:s A4:e B4:q G#4:e E4:q A4:e ")
    verse_b = ("C5:q D5:e E5:e. F5:s E5:e D5:q B4:e G4:e. A4:s B4:e "
               "C5:e. B4:s A4:e G#4:e. F#4:s G#4:e A4:h. ")
    refrain_a = ("G5:q. G5:e. F#5:s E5:e D5:q B4:e G4:e. A4:s B4:e "
                 "C5:q A4:e A4:e. G#4:s A4:e B4:q G#4:e E4:q. ")
    refrain_b = ("G5:q. G5:e. F#5:s E5:e D5:q B4:e G4:e. A4:s B4:e "
                 "C5:e. B4:s A4:e G#4:e. F#4:s G#4:e A4:h. ")
    pickup = smf.ticks("e")
    melody, _ = smf.parse("A4:e " + verse_a + verse_b + refrain_a + refrain_b, velocity=88)
    # Guitar: one arpeggio of six eighths per bar (6/8), two chords where the tune turns.
    shapes = {"Am": ["A2", "E3", "A3", "C4", "E4", "C4"], "G": ["G2", "D3", "G3", "B3", "D4", "B3"],
              "E": ["E2", "B2", "E3", "G#3", "B3", "G#3"], "C": ["C3", "G3", "C4", "E4", "G4", "E4"]}
    bars = ["Am", "G", "Am", "E", "Am", "G", "Am/E", "Am", "C", "G", "Am", "E", "C", "G", "Am/E", "Am"]
    eighth = smf.ticks("e")
    guitar = []
    t = pickup
    for b in bars:
        parts = b.split("/")
        for k in range(6):
            shape = shapes[parts[0] if len(parts) == 1 or k < 3 else parts[1]]
            guitar.append((t + k * eighth, round(eighth * 1.8), smf.key_number(shape[k]), 58))
        t += 6 * eighth
    return smf.write(path, "Greensleeves", 66 * 3 // 2, [(0, FLUTE, 105, melody),
                                                         (1, NYLON_GUITAR, 90, guitar)],
                     numerator=6, denominator=8)


def sakura(path):
    call = "A4:q A4 B4:h A4:q A4 B4:h "
    line1 = "A4:q B4 C5 B4 A4 B4:e A4:e F4:h "
    line2 = "E4:q C4 E4 F4 E4 E4:e C4:e B3:h "
    close = "E4:q F4 B4:e A4:e F4:q E4:w "
    melody, end = smf.parse(call + line1 + line2 + line1 + line2 + call + close, velocity=95, gate=0.98)
    # A low string plucked on each bar, A and E alternating as on a tuned koto.
    low = []
    for k, t in enumerate(range(0, end, BAR)):
        key = "A2" if k % 2 == 0 else "E3"
        low.append((t, BAR - 60, smf.key_number(key), 60))
    return smf.write(path, "Sakura Sakura", 63, [(0, KOTO, 115, melody), (1, KOTO, 80, low)])


def canon(path):
    ground = "D3:q A2 B2 F#2 G2 D2 G2 A2 "
    cycle = 2 * BAR
    cycles = 9
    bass, _ = smf.parse(ground * (cycles - 1) + "D2:w", velocity=70)  # eight cycles, then D
    a = "F#5:q E5 D5 C#5 B4 A4 B4 C#5 "
    b = "D5:q C#5 B4 A4 G4 F#4 G4 E4 "
    c = "D4:e F#4 A4 G4 F#4 D4 F#4 E4 D4 B3 D4 A4 G4 B4 A4 G4 "
    # Three entries of the same line, two cycles apart, all ending on the last chord.
    violin1, end1 = smf.parse(a + b + c + a + b + c + a + "F#5:w", start=cycle, velocity=80)
    violin2, end2 = smf.parse(a + b + c + a + b + "D5:w", start=3 * cycle, velocity=72)
    violin3, end3 = smf.parse(a + b + c + "A4:w", start=5 * cycle, velocity=66)
    check(end1 == end2 == end3 == (cycles - 1) * cycle + BAR, "canon voices out of step")
    return smf.write(path, "Canon in D", 56, [(0, CELLO, 100, bass), (1, VIOLIN, 100, violin1),
                                              (2, VIOLIN, 95, violin2), (3, STRINGS, 85, violin3)])


def largo(path):
    tune = ("E4:q. G4:e G4:h E4:q. D4:e C4:h D4:q. E4:e G4:q. E4:e D4:w "
            "E4:q. G4:e G4:h E4:q. D4:e C4:h D4:q. E4:e D4:q. C4:e C4:w ")
    melody, _ = smf.parse(tune, velocity=85, gate=0.97)
    c, f, g = "C3+G3+E4", "F3+A3+C4", "G2+D3+B3"
    prog = [(c, 1), (f, 0.5), (c, 0.5), (g, 1), (g, 1), (c, 1), (f, 0.5), (c, 0.5), (g, 1), (c, 1)]
    harmony = chords(prog, 0, BAR, velocity=42)
    return smf.write(path, "Largo", 48, [(0, ENGLISH_HORN, 110, melody), (1, STRINGS, 75, harmony)])


PIECES = [("twinkle.mid", twinkle), ("ode_to_joy.mid", ode_to_joy),
          ("greensleeves.mid", greensleeves), ("sakura.mid", sakura),
          ("canon.mid", canon), ("largo.mid", largo)]


def generate(folder):
    os.makedirs(folder, exist_ok=True)
    for name, make in PIECES:
        check(name == name.lower() and name.endswith(".mid"), f"file name {name}")
        data = make(os.path.join(folder, name))
        fmt, tracks, notes = smf.read_check(data)
        check(fmt == 0 and tracks == 1 and notes > 20, f"{name}: format {fmt}, {notes} notes")
    return len(PIECES)


if __name__ == "__main__":
    n = generate(sys.argv[1])
    print(f"music: {n} pieces")
