"""Demonstration script demo.csv: 40 scenes, each a real sky event or a view
worth seeing.

Row 0 is the header: the box's entry for "no scene" in Japanese and English,
then the 21 column titles.  Rows 1..40: Japanese name, English name and the 21
panel settings applied when the scene is chosen:

  Ye Mo Da Ho Minu   local date and time (Ye = 0: the present moment)
  b1 b2              aim point in radians (sky views: right ascension and
                     declination, or ecliptic longitude and latitude in
                     Sky-ecliptic; orbit views: turn and tilt of the view)
  b0                 magnifying power
  t10 times          interval in days and number of passes (Sequential, x times)
  selec              0 Sky-equatorial, 1 Zodiac, 2 2-Orbit, 3 3D-Orbit, 4 1-Orbit,
                     5 Sky-ecliptic
  norm               0 Single, 1 At Random, 2 Sequential, 3 x times
  orbit              0 all bodies, 1 planets, 2 +comets, 3 +asteroids
  sname              0 no names, 1 names, 2 names only
  preci              0 all stars, 1 the 10000 brightest
  gra color cross    star brightness 0-5, colour 0-4, rays 0-4
  con                constellation lines 0 none, 1 dark, 2 bright
  view see           viewpoint body and followed body (90: fixed point / none)

Times are Japan Standard Time, i.e. for the panel's default lag of +9 h 0 min.

A scene ignores where the user clicked: its first pass re-centres the view as
if the click had been at the window's top-left corner.  Sky scenes therefore
always follow a body, which brings the view back onto it whatever the window
size; their stored aim point is that body's position anyway.  Orbit scenes
store a tilt of -165 degrees: the corner click tips the view by +50 to +77
degrees on screens from 768 to 1080 pixels high, so the plan is seen from
30 to 0 degrees off the ecliptic's north pole.

The generator checks every dated scene with a copy of the program's position
model: the eclipse shows the Moon on the Sun, the conjunction both planets in
the field, and so on.
"""

import math
import sys

import skymodel
from common import P0, check, fixed, quote, write_lines

HEADER = ("デモなし", "No Demo",
          ["Ye", "Mo", "Da", "Ho", "Minu", "b1", "b2", "b0", "t10", "times", "selec", "norm",
           "orbit", "sname", "preci", "gra", "color", "cross", "con", "view", "see"])

SUN, MERCURY, VENUS, EARTH, MARS, JUPITER, SATURN, URANUS, NEPTUNE, PLUTO, MOON = range(11)
HALLEY, HALE_BOPP, HYAKUTAKE, NEOWISE = 11, 18, 19, 20
NONE = 90
SKY_EQ, ZODIAC, ORBIT2, ORBIT3D, ORBIT1, SKY_ECL = range(6)
SINGLE, RANDOM, SEQUENTIAL, TIMES = range(4)

ORBIT_TILT = -165.0   # see the module notes
BETELGEUSE = (88.7929, 7.4071)
ALCYONE = (56.8712, 24.1051)

# Half the height and half the width of the sky field in degrees for
# magnification b0 on a small screen (client area about 20000 x 10000 twips).
def half_field(b0):
    return math.degrees(5000 / (300 * b0))


def half_width(b0):
    return math.degrees(10000 / (300 * b0))


def scene(ja, en, when, selec, norm, b0, t10=1, times=10, orbit=0, sname=1, preci=0, gra=0,
          color=3, cross=2, con=2, view=EARTH, see=NONE, aim=None, expect=()):
    return dict(ja=ja, en=en, when=when, selec=selec, norm=norm, b0=b0, t10=t10, times=times,
                orbit=orbit, sname=sname, preci=preci, gra=gra, color=color, cross=cross,
                con=con, view=view, see=see, aim=aim, expect=expect)


