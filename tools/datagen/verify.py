"""Checks the finished data files the way the program reads them.

The program reads each file field by field: fields end at a comma or a line
end, a text may stand in double quotes, numbers are plain decimals.  This reader
does the same, then every file is checked for its exact field count, numeric
fields and value ranges.  Ceres is put on the sky with the program's position
model and compared with an independent two-body orbit and with a known date of
opposition.
"""

import json
import math
import os
import re
import sys

import skymodel
from common import check

NUMBER = re.compile(r"^-?\d+(\.\d+)?$")


def fields(path):
    """(text, was_quoted) for every field of the file, in order."""
    with open(path, encoding="utf-8") as f:
        data = f.read()
    check(not data.startswith("\ufeff"), f"{path}: byte order mark")
    out = []
    i, n = 0, len(data)
    while i < n:
        if data[i] == '"':
            j = data.index('"', i + 1)
            out.append((data[i + 1:j], True))
            i = j + 1
            check(i >= n or data[i] in ",\n", f"{path}: text followed by {data[i]!r}")
        else:
            j = i
            while j < n and data[j] not in ",\n":
                j += 1
            out.append((data[i:j], False))
            i = j
        if i < n:
            i += 1              # the separator
    return out


def number(field, path):
    text, quoted = field
    check(not quoted and NUMBER.match(text), f"{path}: {text!r} is not a plain number")
    return float(text)


def records(path, shape, count, header=False):
    """Split the field stream into `count` records of the given shape
    ("t" text, "n" number) after an optional header of as many texts, and
    check nothing is left over."""
    stream = fields(path)
    total = count + (1 if header else 0)
    check(len(stream) == len(shape) * total,
          f"{os.path.basename(path)}: {len(stream)} fields, expected {len(shape)} x {total}")
    if header:
        check(all(q for _, q in stream[:len(shape)]), f"{path}: header must be texts")
        stream = stream[len(shape):]
    out = []
    for r in range(count):
        rec = []
        for k, kind in enumerate(shape):
            f = stream[r * len(shape) + k]
            rec.append(number(f, path) if kind == "n" else f[0])
        out.append(rec)
    return out


def check_stars(folder):
    path = os.path.join(folder, "starsdata.dat")
    with open(path, encoding="utf-8") as f:
        count = sum(1 for _ in f)
    check(count == 258997, f"starsdata.dat: {count} records, the program holds 258997")
    stars = records(path, "nnnt", count)
    last = math.inf
    for ra, dec, bright, cls in stars:
        check(0 <= ra < 200 * math.pi and abs(dec) <= 50 * math.pi, "star angles out of range")
        check(bright > 0 and bright <= last * 1.0001, "stars not brightest first")
        check(cls in ("", "O", "B", "A", "F", "G", "K", "M"), f"class {cls!r}")
        last = bright
    betelgeuse = [s for s in stars[:20] if abs(s[0] / 100 - 1.5497) < 1e-3 and abs(s[1] / 100 - 0.1293) < 1e-3]
    check(len(betelgeuse) == 1 and betelgeuse[0][3] == "M", "Betelgeuse")
    return count


def check_named(folder):
    path = os.path.join(folder, "stelladata.dat")
    stream = fields(path)
    check(len(stream) == 89 * 6 + 21 * 4, f"stelladata.dat: {len(stream)} fields")
    for r in range(89):
        rec = stream[r * 6:(r + 1) * 6]
        check(all(q for _, q in rec[:4]) and all(rec[k][0] for k in range(4)), "label texts")
        ra, dec = number(rec[4], path), number(rec[5], path)
        check(0 <= ra < 2 * math.pi and abs(dec) <= math.pi / 2, "label position")
    base = 89 * 6
    for r in range(21):
        rec = stream[base + r * 4:base + (r + 1) * 4]
        check(all(q for _, q in rec[:2]), "star name texts")
        ra, dec = number(rec[2], path), number(rec[3], path)
        check(0 <= ra < 2 * math.pi and abs(dec) <= math.pi / 2, "star position")
    return 89, 21


def check_lines(folder):
    lines = records(os.path.join(folder, "conl.dat"), "nnnn", 730)
    for ra0, dec0, ra1, dec1 in lines:
        check(0 <= ra0 < 2 * math.pi and 0 <= ra1 < 2 * math.pi, "line RA")
        check(abs(dec0) <= math.pi / 2 and abs(dec1) <= math.pi / 2, "line Dec")
        check(skymodel.separation((ra0, dec0), (ra1, dec1)) < 0.6,
              "a line longer than any constellation figure")
    return len(lines)


