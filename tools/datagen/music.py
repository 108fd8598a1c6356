"""MIDI pieces for the music folder: our own arrangements of compositions in the
public domain (traditional tunes and composers who died long ago), each a
melody with a bass and a harmony on General MIDI instruments, long enough to
play for a while under the stars (at least one and a half minutes).

  twinkle.mid       Ah vous dirai-je, Maman (Twinkle, Twinkle, Little Star),
                    French folk tune (18th c.), as in W. A. Mozart's variations
  ode_to_joy.mid    Ode to Joy, L. van Beethoven (1770-1827)
  greensleeves.mid  Greensleeves (English folk tune, 16th c.)
  sakura.mid        Sakura Sakura (Japanese folk song, Edo period)
  canon.mid         Canon in D, J. Pachelbel (1653-1706)
  largo.mid         Largo of the "New World" symphony, A. Dvorak (1841-1904)

Each file is a format-0 Standard MIDI File with one tempo, a time signature
and General MIDI program changes.  Nothing here is random: the same script
writes the same bytes.
"""

import os
import sys

import smf
from common import check

# General MIDI programs (0-based)
PIANO, HARPSICHORD, CELESTA, MUSIC_BOX, VIBRAPHONE = 0, 6, 8, 10, 11
CHURCH_ORGAN, NYLON_GUITAR, ACOUSTIC_BASS = 19, 24, 32
VIOLIN, CELLO, CONTRABASS, PIZZICATO, HARP = 40, 42, 43, 45, 46
STRINGS, SLOW_STRINGS, CHOIR = 48, 49, 52
FRENCH_HORN, OBOE, ENGLISH_HORN, CLARINET = 60, 68, 69, 71
RECORDER, FLUTE, SHAKUHACHI, KOTO = 74, 73, 77, 107

Q = smf.DIVISION  # a quarter note
MIN_SECONDS = 90

# Each piece's channel volumes are scaled by its trim so that all six play
# equally loud: rendered through FluidSynth with the program's SoundFont and
# gain (tools/measure-music), their RMS levels lie within 2 dB. A channel
# volume v gives 40 log10(v / 127) dB in General MIDI, so a trim of t dB
# multiplies every volume by 10^(t / 40).
TRIM_DB = {"twinkle.mid": 0.7, "ode_to_joy.mid": -11.1, "greensleeves.mid": -1.5,
           "sakura.mid": 2.0, "canon.mid": -4.6, "largo.mid": -0.6}

# Chord qualities: intervals above the root.
QUALITIES = {"": (0, 4, 7), "m": (0, 3, 7), "7": (0, 4, 7, 10), "m7": (0, 3, 7, 10),
             "maj7": (0, 4, 7, 11), "5": (0, 7)}


def chord(symbol):
    """"F#m" -> (pitch class of the root, intervals); "C/E" puts E in the bass."""
    name, _, bass = symbol.partition("/")
    size = 2 if len(name) > 1 and name[1] in "#b" else 1
    root = smf.key_number(name[:size] + "0") % 12
    low = smf.key_number(bass + "0") % 12 if bass else root
    return root, QUALITIES[name[size:]], low


def in_range(pc, low):
    """The key of pitch class pc at or just above `low`."""
    return low + (pc - low) % 12


def spans(chart, bar_ticks, start=0):
    """(start tick, length, symbol) for a chart like "C | F C | G7": each bar
    is shared equally among its chords."""
    out = []
    t = start
    for bar in chart.split("|"):
        symbols = bar.split()
        for k, s in enumerate(symbols):
            a = round(k * bar_ticks / len(symbols))
            b = round((k + 1) * bar_ticks / len(symbols))
            out.append((t + a, b - a, s))
        t += bar_ticks
    return out, t