NOW = None
SCENES = [
    scene("オリオン座", "Orion", (2022, 12, 8, 21, 0), SKY_EQ, SINGLE, 60, gra=1, see=MARS,
          expect=[("star", MARS, BETELGEUSE)]),
    scene("日食2009", "Eclipse 2009", (2009, 7, 22, 11, 35), SKY_EQ, SINGLE, 300, con=1, see=SUN,
          expect=[("sep", SUN, MOON, 0.6)]),
    scene("惑星の軌道", "Inner orbits", NOW, ORBIT1, SEQUENTIAL, 60, t10=2, times=200, orbit=1,
          preci=1, con=0, aim="orbit"),
    scene("黄道帯", "Zodiac now", NOW, ZODIAC, SINGLE, 20, aim=(0, 0)),
    scene("木星土星接近", "Jup+Sat 2020", (2020, 12, 21, 18, 0), SKY_EQ, SINGLE, 1000, con=1,
          see=JUPITER, expect=[("sep", JUPITER, SATURN, 0.5)]),
    scene("ハレー彗星", "Halley 1986", (1986, 4, 11, 9, 0), SKY_EQ, SINGLE, 30, orbit=2, gra=1,
          see=HALLEY, expect=[("dist", EARTH, HALLEY, 0.5)]),
    scene("ハレー軌道", "Halley orbit", (1985, 11, 1, 0, 0), ORBIT1, SEQUENTIAL, 80, t10=3,
          times=120, orbit=2, preci=1, con=0, aim="orbit", expect=[("dist", SUN, HALLEY, 2.5)]),
    scene("月の満ち欠け", "Moon phases", (2024, 1, 11, 20, 57), SKY_EQ, SEQUENTIAL, 300, t10=1,
          times=31, preci=1, con=1, see=MOON, expect=[("sep", SUN, MOON, 6)]),
    scene("ヘールボップ", "Hale-Bopp", (1997, 4, 1, 19, 30), SKY_EQ, SINGLE, 40, orbit=2, gra=1,
          see=HALE_BOPP, expect=[("dist", SUN, HALE_BOPP, 0.95)]),
    scene("火星大接近", "Mars 2003", (2003, 8, 27, 18, 51), SKY_EQ, SINGLE, 10000, con=0, see=MARS,
          expect=[("dist", EARTH, MARS, 0.375)]),
    scene("金星日面通過", "Transit 2012", (2012, 6, 6, 10, 30), SKY_EQ, SINGLE, 300, con=1, see=SUN,
          expect=[("sep", SUN, VENUS, 0.3)]),
    scene("外惑星軌道", "Outer orbits", NOW, ORBIT1, SEQUENTIAL, 1200, t10=30, times=300, orbit=1,
          preci=1, con=0, aim="orbit"),
    scene("月から地球", "Earthrise", (1968, 12, 25, 1, 40), SKY_EQ, SINGLE, 300, con=1, view=MOON,
          see=EARTH),
    scene("天王星食", "Uranus 2022", (2022, 11, 8, 20, 0), SKY_EQ, SINGLE, 1000, con=0, see=MOON,
          expect=[("sep", MOON, URANUS, 0.6)]),
    scene("月で見る月食", "Eclipse@Moon", (2018, 7, 28, 5, 22), SKY_EQ, SINGLE, 1000, con=1,
          view=MOON, see=SUN, expect=[("sep", SUN, EARTH, 0.8)]),
    scene("２相軌道", "2-Orbit", NOW, ORBIT2, SINGLE, 20, orbit=0, con=0, aim="orbit"),
    scene("百武彗星", "Hyakutake", (1996, 3, 25, 15, 0), SKY_EQ, SINGLE, 30, orbit=2, gra=1,
          see=HYAKUTAKE, expect=[("dist", EARTH, HYAKUTAKE, 0.11)]),
    scene("惑星の整列", "Planet row", (2022, 6, 24, 4, 0), SKY_ECL, SINGLE, 20, gra=1, see=MARS,
          expect=[("sep", MARS, MERCURY, 90), ("sep", MARS, VENUS, 90), ("sep", MARS, JUPITER, 90),
                  ("sep", MARS, SATURN, 90)]),
    scene("金星の動き", "Venus swing", (2023, 1, 1, 18, 0), SKY_ECL, SEQUENTIAL, 40, t10=4,
          times=150, preci=1, con=1, see=SUN, expect=[("sep", SUN, VENUS, 48)]),
    scene("火星から地球", "Earth@Mars", (2014, 1, 31, 21, 0), SKY_EQ, SINGLE, 10000, con=0,
          view=MARS, see=EARTH, expect=[("sep", EARTH, MOON, 0.3)]),
    scene("土星の環", "Saturn ring", (2017, 6, 15, 19, 17), SKY_EQ, SINGLE, 100000, con=0,
          see=SATURN, expect=[("dist", EARTH, SATURN, 9.2)]),
    scene("木星2022", "Jupiter 2022", (2022, 9, 27, 4, 33), SKY_EQ, SINGLE, 50000, con=0,
          see=JUPITER, expect=[("dist", EARTH, JUPITER, 4.0)]),
    scene("ネオワイズ", "NEOWISE", (2020, 7, 23, 10, 9), SKY_EQ, SINGLE, 40, orbit=2, gra=1,
          see=NEOWISE, expect=[("dist", EARTH, NEOWISE, 0.75)]),
    scene("立体軌道", "3D orbits", NOW, ORBIT3D, RANDOM, 60, orbit=1, con=0, aim=(0, 0)),
    scene("木星から", "From Jupiter", NOW, SKY_EQ, SINGLE, 300, con=1, view=JUPITER, see=SUN),
    scene("土星から地球", "Earth@Saturn", (2013, 7, 20, 6, 27), SKY_EQ, SINGLE, 200, con=1,
          view=SATURN, see=EARTH, expect=[("sep", EARTH, SUN, 6)]),
    scene("冥王星から", "From Pluto", (2015, 7, 14, 20, 49), SKY_EQ, SINGLE, 1000, con=1,
          view=PLUTO, see=SUN, expect=[("sep", SUN, EARTH, 2)]),
    scene("金星から地球", "Earth@Venus", (2020, 6, 4, 3, 0), SKY_EQ, SINGLE, 2000, con=0,
          view=VENUS, see=EARTH, expect=[("sep", EARTH, MOON, 0.6)]),
    scene("日食2035", "Eclipse 2035", (2035, 9, 2, 10, 0), SKY_EQ, SINGLE, 300, con=1, see=SUN,
          expect=[("sep", SUN, MOON, 0.6)]),
    scene("小惑星帯", "Asteroids", NOW, ORBIT1, SEQUENTIAL, 150, t10=5, times=200, orbit=3,
          preci=1, con=0, aim="orbit"),
    scene("惑星直列", "Align 1982", (1982, 3, 10, 12, 0), ZODIAC, SINGLE, 20, view=SUN, aim=(0, 0),
          expect=[("spread", 100)]),
    scene("歳差", "Precession", (2000, 3, 20, 12, 0), ZODIAC, SEQUENTIAL, 20, t10=182621.095145,
          times=53, aim=(0, 0)),
    scene("氷河期", "Ice Age", (-18000, 1, 1, 12, 0), ZODIAC, SINGLE, 20, aim=(0, 0)),
    scene("恐竜時代", "Dinosaurs", (-70000000, 1, 1, 12, 0), ZODIAC, SINGLE, 20, aim=(0, 0)),
    scene("すばる食", "Pleiades", (2024, 12, 13, 21, 40), SKY_EQ, SINGLE, 300, gra=1, see=MOON,
          expect=[("star", MOON, ALCYONE, 0.6)]),
    scene("黄道", "Ecliptic", NOW, SKY_ECL, SINGLE, 10, gra=1, con=1, see=SUN),
    scene("ランダム星空", "Random sky", NOW, SKY_EQ, RANDOM, 40, gra=1, aim=(0, 0)),
    scene("惑星の舞", "Planet dance", NOW, ORBIT1, TIMES, 60, t10=30, times=14, orbit=1, preci=1,
          con=0, aim="orbit"),
    scene("彗星の尾", "Comet tails", (1997, 4, 1, 14, 0), ORBIT1, SINGLE, 60, orbit=2, con=0,
          aim="orbit", expect=[("dist", SUN, HALE_BOPP, 0.95)]),
    scene("今夜の空", "Tonight", NOW, SKY_EQ, SINGLE, 20, gra=1, see=MOON),
]

