"""A small copy of Halvane's own position model, used only to check the data.

The generators use it to make sure that what the data files say comes out right
in the program: that Ceres stands where Ceres is, and that each demonstration
scene shows its event (the Moon on the Sun at an eclipse, Jupiter beside Saturn
at the conjunction, ...).  It follows the program's rules step by step: Kepler
orbits solved by halving, slowly turning elements, the empirical correction of
the Moon, the obliquity fixed at 23.44 degrees.
"""

import csv
import math

P0 = 3.14159265359
P1 = 360 / (2 * P0)
SAISA = 25868
TROPICAL = 365.24219029
KINTENSHUUKI = 23000
KOUSEINEN = 1 + 1 / SAISA
KINTENNEN = KOUSEINEN + 1 / KINTENSHUUKI
SAKUBOUTUKI = 29.530589
A10 = 1.1 / 400
OBLIQUITY = 23.44 / 180 * P0


def Int(q):
    return math.floor(q)


def frac(q):
    return q - math.floor(q)


def year_start(y):
    return 365 * (y - 1) + Int((y - 1) / 4) - Int((y - 1) / 100) + Int((y - 1) / 400)


def leap(y):
    return (Int(Int(y / 4) + 1 - y / 4) - Int(Int(y / 100) + 1 - y / 100)
            + Int(Int(y / 400) + 1 - y / 400))


def month_start(y, m):
    L = leap(y)
    table = [0, 0, 31, 59 + L, 90 + L, 120 + L, 151 + L, 181 + L, 212 + L, 243 + L, 273 + L,
             304 + L, 334 + L, 365 + L]
    return table[m]


def day_number(y, m, d):
    return year_start(y) + month_start(y, m) + d - 1 - 723775


def moment(y, mo, d, h=0, mi=0, lag_hours=9):
    """Ti: tropical years since 19 August 1982 0h UT for a local date and time."""
    return (day_number(y, mo, d) + h / 24 + mi / 24 / 60 - lag_hours / 24) / TROPICAL