def bass(chart, bar_ticks, start=0, velocity=70, beat=None, low=40):
    """The chord's bass note at every chord; with `beat`, the root on the first
    beat of the chord and its fifth on the others, one note per beat."""
    notes = []
    cs, end = spans(chart, bar_ticks, start)
    for t, length, s in cs:
        root, iv, b = chord(s)
        key = in_range(b, low)
        if beat is None:
            notes.append((t, round(length * 0.95), key, velocity))
            continue
        for k, bt in enumerate(range(t, t + length, beat)):
            k2 = key if k % 2 == 0 else in_range((root + 7) % 12, low)
            notes.append((bt, round(min(beat, t + length - bt) * 0.9), k2, velocity - (0 if k == 0 else 8)))
    return notes, end


def pad(chart, bar_ticks, start=0, velocity=45, low=55):
    """Sustained chords, each tone at or above `low`, within an octave."""
    notes = []
    cs, end = spans(chart, bar_ticks, start)
    for t, length, s in cs:
        root, iv, _ = chord(s)
        for i in iv:
            notes.append((t, round(length * 0.97), in_range((root + i) % 12, low), velocity))
    return notes, end


def arpeggio(chart, bar_ticks, step, start=0, velocity=55, low=48, pattern=(0, 1, 2, 3, 2, 1)):
    """Broken chords: the chord's tones upwards from `low` (root, third,
    fifth, octave ...) picked in `pattern` order, one every `step` ticks."""
    notes = []
    cs, end = spans(chart, bar_ticks, start)
    for t, length, s in cs:
        root, iv, _ = chord(s)
        first = in_range(root, low)
        tones = [first + i for i in iv] + [first + 12 + i for i in iv]
        for k, nt in enumerate(range(t, t + length, step)):
            key = tones[pattern[k % len(pattern)] % len(tones)]
            notes.append((nt, round(step * 1.6), key, velocity - (0 if k == 0 else 6)))
    return notes, end


def melody(text, start=0, velocity=90, gate=0.92, shift=0):
    notes, end = smf.parse(text, start=start, velocity=velocity, gate=gate)
    return [(t, d, k + shift, v) for t, d, k, v in notes], end


def trimmed(path, voices):
    """The voices with their channel volumes scaled by the piece's trim."""
    factor = 10 ** (TRIM_DB[os.path.basename(path)] / 40)
    return [(channel, program, min(127, round(volume * factor)), notes)
            for channel, program, volume, notes in voices]


def save(path, title, bpm, voices, numerator=4, denominator=4):
    """voices: (channel, program, volume, notes); returns the file's bytes."""
    data = smf.write(path, title, bpm, trimmed(path, voices), numerator=numerator, denominator=denominator)
    seconds = smf.seconds(data)
    check(seconds >= MIN_SECONDS, f"{title}: only {seconds:.0f} s")
    return data


