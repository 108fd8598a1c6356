"""Main star catalogue starsdata.dat: the brightest stars the program can hold.

Sources:
  /usr/share/kstars/stars.dat (Debian package kstars-data), a fixed-column text
  catalogue derived from Hipparcos and Tycho: J2000 positions, V magnitude and
  spectral type of 125 982 stars down to V 8.99.  Every one of them is kept.
  /usr/share/stellarium/stars/default/stars_*.cat (Debian package
  stellarium-data), Stellarium's Hipparcos/Tycho-2 catalogue down to V 10.5
  (see stellarium.py).  Its stars that KStars lacks fill the table.

A Stellarium star is the same as a KStars star when the KStars star lies within
3 arc-seconds of it and, for a star without a Hipparcos number, the two
magnitudes differ by less than 1 (so that a faint companion beside a bright star
stays).  Hipparcos stars are matched by position alone: the two catalogues
disagree by up to 4 magnitudes about some of them.

A Stellarium star takes the first letter of its spectral type when it has one;
a star without a type takes its letter from B-V, with the boundaries KStars
itself used for its 84 827 stars typed from colour ("K?" and the like):
  O below -0.30, B -0.30 to 0, A 0 to 0.31, F 0.31 to 0.58, G 0.58 to 0.95,
  K 0.95 to 1.85, M 1.85 and above (each boundary belongs to the redder class).

Record written per star, one per line:
    ra*100,dec*100,brightness,"class"
ra, dec   J2000 right ascension and declination in radians, times 100
brightness 10^(0.4 (6.5 - V)): 1 for a star of V 6.5, 2.512 per magnitude
class     first letter of the spectral type if it is O B A F G K or M, else ""
          (or the letter from B-V, above)
Brightest first, exactly MAX_RECORDS records.
"""

import bisect
import math
import os
import re
import struct
import sys
import zlib

import stellarium

from common import check, fixed, quote, sig, write_lines

MAX_RECORDS = 258997          # rows 101..259097 of the program's star table
CLASSES = "OBAFGKM"

# Column layout of stars.dat (0-based slices); see the header line of the file:
#  RA hhmmss.ss, Dec +ddmmss.s, pmRA, pmDec, parallax, V, B-V, spectral type, ...
RA = slice(0, 9)
DEC = slice(10, 19)
VMAG = slice(45, 51)
SPTYPE = slice(56, 58)


def parse_ra(text):
    """hhmmss.ss -> radians."""
    h, m, s = int(text[0:2]), int(text[2:4]), float(text[4:])
    # A few rows carry seconds rounded up to 60.00; the sum is still right.
    check(0 <= h < 24 and 0 <= m < 60 and 0 <= s <= 60, f"bad RA {text!r}")
    return ((h + m / 60 + s / 3600) % 24) * math.pi / 12


def parse_dec(text):
    """+ddmmss.s -> radians."""
    sign = -1 if text[0] == "-" else 1
    check(text[0] in "+-", f"bad Dec sign {text!r}")
    d, m, s = int(text[1:3]), int(text[3:5]), float(text[5:])
    check(0 <= d <= 90 and 0 <= m < 60 and 0 <= s <= 60, f"bad Dec {text!r}")
    return sign * (d + m / 60 + s / 3600) * math.pi / 180


def read_catalogue(path):
    """KStars' stars as (V, ra, dec, class)."""
    stars = []
    with open(path, encoding="latin-1") as f:
        for line in f:
            if line.startswith("#") or not line.strip():
                continue
            ra = parse_ra(line[RA])
            dec = parse_dec(line[DEC])
            vmag = float(line[VMAG])
            letter = line[SPTYPE][:1]
            cls = letter if letter in CLASSES else ""
            stars.append((vmag, ra, dec, cls))
    return stars


# Upper B-V bounds of O, B, A, F, G and K; redder stars are M.
COLOUR_BOUNDS = (-0.30, 0.0, 0.31, 0.58, 0.95, 1.85)


def class_from_colour(b_v):
    return CLASSES[bisect.bisect_right(COLOUR_BOUNDS, b_v)]


def stellarium_class(sptype, b_v):
    """First letter of the spectral type if there is one, else from B-V."""
    if not sptype:
        return class_from_colour(b_v)
    letter = sptype.lstrip("(")[:1]
    return letter if letter in CLASSES else ""


MATCH_RADIUS = math.radians(3 / 3600)
MATCH_MAGNITUDES = 1.0


def unit_vector(ra, dec):
    return (math.cos(dec) * math.cos(ra), math.cos(dec) * math.sin(ra), math.sin(dec))


