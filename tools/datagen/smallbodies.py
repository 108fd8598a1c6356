"""Comet file comets.csv and asteroid file asteroids.csv from JPL small-body
elements shipped with KStars (Debian package kstars-data).

Sources
  /usr/share/kstars/comets.dat        JSON result of the JPL SBDB query API
  /usr/share/kstars/asteroids.dat     the same for numbered asteroids
  /usr/share/kstars/cometels.json.gz  Minor Planet Center comet elements, used
                                      only for the comets' magnitude law

comets.csv: a header of 13 titles, then 10 records
  Japanese name, English name, period (tropical years), perihelion year, month,
  day (with fraction, UT), q (AU), e, argument of perihelion (deg),
  ascending node (deg), inclination (deg), magnitude m, exponent n
  * elements, perihelion time and period from the JPL orbit; JPL gives the
    period in Julian years, converted here to tropical years of 365.24219029 d
  * m and n describe the total brightness m + 5 log(delta) + 2.5 n log(r);
    taken as the pair H, G of the MPC comet elements (G is that n) when the comet
    is listed there, otherwise m = JPL's M1 and n = 4 (K1 = 10, the usual law
    for a comet without a fitted one)

asteroids.csv: a header of 10 titles, then 10 records, asteroids 1 to 10
  Japanese name, English name, H, eccentric anomaly at the epoch (deg),
  argument of perihelion (deg), ascending node (deg), inclination (deg), e,
  a (AU), epoch (Julian Date)
  * the program places an asteroid by the angle it had at the epoch, taken as
    the eccentric anomaly; JPL gives the mean anomaly M, so E - e sin E = M is
    solved here.
All angles refer to the ecliptic and equinox J2000.
"""

import gzip
import json
import math
import sys

from common import check, fixed, quote, write_lines

TROPICAL_YEAR = 365.24219029
JULIAN_YEAR = 365.25
DEFAULT_N = 4.0

# (designation as JPL writes it, Japanese name, English name), body order 11..20
COMETS = [
    ("1P/Halley", "ハレー彗星", "Halley"),
    ("2P/Encke", "エンケ彗星", "Encke"),
    ("9P/Tempel 1", "テンペル第1彗星", "Tempel 1"),
    ("21P/Giacobini-Zinner", "ジャコビニ・ツィナー彗星", "Giacobini-Zinner"),
    ("55P/Tempel-Tuttle", "テンペル・タットル彗星", "Tempel-Tuttle"),
    ("67P/Churyumov-Gerasimenko", "チュリュモフ・ゲラシメンコ彗星", "Churyumov-Gerasimenko"),
    ("109P/Swift-Tuttle", "スイフト・タットル彗星", "Swift-Tuttle"),
    ("C/1995 O1 (Hale-Bopp)", "ヘール・ボップ彗星", "Hale-Bopp"),
    ("C/1996 B2 (Hyakutake)", "百武彗星", "Hyakutake"),
    ("C/2020 F3 (NEOWISE)", "ネオワイズ彗星", "NEOWISE"),
]

# Asteroids 1..10, body order 21..30 (Japanese names as used by the
# National Astronomical Observatory of Japan).
ASTEROIDS = [
    (1, "ケレス", "Ceres"),
    (2, "パラス", "Pallas"),
    (3, "ジュノー", "Juno"),
    (4, "ベスタ", "Vesta"),
    (5, "アストラエア", "Astraea"),
    (6, "ヘーベ", "Hebe"),
    (7, "イリス", "Iris"),
    (8, "フローラ", "Flora"),
    (9, "メティス", "Metis"),
    (10, "ヒギエア", "Hygiea"),
]

COMET_HEADER = ["日本語名", "English name", "period (years)", "perihelion year", "month", "day",
                "q (AU)", "e", "omega (deg)", "node (deg)", "i (deg)", "m", "n"]
ASTEROID_HEADER = ["日本語名", "English name", "H", "E at epoch (deg)", "omega (deg)",
                   "node (deg)", "i (deg)", "e", "a (AU)", "epoch (JD)"]


def jd_to_calendar(jd):
    """Julian Date -> (year, month, day with fraction), Gregorian calendar."""
    z = math.floor(jd + 0.5)
    f = jd + 0.5 - z
    alpha = math.floor((z - 1867216.25) / 36524.25)
    a = z + 1 + alpha - math.floor(alpha / 4)
    b = a + 1524
    c = math.floor((b - 122.1) / 365.25)
    d = math.floor(365.25 * c)
    e = math.floor((b - d) / 30.6001)
    day = b - d - math.floor(30.6001 * e) + f
    month = e - 1 if e < 14 else e - 13
    year = c - 4716 if month > 2 else c - 4715
    return year, month, day