class Bodies:
    """Per-body element tables, indexed like the program (0 Sun .. 30)."""

    def __init__(self, comets_csv=None, asteroids_csv=None):
        n = 99
        self.a = [0.0] * n
        self.e = [0.0] * n
        self.inc = [0.0] * n
        self.node = [0.0] * n
        self.peri = [0.0] * n
        self.period = [0.0] * n
        self.epoch_lon = [0.0] * n
        self.ast_epoch = [0.0] * n
        self.peri_date = [None] * n
        self.names = [""] * n
        planets = {
            # a, e, i, node, perihelion longitude, period (Julian yr), epoch longitude
            1: (0.3871, 0.20563, 7.005, None, 77.5028, 0.240852, 137.326),
            2: (0.72333, 0.00677, 3.3947, 76.7069, 131.6058, 0.615207, 325.647),
            3: (1, 0.01671, 0, None, None, None, 223.943),
            4: (1.52368, 0.0934, 1.8497, 49.5812, 336.1155, 1.880866, 289.298),
            5: (5.2026, 0.0485, 1.3031, 100.495, 14.3796, 11.86155, 209.6863),
            6: (9.55491, 0.05554, 2.4888, 113.6918, 93.1161, 29.53216, 107.3675),
            7: (19.21845, 0.04638, 0.7732, 74.0216, 173.0499, 84.253, 69.684),
            8: (30.11039, 0.00946, 1.7698, 131.8171, 48.1631, 165.2269, 219.9645),
            9: (39.54044, 0.24901, 17.145, 110.3587, 224.1833, 248.6449, 346.664),
            10: (1.1 / 400, None, 5.129835, None, None, None, 47.2511),
        }
        for i, (a, e, inc, node, peri, per, lon) in planets.items():
            self.a[i] = a
            self.e[i] = e or 0.0
            self.inc[i] = inc
            self.node[i] = node or 0.0
            self.peri[i] = peri or 0.0
            self.period[i] = per * 365.25 / TROPICAL if per else 0.0
            self.epoch_lon[i] = lon
        self.period[3] = KINTENNEN
        self.period[10] = 0.07544184700820254
        if asteroids_csv:
            self._read_asteroids(asteroids_csv)
        if comets_csv:
            self._read_comets(comets_csv)

    def _read_asteroids(self, path):
        with open(path, encoding="utf-8") as f:
            rows = list(csv.reader(f))[1:]
        for i, r in zip(range(21, 31), rows):
            self.names[i] = r[1]
            w = float(r[4])
            self.epoch_lon[i] = float(r[3])
            self.node[i] = float(r[5])
            self.inc[i] = float(r[6])
            self.e[i] = float(r[7])
            self.a[i] = float(r[8])
            self.ast_epoch[i] = float(r[9])
            self.peri[i] = self.node[i] + w
            if self.peri[i] > 360:
                self.peri[i] -= 360
            self.period[i] = (self.a[i] ** 3) ** 0.5

    def _read_comets(self, path):
        with open(path, encoding="utf-8") as f:
            rows = list(csv.reader(f))[1:]
        for i, r in zip(range(11, 21), rows):
            self.names[i] = r[1]
            self.period[i] = float(r[2])
            self.peri_date[i] = (int(r[3]), int(r[4]), float(r[5]))
            q = float(r[6])
            self.e[i] = float(r[7])
            w = float(r[8])
            self.node[i] = float(r[9])
            self.inc[i] = float(r[10])
            self.peri[i] = self.node[i] + w
            if self.peri[i] > 360:
                self.peri[i] -= 360
            if self.e[i] > 1:
                self.e[i] = 0.9999
                self.period[i] = 0
            self.a[i] = q / (1 - self.e[i]) if self.e[i] < 1 else q / (self.e[i] - 1)
            if self.period[i] == 0 and self.e[i] < 1:
                self.period[i] = (self.a[i] ** 3) ** 0.5

    def positions(self, ti):
        """Heliocentric ecliptic x, y, z (AU) of bodies 0..30 at moment ti, and
        the Moon's corrected geocentric longitude and latitude (radians)."""
        a, e, inc, node, peri, period = (list(self.a), list(self.e), self.inc, list(self.node),
                                         list(self.peri), list(self.period))
        node[1] = 48.327 - 0.002345577 * (ti - 21.1843453)
        node[3] = 0.2448 + 360 * frac(-ti / SAISA)
        node[10] = 360 * frac((-254.1887 - 360 * ti / 18.599926299321) / 360)
        peri[1] = 77.462 + (ti - 21.1843453) * 574 / 60 / 60 / 100
        peri[3] = 360 * frac((102.971 + 360 * (ti - 20.35) / KINTENSHUUKI) / 360)
        peri[10] = 360 * frac((96 + 360 * ti / 8.850581814628) / 360)
        e[3] = (0.01 * math.sin(2 * (ti + 817550) / 413000) + 0.03
                + 0.01 * math.sin(2 * (ti + 817550) / 100000))
        e[10] = 0.0548799
        pt = [0.0] * 31
        for i in range(11, 21):
            if self.peri_date[i]:
                y, m, d = self.peri_date[i]
                pt[i] = -(year_start(y) + month_start(y, m) + d - 1 - 723775) / TROPICAL
        for i in range(1, 11):
            e0 = self.epoch_lon[i] / P1
            pt[i] = (e0 - e[i] * math.sin(e0)) * period[i] / (2 * P0)
        for i in range(21, 31):
            g = (self.ast_epoch[i] - 2445200.5) / TROPICAL
            e0 = self.epoch_lon[i] / P1
            pt[i] = (e0 - e[i] * math.sin(e0)) * period[i] / (2 * P0) - g
        xyz = [(0.0, 0.0, 0.0)] * 31
        moon = None
        for i in range(0, 31):
            if period[i] == 0:
                period[i] = 1
            q = frac((pt[i] + ti) / period[i])
            big_e, step = 180.0, 180.0
            for _ in range(60 if 11 <= i <= 20 else 25):
                step /= 2
                m = (big_e / P1 - e[i] * math.sin(big_e / P1)) / (2 * P0)
                big_e = big_e + step if q >= m else big_e - step
            aa = A10 if i == 10 else a[i]
            ee = e[i]
            xp = aa * math.cos(big_e / P1) - aa * ee
            yp = math.sin(big_e / P1) * math.sqrt(aa * aa - (aa * ee) ** 2)
            w = (peri[i] - node[i]) / P1
            x1 = math.cos(w) * xp - math.sin(w) * yp
            y1 = math.sin(w) * xp + math.cos(w) * yp
            y2 = math.cos(inc[i] / P1) * y1
            z = math.sin(inc[i] / P1) * y1
            om = node[i] / P1
            x = math.cos(om) * x1 - math.sin(om) * y2
            y = math.sin(om) * x1 + math.cos(om) * y2
            if i == 10:
                lam = math.atan2(y, x) % (2 * P0)
                t = ti * TROPICAL
                big_a = 2 * P0 * (t + 29722.37496) / 411.92
                big_b = 2 * P0 * (t + 29722.37496) / 3231
                corr = math.sin(big_a + math.sin(big_a) / 16) * (1.3 - 0.25 * math.sin(big_b))
                lam = (lam * P1 - corr) / P1
                beta = math.atan(z / math.sqrt(x * x + y * y))
                moon = (lam, beta)
                r = math.sqrt(x * x + y * y + z * z)
                ex, ey, ez = xyz[3]
                x, y = math.cos(lam) * r + ex, math.sin(lam) * r + ey
                z = z + ez
            xyz[i] = (x, y, z)
        xyz[0] = (0.0, 0.0, 0.0)
        return xyz, moon

    def ecliptic_from(self, ti, view=3):
        """Ecliptic longitude and latitude (radians) of bodies 0..30 seen from
        body `view` (the Moon from the Earth keeps its corrected direction)."""
        xyz, moon = self.positions(ti)
        vx, vy, vz = xyz[view]
        out = {}
        for i in range(31):
            if i == view:
                continue
            if view == 3 and i == 10:
                out[i] = moon
                continue
            dx, dy, dz = xyz[i][0] - vx, xyz[i][1] - vy, xyz[i][2] - vz
            if dx == 0 and dy == 0:
                continue
            out[i] = (math.atan2(dy, dx) % (2 * P0), math.atan(dz / math.hypot(dx, dy)))
        return out, xyz


def to_equatorial(lam, beta):
    """Ecliptic (J2000 frame) -> right ascension, declination with obliquity 23.44 deg."""
    s = -OBLIQUITY
    x = math.cos(beta) * math.cos(lam)
    y = math.cos(beta) * math.sin(lam)
    z = math.sin(beta)
    y2 = math.cos(s) * y + math.sin(s) * z
    z2 = math.cos(s) * z - math.sin(s) * y
    return math.atan2(y2, x) % (2 * P0), math.atan(z2 / math.hypot(x, y2))


def separation(p, q):
    (l0, b0), (l1, b1) = p, q
    c = math.sin(b0) * math.sin(b1) + math.cos(b0) * math.cos(b1) * math.cos(l0 - l1)
    return math.acos(max(-1.0, min(1.0, c)))
