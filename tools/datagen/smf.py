"""A small Standard MIDI File writer (format 0, one track).

A piece is a tempo, a time signature and a few voices; each voice has a MIDI
channel, a General MIDI program and a list of notes (start tick, length in
ticks, key, velocity).  Notes are written as note-on / note-off pairs; events at
the same tick are ordered note-offs first, so repeated keys re-strike cleanly.
"""

import struct

DIVISION = 480  # ticks per quarter note

NOTE_NAMES = {"C": 0, "D": 2, "E": 4, "F": 5, "G": 7, "A": 9, "B": 11}
# Lengths in quarter notes; a trailing "." adds half again.
LENGTHS = {"w": 4.0, "h": 2.0, "q": 1.0, "e": 0.5, "s": 0.25}


def key_number(name):
    """"C4" -> 60, "F#3" -> 54, "Bb2" -> 46."""
    letter, rest = name[0], name[1:]
    value = NOTE_NAMES[letter]
    while rest and rest[0] in "#b":
        value += 1 if rest[0] == "#" else -1
        rest = rest[1:]
    return 12 * (int(rest) + 1) + value


def ticks(length):
    base = LENGTHS[length.rstrip(".")]
    if length.endswith("."):
        base *= 1.5
    return round(base * DIVISION)


def parse(text, start=0, velocity=80, gate=0.92):
    """Notes from a line like "C4:q E4+G4:h r:q".  Returns (notes, end tick).

    Each item is key[+key...]:length or r:length for a rest; a bare item reuses
    the previous length.
    """
    notes = []
    t = start
    length = "q"
    for item in text.split():
        if ":" in item:
            pitch, length = item.split(":")
        else:
            pitch = item
        dur = ticks(length)
        if pitch != "r":
            for name in pitch.split("+"):
                notes.append((t, max(1, round(dur * gate)), key_number(name), velocity))
        t += dur
    return notes, t


def varlen(value):
    out = [value & 0x7F]
    value >>= 7
    while value:
        out.append(0x80 | (value & 0x7F))
        value >>= 7
    return bytes(reversed(out))


def write(path, title, bpm, voices, numerator=4, denominator=4):
    """voices: list of (channel, program, volume, notes)."""
    events = []  # (tick, order, bytes)
    name = title.encode("ascii")
    events.append((0, 0, b"\xff\x03" + varlen(len(name)) + name))
    tempo = round(60_000_000 / bpm)
    events.append((0, 0, b"\xff\x51\x03" + tempo.to_bytes(3, "big")))
    dd = denominator.bit_length() - 1
    events.append((0, 0, bytes([0xFF, 0x58, 0x04, numerator, dd, 24, 8])))
    for channel, program, volume, notes in voices:
        events.append((0, 1, bytes([0xC0 | channel, program])))
        events.append((0, 1, bytes([0xB0 | channel, 7, volume])))
        for start, dur, key, vel in notes:
            events.append((start, 3, bytes([0x90 | channel, key, vel])))
            events.append((start + dur, 2, bytes([0x80 | channel, key, 0])))
    events.sort(key=lambda e: (e[0], e[1], e[2]))
    end = max(e[0] for e in events) + DIVISION
    track = bytearray()
    now = 0
    for tick, _, data in events:
        track += varlen(tick - now) + data
        now = tick
    track += varlen(end - now) + b"\xff\x2f\x00"
    header = b"MThd" + struct.pack(">IHHH", 6, 0, 1, DIVISION)
    data = header + b"MTrk" + struct.pack(">I", len(track)) + bytes(track)
    with open(path, "wb") as f:
        f.write(data)
    return data


def seconds(data):
    """Playing time of a file written above: its ticks at its one tempo."""
    division = struct.unpack(">H", data[12:14])[0]
    body = data[22:]
    i = ticks_total = 0
    tempo = 500_000
    while i < len(body):
        delta = 0
        while body[i] & 0x80:
            delta = (delta << 7) | (body[i] & 0x7F)
            i += 1
        ticks_total += (delta << 7) | body[i]
        i += 1
        if body[i] == 0xFF:
            kind, n = body[i + 1], body[i + 2]  # meta events here are shorter than 128 bytes
            if kind == 0x51:
                tempo = int.from_bytes(body[i + 3:i + 6], "big")
            i += 3 + n
        else:
            i += 2 if (body[i] & 0xF0) in (0xC0, 0xD0) else 3
    return ticks_total * tempo / division / 1e6


def read_check(data):
    """Walk a file written above; return (format, tracks, note-on count)."""
    assert data[:4] == b"MThd"
    fmt, ntracks, division = struct.unpack(">HHH", data[8:14])
    pos = 14
    notes = 0
    for _ in range(ntracks):
        assert data[pos:pos + 4] == b"MTrk"
        length = struct.unpack(">I", data[pos + 4:pos + 8])[0]
        body = data[pos + 8:pos + 8 + length]
        pos += 8 + length
        i = 0
        status = None
        ended = False
        while i < len(body):
            while body[i] & 0x80:      # delta time
                i += 1
            i += 1
            b = body[i]
            if b == 0xFF:
                kind = body[i + 1]
                i += 2
                n = 0
                while body[i] & 0x80:
                    n = (n << 7) | (body[i] & 0x7F)
                    i += 1
                n = (n << 7) | body[i]
                i += 1 + n
                if kind == 0x2F:
                    ended = True
                continue
            status = b
            i += 1
            size = 1 if (status & 0xF0) in (0xC0, 0xD0) else 2
            if (status & 0xF0) == 0x90 and body[i + 1] > 0:
                notes += 1
            i += size
        assert ended and i == len(body), "track not properly terminated"
    assert pos == len(data)
    return fmt, ntracks, notes
