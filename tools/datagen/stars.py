"""Main star catalogue starsdata.dat from the KStars star catalogue.

Source: /usr/share/kstars/stars.dat (Debian package kstars-data), a fixed-column
text catalogue derived from Hipparcos and Tycho: J2000 positions, V magnitude
and spectral type, already ordered by magnitude.

Record written per star, one per line:
    ra*100,dec*100,brightness,"class"
ra, dec   J2000 right ascension and declination in radians, times 100
brightness 10^(0.4 (6.5 - V)): 1 for a star of V 6.5, 2.512 per magnitude
class     first letter of the spectral type if it is O B A F G K or M, else ""
Brightest first (stable sort on V), at most MAX_RECORDS records.
"""

import math
import sys

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


def brightness(vmag):
    return 10 ** (0.4 * (6.5 - vmag))


def record(ra, dec, vmag, cls):
    return ",".join((fixed(ra * 100, 5), fixed(dec * 100, 5),
                     sig(brightness(vmag), 5), quote(cls)))


def generate(source, target):
    stars = read_catalogue(source)
    stars.sort(key=lambda s: s[0])            # stable: equal V keep file order
    check(0 < len(stars) <= MAX_RECORDS, f"{len(stars)} stars, at most {MAX_RECORDS} allowed")
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
    return len(lines)


if __name__ == "__main__":
    n = generate(sys.argv[1], sys.argv[2])
    print(f"starsdata.dat: {n} stars")