def check_minor(folder):
    comets = records(os.path.join(folder, "comets.csv"), "tt" + "n" * 11, 10, header=True)
    for c in comets:
        period, y, mo, d, q, e, w, node, inc, m, n = c[2:]
        check(period > 0 and 1 <= mo <= 12 and 1 <= d < 32 and q > 0, f"{c[1]}")
        check(0 < e < 1 and 0 <= w < 360 and 0 <= node < 360 and 0 <= inc <= 180, f"{c[1]}")
        check(-5 < m < 20 and 0 < n < 20, f"{c[1]}: m {m}, n {n}")
    asteroids = records(os.path.join(folder, "asteroids.csv"), "tt" + "n" * 8, 10, header=True)
    for a in asteroids:
        h, big_e, w, node, inc, e, axis, epoch = a[2:]
        check(0 <= big_e < 360 and 0 <= w < 360 and 0 <= node < 360 and 0 <= inc < 90, a[1])
        check(0 <= e < 1 and 1.5 < axis < 6 and epoch > 2.4e6 and 0 < h < 15, a[1])
    return len(comets), len(asteroids)


def check_ceres(folder, kstars_dir):
    """Ceres through the program's model against a two-body orbit from JPL's
    elements and against its opposition of 2 October 2025."""
    model = skymodel.Bodies(os.path.join(folder, "comets.csv"), os.path.join(folder, "asteroids.csv"))
    with open(os.path.join(kstars_dir, "asteroids.dat"), encoding="utf-8") as f:
        doc = json.load(f)
    row = dict(zip(doc["fields"], next(r for r in doc["data"] if r[0].split()[:2] == ["1", "Ceres"])))
    e, a = float(row["e"]), float(row["a"])
    inc, node, w = (math.radians(float(row[k])) for k in ("i", "om", "w"))
    m0, epoch = math.radians(float(row["ma"])), float(row["epoch_mjd"]) + 2400000.5
    k = 0.01720209895                                   # Gaussian gravitational constant
    worst = 0.0
    for year in (2000, 2010, 2020, 2030):
        ti = skymodel.moment(year, 1, 1, 9, 0)
        jd = 2445200.5 + ti * skymodel.TROPICAL
        mean = m0 + k / a ** 1.5 * (jd - epoch)
        big_e = mean
        for _ in range(60):
            big_e -= (big_e - e * math.sin(big_e) - mean) / (1 - e * math.cos(big_e))
        xp, yp = a * (math.cos(big_e) - e), a * math.sqrt(1 - e * e) * math.sin(big_e)
        x1, y1 = math.cos(w) * xp - math.sin(w) * yp, math.sin(w) * xp + math.cos(w) * yp
        ref = (math.cos(node) * x1 - math.sin(node) * math.cos(inc) * y1,
               math.sin(node) * x1 + math.cos(node) * math.cos(inc) * y1, math.sin(inc) * y1)
        got = model.positions(ti)[0][21]
        worst = max(worst, math.dist(ref, got))
    check(worst < 0.02, f"Ceres in the program's model is {worst:.3f} AU off its orbit")
    ecl, _ = model.ecliptic_from(skymodel.moment(2025, 10, 2, 12, 0))
    gap = abs((math.degrees(ecl[21][0] - ecl[0][0]) % 360) - 180)
    check(gap < 3, f"Ceres is {gap:.1f} deg from opposition on 2 October 2025")
    return worst, gap


def check_ages(folder):
    ages = records(os.path.join(folder, "age.dat"), "ttttnn", 22)
    check(all(a[4] < a[5] for a in ages), "age boundaries")
    check(all(ages[k][4] == ages[k + 1][5] for k in range(21)) and ages[-1][4] == 0, "age order")
    return len(ages)


def check_demo(folder):
    stream = fields(os.path.join(folder, "demo.csv"))
    check(len(stream) == 41 * 23, f"demo.csv: {len(stream)} fields")
    check(all(q for _, q in stream[:23]), "demo.csv: the header is all texts")
    rows = [stream[r * 23:(r + 1) * 23] for r in range(1, 41)]
    for rec in rows:
        vals = [number(f, "demo.csv") for f in rec[2:]]
        selec, norm, view, see = vals[10], vals[11], vals[19], vals[20]
        check(selec in range(6) and norm in range(6), f"{rec[1][0]}: modes")
        check(view in list(range(31)) + [90] and see in list(range(31)) + [90], f"{rec[1][0]}: bodies")
    return len(rows)


def check_music(folder):
    names = sorted(n for n in os.listdir(os.path.join(folder, "music")) if n.endswith(".mid"))
    check(len(names) >= 5, f"only {len(names)} pieces")
    for n in names:
        with open(os.path.join(folder, "music", n), "rb") as f:
            check(f.read(4) == b"MThd", f"{n} is not a MIDI file")
    return len(names)


def main(folder, kstars_dir):
    stars = check_stars(folder)
    named = check_named(folder)
    lines = check_lines(folder)
    comets, asteroids = check_minor(folder)
    worst, gap = check_ceres(folder, kstars_dir)
    ages = check_ages(folder)
    scenes = check_demo(folder)
    pieces = check_music(folder)
    print(f"verified: {stars} stars, {named[0]}+{named[1]} named points, {lines} lines, "
          f"{comets} comets, {asteroids} asteroids (Ceres within {worst:.4f} AU of its orbit, "
          f"{gap:.1f} deg from opposition on 2025-10-02), {ages} ages, {scenes} scenes, "
          f"{pieces} music pieces")


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