SCENE_COUNT = 40


def aim_point(s, model):
    """(b1, b2) in degrees."""
    if s["aim"] == "orbit":
        return 0.0, ORBIT_TILT
    if s["aim"] is not None:
        return s["aim"]
    check(s["see"] != NONE, f"{s['en']}: a sky scene must follow a body")
    if s["when"] is None:
        return 0.0, 0.0          # the follow loop finds the body from anywhere
    ecl, _ = model.ecliptic_from(skymodel.moment(*s["when"]), s["view"])
    lam, beta = ecl[s["see"]]
    if s["selec"] == SKY_ECL:
        return math.degrees(lam), math.degrees(beta)
    ra, dec = skymodel.to_equatorial(lam, beta)
    return math.degrees(ra), math.degrees(dec)


def check_expectations(s, model):
    if not s["expect"]:
        return []
    ti = skymodel.moment(*s["when"])
    ecl, xyz = model.ecliptic_from(ti, s["view"])
    found = []
    for e in s["expect"]:
        if e[0] == "sep":
            _, i, j, limit = e
            d = math.degrees(skymodel.separation(ecl[i], ecl[j]))
            check(d < limit, f"{s['en']}: bodies {i} and {j} {d:.3f} deg apart, want < {limit}")
            if s["selec"] in (SKY_EQ, SKY_ECL) and s["see"] in (i, j):
                check(d < 1.9 * half_field(s["b0"]), f"{s['en']}: body out of the field")
            found.append(f"{i}-{j} {d:.2f} deg")
        elif e[0] == "star":
            _, i, (ra, dec), *limit = e
            limit = limit[0] if limit else half_width(s["b0"])
            body = skymodel.to_equatorial(*ecl[i])
            d = math.degrees(skymodel.separation(body, (math.radians(ra), math.radians(dec))))
            check(d < limit, f"{s['en']}: body {i} is {d:.2f} deg from the star")
            found.append(f"{i}-star {d:.2f} deg")
        elif e[0] == "dist":
            _, i, j, limit = e
            d = math.dist(xyz[i], xyz[j])
            check(d < limit, f"{s['en']}: bodies {i} and {j} {d:.3f} AU apart, want < {limit}")
            found.append(f"{i}-{j} {d:.3f} AU")
        elif e[0] == "spread":
            lons = sorted(math.degrees(math.atan2(p[1], p[0])) % 360 for p in xyz[1:10])
            gaps = [(lons[(k + 1) % 9] - lons[k]) % 360 for k in range(9)]
            spread = 360 - max(gaps)
            check(spread < e[1], f"{s['en']}: planets spread over {spread:.1f} deg")
            found.append(f"spread {spread:.1f} deg")
    return found