class Neighbours:
    """Stars in cubes of MATCH_RADIUS on a side, for finding the stars near a
    position without a search through all of them."""

    def __init__(self, stars):
        self.cells = {}
        for vmag, ra, dec, _ in stars:
            v = unit_vector(ra, dec)
            self.cells.setdefault(self._cell(v), []).append((v, vmag))

    @staticmethod
    def _cell(v):
        return tuple(math.floor(x / MATCH_RADIUS) for x in v)

    def near(self, ra, dec):
        """(vector, V) of every star within MATCH_RADIUS."""
        v = unit_vector(ra, dec)
        cx, cy, cz = self._cell(v)
        limit = math.cos(MATCH_RADIUS)
        return [(w, vmag)
                for dx in (-1, 0, 1) for dy in (-1, 0, 1) for dz in (-1, 0, 1)
                for w, vmag in self.cells.get((cx + dx, cy + dy, cz + dz), ())
                if v[0] * w[0] + v[1] * w[1] + v[2] * w[2] >= limit]


def is_known(kstars, ra, dec, vmag, hip):
    """The duplicate rule: a KStars star close by, of about the same magnitude
    unless the star has a Hipparcos number."""
    return any(hip or abs(vmag - other) < MATCH_MAGNITUDES for _, other in kstars.near(ra, dec))


def read_stellarium(folder):
    """Stellarium's stars as (V, ra, dec, class, hip), file after file."""
    names = sorted(os.listdir(folder))
    sp_file = next(n for n in names if n.startswith("stars_hip_sp_"))
    spectral_types = stellarium.read_spectral_types(os.path.join(folder, sp_file))
    stars = []
    for name in names:
        if re.fullmatch(r"stars_\d+_[01]v\d+_\d+\.cat", name):
            for ra, dec, vmag, b_v, sptype, hip in stellarium.read_catalogue(os.path.join(folder, name), spectral_types):
                stars.append((vmag, ra, dec, stellarium_class(sptype, b_v), hip))
    return stars


def brightness(vmag):
    return 10 ** (0.4 * (6.5 - vmag))


def record(ra, dec, vmag, cls):
    return ",".join((fixed(ra * 100, 5), fixed(dec * 100, 5),
                     sig(brightness(vmag), 5), quote(cls)))


def generate(kstars_path, stellarium_folder, target):
    stars = read_catalogue(kstars_path)
    kstars = Neighbours(stars)
    extra = read_stellarium(stellarium_folder)
    bright = [s for s in extra if s[0] < 6]
    found = sum(1 for v, ra, dec, _, hip in bright if is_known(kstars, ra, dec, v, hip))
    check(found > 0.97 * len(bright), f"only {found} of {len(bright)} Stellarium stars brighter than 6 found in KStars")
    # Equal magnitudes: KStars' stars first in their own order, then
    # Stellarium's in an order unrelated to their place in the sky, so that
    # where the table ends within one magnitude step no region is favoured.
    order = [(v, 0, k, ra, dec, cls) for k, (v, ra, dec, cls) in enumerate(stars)]
    order += [(v, 1, zlib.crc32(struct.pack("<2d", ra, dec)), ra, dec, cls)
              for v, ra, dec, cls, hip in extra if not is_known(kstars, ra, dec, v, hip)]
    order.sort()
    stars = [(v, ra, dec, cls) for v, _, _, ra, dec, cls in order]
    check(len(stars) >= MAX_RECORDS, f"only {len(stars)} stars, {MAX_RECORDS} wanted")
    stars = stars[:MAX_RECORDS]
    lines = [record(ra, dec, v, cls) for v, ra, dec, cls in stars]

    # Self-checks against a few well-known stars (J2000 positions).
    sirius = stars[0]
    check(abs(sirius[0] + 1.44) < 0.01 and abs(sirius[1] - 1.7677) < 1e-3, "Sirius is not first")
    betelgeuse = next(s for s in stars[:20] if abs(s[1] - 1.5497) < 1e-3)
    check(abs(betelgeuse[2] - 0.1293) < 1e-3 and betelgeuse[3] == "M", "Betelgeuse position or class")
    rigel = next(s for s in stars[:20] if abs(s[1] - 1.3724) < 1e-3)
    check(rigel[3] == "B", "Rigel class")
    check(all(0 <= s[1] < 2 * math.pi and abs(s[2]) <= math.pi / 2 for s in stars), "angle ranges")
    check(all(len(line.split(",")) == 4 for line in lines), "four fields per record")
    write_lines(target, lines)
    return len(lines), stars[-1][0]


if __name__ == "__main__":
    n, faintest = generate(sys.argv[1], sys.argv[2], sys.argv[3])
    print(f"starsdata.dat: {n} stars down to V {faintest:.3f}")