def kepler_e(mean_anomaly, e):
    """Eccentric anomaly (radians) from the mean anomaly, Newton's method."""
    m = math.fmod(mean_anomaly, 2 * math.pi)
    if m < 0:
        m += 2 * math.pi
    big_e = m if e < 0.8 else math.pi
    for _ in range(50):
        step = (big_e - e * math.sin(big_e) - m) / (1 - e * math.cos(big_e))
        big_e -= step
        if abs(step) < 1e-15:
            break
    check(abs(big_e - e * math.sin(big_e) - m) < 1e-12, "Kepler's equation did not converge")
    return big_e


def sbdb_rows(path):
    with open(path, encoding="utf-8") as f:
        doc = json.load(f)
    fields = doc["fields"]
    return [dict(zip(fields, row)) for row in doc["data"]]


def mpc_magnitudes(path):
    """Designation -> (H, G) from the MPC comet elements."""
    with gzip.open(path, "rt", encoding="utf-8") as f:
        entries = json.load(f)
    table = {}
    for e in entries:
        name = e["Designation_and_name"]
        table[name] = (e["H"], e["G"])
    return table


def mpc_key(designation):
    """The form of a designation in the MPC list: "1P/Halley", "9P/Tempel",
    "C/1995 O1 (Hale-Bopp)"; periodic comets are matched on their number."""
    if designation[0].isdigit():
        return designation.split("/")[0] + "/"
    return designation


def comet_records(comets_path, mpc_path):
    rows = {r["full_name"].strip(): r for r in sbdb_rows(comets_path)}
    mpc = mpc_magnitudes(mpc_path)
    records = []
    for designation, ja, en in COMETS:
        r = rows[designation]
        q, e = float(r["q"]), float(r["e"])
        check(0 < e < 1, f"{designation}: e = {e}; only elliptic orbits are used")
        year, month, day = jd_to_calendar(float(r["tp"]))
        period = float(r["per.y"]) * JULIAN_YEAR / TROPICAL_YEAR
        a = q / (1 - e)
        check(abs(period / (a ** 1.5) - 1) < 0.001, f"{designation}: period and q/(1-e) disagree")
        key = mpc_key(designation)
        matches = [v for k, v in mpc.items() if (k.startswith(key) if key.endswith("/") else k == key)]
        if matches:
            check(len(matches) == 1, f"{designation}: several MPC entries")
            m, n = matches[0]
        else:
            check(r["M1"] is not None, f"{designation}: no magnitude anywhere")
            m, n = float(r["M1"]), DEFAULT_N
        records.append([quote(ja), quote(en), fixed(period, 6), str(year), str(month), fixed(day, 5),
                        fixed(q, 9), fixed(e, 9), fixed(float(r["w"]), 6), fixed(float(r["om"]), 6),
                        fixed(float(r["i"]), 6), fixed(m, 2), fixed(n, 2)])
    return records


def asteroid_records(asteroids_path):
    rows = {}
    for r in sbdb_rows(asteroids_path):
        number = r["full_name"].split()[0]
        if number.isdigit():
            rows[int(number)] = r
    records = []
    for number, ja, en in ASTEROIDS:
        r = rows[number]
        check(r["full_name"].split()[1] == en, f"asteroid {number} is {r['full_name']!r}")
        e = float(r["e"])
        big_e = math.degrees(kepler_e(math.radians(float(r["ma"])), e)) % 360.0
        epoch_jd = float(r["epoch_mjd"]) + 2400000.5
        records.append([quote(ja), quote(en), fixed(float(r["H"]), 2), fixed(big_e, 6),
                        fixed(float(r["w"]), 6), fixed(float(r["om"]), 6), fixed(float(r["i"]), 6),
                        fixed(e, 9), fixed(float(r["a"]), 9), fixed(epoch_jd, 1)])
    return records


def generate(kstars_dir, comets_csv, asteroids_csv):
    comets = comet_records(f"{kstars_dir}/comets.dat", f"{kstars_dir}/cometels.json.gz")
    asteroids = asteroid_records(f"{kstars_dir}/asteroids.dat")
    check(len(comets) == 10 and all(len(r) == 13 for r in comets), "comet record shape")
    check(len(asteroids) == 10 and all(len(r) == 10 for r in asteroids), "asteroid record shape")
    # Halley's elements osculate at 1994; their perihelion falls in February 1986.
    check(comets[0][3:5] == ["1986", "2"], "Halley's perihelion date")
    write_lines(comets_csv, [",".join(quote(h) for h in COMET_HEADER)] + [",".join(r) for r in comets])
    write_lines(asteroids_csv, [",".join(quote(h) for h in ASTEROID_HEADER)]
                + [",".join(r) for r in asteroids])
    return len(comets), len(asteroids)


if __name__ == "__main__":
    nc, na = generate(sys.argv[1], sys.argv[2], sys.argv[3])
    print(f"comets.csv: {nc} comets; asteroids.csv: {na} asteroids")