def twinkle(path):
    bar = 4 * Q
    a = "C5:q C5 G5 G5 A5 A5 G5:h F5:q F5 E5 E5 D5 D5 C5:h "
    b = "G5:q G5 F5 F5 E5 E5 D5:h G5:q G5 F5 F5 E5 E5 D5:h "
    theme = a + b + a
    # The variation runs in eighths around the tune's notes.
    va = ("C5:e E5 G5 E5 G5 C6 G5 E5 A5 C6 A5 F5 G5:h F5:e A5 F5 C5 E5 G5 E5 C5 "
          "D5 F5 D5 B4 C5:h ")
    vb = "G5:e E5 G5 C6 F5 D5 F5 B5 E5 C5 E5 G5 D5:h " * 2
    variation = va + vb + va
    chart = "C | F C | F C | G C | C G7 | C G | C G7 | C G | C | F C | F C | G C"
    length = 12 * bar
    t1, t2, t3, t4 = (k * length for k in range(4))
    box, _ = melody(theme, start=t1, velocity=92)
    celesta, _ = melody(variation, start=t2, velocity=82)
    strings, _ = melody(theme, start=t3, velocity=80, gate=0.98)
    box2, _ = melody(theme, start=t4, velocity=88, shift=12)
    harp = []
    for t in (t1, t2, t3, t4):
        harp += arpeggio(chart, bar, Q // 2, start=t, velocity=48, pattern=(0, 2, 1, 2))[0]
    bass_notes = []
    for t in (t2, t3, t4):
        bass_notes += bass(chart, bar, start=t, velocity=62, beat=2 * Q)[0]
    warm = pad(chart, bar, start=t3, velocity=38)[0] + pad(chart, bar, start=t4, velocity=34)[0]
    end_chord = [(4 * length, 4 * Q, k, 70) for k in (48, 60, 64, 67, 72)]
    return save(path, "Ah vous dirai-je, Maman", 100, [
        (0, MUSIC_BOX, 110, box + box2 + end_chord), (1, CELESTA, 100, celesta),
        (2, VIOLIN, 95, strings), (3, HARP, 85, harp), (4, CONTRABASS, 90, bass_notes),
        (5, STRINGS, 70, warm)])


def ode_to_joy(path):
    bar = 4 * Q
    a = "E4:q E4 F4 G4 G4 F4 E4 D4 C4 C4 D4 E4 "
    theme = (a + "E4:q. D4:e D4:h " + a + "D4:q. C4:e C4:h "
             + "D4:q D4 E4 C4 D4 E4:e F4:e E4:q C4 D4 E4:e F4:e E4:q D4 C4 D4 G3:h "
             + a + "D4:q. C4:e C4:h ")
    chart = ("C | G | C | C G | C | G | C | G C | "
             "G C | G C | G C | C G | C | G | C | G C")
    length = 16 * bar
    starts = [k * length for k in range(3)]
    # Strings, then the oboe an octave up over a walking piano, then all.
    m1, _ = melody(theme, start=starts[0], velocity=88, shift=12)
    m2, _ = melody(theme, start=starts[1], velocity=92, shift=12)
    m3, _ = melody(theme, start=starts[2], velocity=96, shift=12)
    m3b, _ = melody(theme, start=starts[2], velocity=84)
    harmony = pad(chart, bar, start=starts[0], velocity=46)[0]
    harmony += arpeggio(chart, bar, Q // 2, start=starts[1], velocity=52, pattern=(0, 1, 2, 1))[0]
    harmony += arpeggio(chart, bar, Q // 2, start=starts[2], velocity=56, pattern=(0, 2, 3, 2))[0]
    low = bass(chart, bar, start=starts[0], velocity=66)[0]
    low += bass(chart, bar, start=starts[1], velocity=70, beat=Q)[0]
    low += bass(chart, bar, start=starts[2], velocity=74, beat=Q)[0]
    horns = pad(chart, bar, start=starts[2], velocity=50, low=52)[0]
    end = 3 * length
    close = [(end, 4 * Q, k, 80) for k in (36, 48, 55, 60, 64, 72)]
    return save(path, "Ode to Joy", 108, [
        (0, STRINGS, 110, m1 + m3), (1, OBOE, 100, m2 + m3b), (2, PIANO, 85, harmony + close),
        (3, CELLO, 95, low), (4, FRENCH_HORN, 70, horns)])


def greensleeves(path):
    bar = 6 * Q // 2  # 6/8
    verse_a = ("C5:q D5:e E5:e. F5:s E5:e D5:q B4:e G4:e. A4:s B4:e "
               "C5:q A4:e A4:e. G#4:s A4:e B4:q G#4:e E4:q A4:e ")
    verse_b = ("C5:q D5:e E5:e. F5:s E5:e D5:q B4:e G4:e. A4:s B4:e "
               "C5:e. B4:s A4:e G#4:e. F#4:s G#4:e A4:h. ")
    refrain_a = ("G5:q. G5:e. F#5:s E5:e D5:q B4:e G4:e. A4:s B4:e "
                 "C5:q A4:e A4:e. G#4:s A4:e B4:q G#4:e E4:q. ")
    refrain_b = ("G5:q. G5:e. F#5:s E5:e D5:q B4:e G4:e. A4:s B4:e "
                 "C5:e. B4:s A4:e G#4:e. F#4:s G#4:e ")
    tune = verse_a + verse_b + refrain_a + refrain_b
    again = "A4:q. r:q A4:e "  # the last bar, with the pickup into the next verse
    last = "A4:h. "
    chart = ("Am | G | Am | E | Am | G | Am E | Am | "
             "C | G | Am | E | C | G | Am E | Am")
    pickup = Q // 2
    length = 16 * bar
    starts = [pickup + k * length for k in range(4)]
    voices = {FLUTE: [], RECORDER: [], VIOLIN: []}
    players = [FLUTE, RECORDER, VIOLIN, FLUTE]
    for k, s in enumerate(starts):
        text = ("A4:e " if k == 0 else "") + tune + (last if k == len(starts) - 1 else again)
        notes, end = melody(text, start=s - (pickup if k == 0 else 0), velocity=86 + 2 * k, gate=0.95)
        check(end == s + length, "Greensleeves out of step")
        voices[players[k]] += notes
    guitar = []
    for s in starts:
        guitar += arpeggio(chart, bar, Q // 2, start=s, velocity=58, low=45, pattern=(0, 1, 2, 3, 2, 1))[0]
    low = []
    for s in starts[1:]:
        low += bass(chart, bar, start=s, velocity=64)[0]
    strings = pad(chart, bar, start=starts[2], velocity=36)[0] + pad(chart, bar, start=starts[3], velocity=40)[0]
    end = starts[-1] + length
    close = [(end, 3 * Q, k, 62) for k in (45, 52, 57, 60, 64)]
    return save(path, "Greensleeves", 66 * 3 // 2, [
        (0, FLUTE, 105, voices[FLUTE]), (1, RECORDER, 100, voices[RECORDER]),
        (2, VIOLIN, 95, voices[VIOLIN]), (3, NYLON_GUITAR, 95, guitar + close),
        (4, ACOUSTIC_BASS, 90, low), (5, SLOW_STRINGS, 75, strings)], numerator=6, denominator=8)


def sakura(path):
    bar = 4 * Q
    call = "A4:q A4 B4:h A4:q A4 B4:h "
    line1 = "A4:q B4 C5 B4 A4 B4:e A4:e F4:h "
    line2 = "E4:q C4 E4 F4 E4 E4:e C4:e B3:h "
    close = "E4:q F4 B4:e A4:e F4:q E4:w "
    song = call + line1 + line2 + line1 + line2 + call + close
    # Open fifths and fourths of the miyako-bushi scale rather than chords.
    chart = ("A5 | E5 | Am | Dm F | Am | E5 | Am | Dm F | Am | E5 | A5 | E5 | A5 F | E5")
    length = 14 * bar
    intro = 2 * bar
    starts = [intro + k * length for k in range(2)]
    koto_intro = [(k * Q, 2 * Q, key, 70) for k, key in
                  enumerate([57, 64, 69, 71, 72, 71, 69, 64])]
    koto_song, _ = melody(song, start=starts[0], velocity=96, gate=0.98)
    flute, _ = melody(song, start=starts[1], velocity=88, gate=0.98, shift=12)
    koto_under = arpeggio(chart, bar, Q, start=starts[1], velocity=60, low=45, pattern=(0, 1, 2, 1))[0]
    low = []
    for s in starts:
        low += bass(chart, bar, start=s, velocity=58, low=36)[0]
    strings = pad(chart, bar, start=starts[0], velocity=34, low=52)[0]
    strings += pad(chart, bar, start=starts[1], velocity=40, low=52)[0]
    end = starts[-1] + length
    close_notes = [(end, 4 * Q, k, 66) for k in (45, 57, 64, 69)]
    return save(path, "Sakura Sakura", 63, [
        (0, KOTO, 115, koto_intro + koto_song + koto_under + close_notes), (1, SHAKUHACHI, 100, flute),
        (2, CELLO, 85, low), (3, SLOW_STRINGS, 70, strings)])


def canon(path):
    cycle = 8 * Q
    cycles = 12
    ground = "D3:q A2 B2 F#2 G2 D2 G2 A2 "
    bass_notes, _ = melody(ground * cycles + "D2:w", velocity=72)
    a = "F#5:q E5 D5 C#5 B4 A4 B4 C#5 "
    b = "D5:q C#5 B4 A4 G4 F#4 G4 E4 "
    c = "D4:e F#4 A4 G4 F#4 D4 F#4 E4 D4 B3 D4 A4 G4 B4 A4 G4 "
    d = "F#5:e A5 E5 C#5 D5 F#5 C#5 A4 B4 D5 A4 F#4 G4 B4 A4 C#5 "
    lines = [a, b, c, d]

    # Three entries of the same succession of lines, two cycles apart, all
    # ending together on the last chord.
    def violin(entry, final, velocity):
        count = cycles - entry
        text = "".join(lines[k % len(lines)] for k in range(count)) + final
        return melody(text, start=entry * cycle, velocity=velocity)

    v1, e1 = violin(1, "F#5:w", 80)
    v2, e2 = violin(3, "D5:w", 72)
    v3, e3 = violin(5, "A4:w", 66)
    check(e1 == e2 == e3 == cycles * cycle + 4 * Q, "canon voices out of step")
    # The harpsichord strikes the chord of every note of the ground.
    chords = "D | A | Bm | F#m | G | D | G | A"
    continuo = []
    for k in range(cycles):
        continuo += pad(chords, Q, start=k * cycle, velocity=44)[0]
    continuo += [(cycles * cycle, 4 * Q, k, 56) for k in (57, 62, 66)]
    return save(path, "Canon in D", 56, [
        (0, CELLO, 100, bass_notes), (1, VIOLIN, 100, v1), (2, VIOLIN, 95, v2),
        (3, STRINGS, 85, v3), (4, HARPSICHORD, 80, continuo)])


def largo(path):
    bar = 4 * Q
    tune = ("E4:q. G4:e G4:h E4:q. D4:e C4:h D4:q. E4:e G4:q. E4:e D4:w "
            "E4:q. G4:e G4:h E4:q. D4:e C4:h D4:q. E4:e D4:q. C4:e C4:w ")
    chart = "C | Am C | G | G | C | Am C | G7 | C"
    length = 8 * bar
    intro = 2 * bar
    starts = [intro + k * length for k in range(3)]
    horn1, _ = melody(tune, start=starts[0], velocity=88, gate=0.97)
    violins, _ = melody(tune, start=starts[1], velocity=84, gate=0.98, shift=12)
    horn3, _ = melody(tune, start=starts[2], velocity=84, gate=0.97)
    strings = pad("C | G", bar, velocity=40)[0]
    for s in starts:
        strings += pad(chart, bar, start=s, velocity=42)[0]
    low = bass("C | G", bar, velocity=60)[0]
    for s in starts:
        low += bass(chart, bar, start=s, velocity=64)[0]
    clarinet = arpeggio(chart, bar, Q, start=starts[1], velocity=48, low=55, pattern=(0, 1, 2, 1))[0]
    end = starts[-1] + length
    close = [(end, 4 * Q, k, 50) for k in (36, 48, 55, 64)]
    return save(path, "Largo", 48, [
        (0, ENGLISH_HORN, 110, horn1 + horn3), (1, VIOLIN, 95, violins), (2, SLOW_STRINGS, 78, strings),
        (3, CONTRABASS, 90, low + close), (4, CLARINET, 75, clarinet)])


PIECES = [("twinkle.mid", twinkle), ("ode_to_joy.mid", ode_to_joy),
          ("greensleeves.mid", greensleeves), ("sakura.mid", sakura),
          ("canon.mid", canon), ("largo.mid", largo)]


def generate(folder):
    os.makedirs(folder, exist_ok=True)
    lengths = []
    for name, make in PIECES:
        check(name == name.lower() and name.endswith(".mid"), f"file name {name}")
        data = make(os.path.join(folder, name))
        fmt, tracks, notes = smf.read_check(data)
        check(fmt == 0 and tracks == 1 and notes > 200, f"{name}: format {fmt}, {notes} notes")
        lengths.append(f"{name} {smf.seconds(data):.0f} s")
    return lengths


if __name__ == "__main__":
    lengths = generate(sys.argv[1])
    print(f"music: {len(lengths)} pieces ({', '.join(lengths)})")