def check_scene(s):
    check(len(s["en"]) <= 13 and len(s["ja"]) <= 7, f"name too long for the box: {s['en']}")
    check(s["selec"] in range(6) and s["norm"] in range(4), f"{s['en']}: modes")
    check(s["orbit"] in range(4) and s["sname"] in range(3) and s["preci"] in range(2), s["en"])
    check(s["gra"] in range(6) and s["color"] in range(5) and s["cross"] in range(5), s["en"])
    check(s["con"] in range(3), s["en"])
    for body in (s["view"], s["see"]):
        check(body in range(31) or body == NONE, f"{s['en']}: body {body}")
    check(s["view"] != s["see"], f"{s['en']}: following the viewpoint")
    check(7.5 <= s["b0"] <= 1e8, f"{s['en']}: magnification")
    if s["selec"] in (ORBIT2, ORBIT3D, ORBIT1):
        check(s["b0"] < 10000, f"{s['en']}: orbit views refuse magnification 10000 and more")
    if s["norm"] in (SEQUENTIAL, TIMES):
        check(s["times"] >= 3 and s["t10"] > 0, f"{s['en']}: a run needs passes")
    if s["when"] is not None:
        y, mo, d, h, mi = s["when"]
        check(1 <= mo <= 12 and 1 <= d <= 31 and 0 <= h < 24 and 0 <= mi < 60 and y != 0,
              f"{s['en']}: date")


def row(s, model):
    check_scene(s)
    b1, b2 = aim_point(s, model)
    y, mo, d, h, mi = s["when"] if s["when"] is not None else (0, 0, 0, 0, 0)
    # Degrees become radians with the program's own pi, so that the panel shows
    # the same degrees again.
    values = [str(y), str(mo), str(d), str(h), str(mi),
              fixed(b1 * P0 / 180, 10), fixed(b2 * P0 / 180, 10),
              fixed(s["b0"], 6), fixed(s["t10"], 6), str(s["times"]),
              str(s["selec"]), str(s["norm"]), str(s["orbit"]), str(s["sname"]), str(s["preci"]),
              str(s["gra"]), str(s["color"]), str(s["cross"]), str(s["con"]), str(s["view"]),
              str(s["see"])]
    return ",".join([quote(s["ja"]), quote(s["en"])] + values)


def generate(comets_csv, asteroids_csv, target, verbose=False):
    check(len(SCENES) == SCENE_COUNT, f"{len(SCENES)} scenes, expected {SCENE_COUNT}")
    check(len({s["en"] for s in SCENES}) == SCENE_COUNT, "scene names repeat")
    check(len({s["ja"] for s in SCENES}) == SCENE_COUNT, "Japanese scene names repeat")
    model = skymodel.Bodies(comets_csv, asteroids_csv)
    header = ",".join([quote(HEADER[0]), quote(HEADER[1])] + [quote(t) for t in HEADER[2]])
    lines = [header]
    for s in SCENES:
        lines.append(row(s, model))
        found = check_expectations(s, model)
        if verbose and found:
            print(f"  {s['en']}: " + ", ".join(found))
    check(all(len(line.split(",")) == 23 for line in lines), "23 fields per row")
    write_lines(target, lines)
    return len(lines) - 1


if __name__ == "__main__":
    n = generate(sys.argv[1], sys.argv[2], sys.argv[3], verbose="-v" in sys.argv)
    print(f"demo.csv: {n} scenes")
