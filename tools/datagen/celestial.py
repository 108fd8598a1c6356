"""Named-star file stelladata.dat and constellation line file conl.dat from the
data of the npm package d3-celestial (BSD-3-Clause, (c) Olaf Frohn).

d3-celestial stores positions as GeoJSON points [longitude, latitude] in degrees,
longitude = right ascension folded into -180..180; both files here want J2000
right ascension in 0..2*pi and declination, in radians.

stelladata.dat
  89 records of six fields, one constellation label each, in the order of
  data/constellations.json (88 constellations, Serpens already split into
  Caput and Cauda):
    "Japanese name","Latin name","Latin genitive","IAU abbreviation",ra,dec
  (ra, dec = d3-celestial's label position).  Then 21 records of four fields,
  the first-magnitude stars in order of brightness:
    "Japanese name","English name",ra,dec
  with names from data/starnames.json and positions from data/stars.14.json.

conl.dat
  exactly 730 records ra0,dec0,ra1,dec1: the constellation figures of
  data/constellations.lines.json, every polyline split into segments between
  consecutive stars.  The package has 743 segments and no duplicates; the 13
  shortest (smallest angular length, ties to the earlier one) are left out, the
  rest keep the package's order.
"""

import json
import math
import os
import sys

from common import check, fixed, quote, write_lines

LINE_COUNT = 730
LABEL_COUNT = 89

# The 21 first-magnitude stars, brightest first, by Hipparcos number.
FIRST_MAGNITUDE = [
    32349,   # Sirius
    30438,   # Canopus
    71683,   # Rigil Kentaurus (alpha Centauri A)
    69673,   # Arcturus
    91262,   # Vega
    24608,   # Capella
    24436,   # Rigel
    37279,   # Procyon
    7588,    # Achernar
    27989,   # Betelgeuse
    68702,   # Hadar
    97649,   # Altair
    60718,   # Acrux
    21421,   # Aldebaran
    80763,   # Antares
    65474,   # Spica
    37826,   # Pollux
    113368,  # Fomalhaut
    102098,  # Deneb
    62434,   # Mimosa
    49669,   # Regulus
]

# d3-celestial gives both halves of Serpens the same Japanese name; the labels
# say which half they mark.
SERPENS_JA = {"Serpens Caput": "へび座(頭部)", "Serpens Cauda": "へび座(尾部)"}


def ra_dec(point):
    """GeoJSON [lon, lat] in degrees -> (ra, dec) radians, ra in [0, 2 pi)."""
    lon, lat = point
    ra = math.radians(lon % 360.0)
    if ra >= 2 * math.pi:
        ra -= 2 * math.pi
    return ra, math.radians(lat)


def angle(x):
    return fixed(x, 7)


def load(data_dir, name):
    with open(os.path.join(data_dir, name), encoding="utf-8") as f:
        return json.load(f)


def label_records(data_dir):
    features = load(data_dir, "constellations.json")["features"]
    check(len(features) == LABEL_COUNT, f"{len(features)} constellation labels, expected {LABEL_COUNT}")
    lines = []
    for feat in features:
        p = feat["properties"]
        ja = SERPENS_JA.get(p["name"], p["ja"])
        check(ja and p["name"] and p["gen"] and p["desig"], f"missing label text for {feat['id']}")
        ra, dec = ra_dec(feat["geometry"]["coordinates"])
        lines.append(",".join((quote(ja), quote(p["name"]), quote(p["gen"]), quote(p["desig"]),
                               angle(ra), angle(dec))))
    names = [line.split(",")[1] for line in lines]
    check(len(set(names)) == LABEL_COUNT, "constellation names are not unique")
    return lines


def star_records(data_dir):
    names = load(data_dir, "starnames.json")
    stars = {f["id"]: f for f in load(data_dir, "stars.14.json")["features"]}
    lines = []
    for hip in FIRST_MAGNITUDE:
        n = names[str(hip)]
        check(n.get("ja") and n.get("name"), f"HIP {hip} has no Japanese or English name")
        s = stars[hip]
        check(s["properties"]["mag"] < 1.4, f"HIP {hip} is not of the first magnitude")
        ra, dec = ra_dec(s["geometry"]["coordinates"])
        lines.append(",".join((quote(n["ja"]), quote(n["name"]), angle(ra), angle(dec))))
    return lines


def separation(a, b):
    (ra0, dec0), (ra1, dec1) = a, b
    c = (math.sin(dec0) * math.sin(dec1)
         + math.cos(dec0) * math.cos(dec1) * math.cos(ra0 - ra1))
    return math.acos(max(-1.0, min(1.0, c)))


def line_records(data_dir):
    features = load(data_dir, "constellations.lines.json")["features"]
    segments = []
    for feat in features:
        check(feat["geometry"]["type"] == "MultiLineString", f"{feat['id']}: unexpected geometry")
        for polyline in feat["geometry"]["coordinates"]:
            for p, q in zip(polyline, polyline[1:]):
                segments.append((ra_dec(p), ra_dec(q)))
    check(len(segments) >= LINE_COUNT, f"only {len(segments)} segments")
    keys = {frozenset((tuple(a), tuple(b))) for a, b in segments}
    check(len(keys) == len(segments), "duplicate segments: the selection rule needs revisiting")
    drop = len(segments) - LINE_COUNT
    by_length = sorted(range(len(segments)), key=lambda i: (separation(*segments[i]), i))
    dropped = set(by_length[:drop])
    kept = [s for i, s in enumerate(segments) if i not in dropped]
    check(len(kept) == LINE_COUNT, "segment count")
    longest_dropped = max((separation(*segments[i]) for i in dropped), default=0.0)
    lines = [",".join(angle(v) for v in (a[0], a[1], b[0], b[1])) for a, b in kept]
    return lines, len(segments), math.degrees(longest_dropped)


def generate(data_dir, stella_path, conl_path):
    labels = label_records(data_dir)
    stars = star_records(data_dir)
    check(len(labels) == 89 and len(stars) == 21, "named-star record counts")
    write_lines(stella_path, labels + stars)
    lines, total, longest = line_records(data_dir)
    write_lines(conl_path, lines)
    return len(labels), len(stars), len(lines), total, longest


if __name__ == "__main__":
    nl, ns, nc, total, longest = generate(sys.argv[1], sys.argv[2], sys.argv[3])
    print(f"stelladata.dat: {nl} constellation labels + {ns} stars")
    print(f"conl.dat: {nc} of {total} segments (dropped ones up to {longest:.3f} deg long)")
