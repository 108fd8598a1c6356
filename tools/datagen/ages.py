"""Age file age.dat: 22 geological ages with their boundaries.

Facts from the ICS International Chronostratigraphic Chart v2023/09 (boundaries
in years before present; the Holocene base counts from 2000 CE).  The 22 rows
are the three Precambrian eons, the twelve Phanerozoic periods up to the
Cretaceous, the five Paleogene and Neogene epochs, the four Pleistocene ages
and the Holocene.

Record: "first name (ja)","first name (en)","second name (ja)","second name (en)",end,start
  first name   the larger unit the age belongs to (era, period)
  second name  the age itself (eon, period, epoch or stage)
  end          younger boundary, years before present
  start        older boundary, years before present

Order: oldest first.  The zodiac chart names the first row, in file order, for
which the date's distance into the past exceeds the first number.  With the
younger boundary as the first number and the oldest row first, that row is the
one whose time span holds the date: every older row ends before the date, and
the row itself ends after it.  The youngest row ends at 0, so every date in the
past finds a row; a date on a boundary belongs to the younger age.
"""

import sys

from common import check, fixed, quote, write_lines

MA = 1_000_000

# (first ja, first en, second ja, second en, start in years before present)
# oldest first; each age ends where the next one starts, the last one now.
AGES = [
    ("先カンブリア時代", "Precambrian", "冥王代", "Hadean", 4567 * MA),
    ("先カンブリア時代", "Precambrian", "太古代", "Archean", 4031 * MA),
    ("先カンブリア時代", "Precambrian", "原生代", "Proterozoic", 2500 * MA),
    ("古生代", "Paleozoic", "カンブリア紀", "Cambrian", 538.8 * MA),
    ("古生代", "Paleozoic", "オルドビス紀", "Ordovician", 485.4 * MA),
    ("古生代", "Paleozoic", "シルル紀", "Silurian", 443.8 * MA),
    ("古生代", "Paleozoic", "デボン紀", "Devonian", 419.2 * MA),
    ("古生代", "Paleozoic", "石炭紀", "Carboniferous", 358.9 * MA),
    ("古生代", "Paleozoic", "ペルム紀", "Permian", 298.9 * MA),
    ("中生代", "Mesozoic", "三畳紀", "Triassic", 251.902 * MA),
    ("中生代", "Mesozoic", "ジュラ紀", "Jurassic", 201.4 * MA),
    ("中生代", "Mesozoic", "白亜紀", "Cretaceous", 145.0 * MA),
    ("古第三紀", "Paleogene", "暁新世", "Paleocene", 66.0 * MA),
    ("古第三紀", "Paleogene", "始新世", "Eocene", 56.0 * MA),
    ("古第三紀", "Paleogene", "漸新世", "Oligocene", 33.9 * MA),
    ("新第三紀", "Neogene", "中新世", "Miocene", 23.03 * MA),
    ("新第三紀", "Neogene", "鮮新世", "Pliocene", 5.333 * MA),
    ("第四紀", "Quaternary", "ジェラシアン", "Gelasian", 2.58 * MA),
    ("第四紀", "Quaternary", "カラブリアン", "Calabrian", 1.80 * MA),
    ("第四紀", "Quaternary", "チバニアン", "Chibanian", 0.774 * MA),
    ("第四紀", "Quaternary", "後期更新世", "Late Pleistocene", 0.129 * MA),
    ("第四紀", "Quaternary", "完新世", "Holocene", 11_700),
]

ROW_COUNT = 22


def rows():
    out = []
    for k, (fja, fen, sja, sen, start) in enumerate(AGES):
        end = AGES[k + 1][4] if k + 1 < len(AGES) else 0
        out.append((fja, fen, sja, sen, round(end), round(start)))
    return out


def age_of(years_ago, table):
    """The zodiac chart's rule: the first row whose first number is exceeded."""
    for row in table:
        if years_ago > row[4]:
            return row
    return None


def generate(target):
    table = rows()
    check(len(table) == ROW_COUNT, f"{len(table)} ages, expected {ROW_COUNT}")
    check(all(a[5] > a[4] for a in table), "every age starts before it ends")
    check(all(table[k][4] == table[k + 1][5] for k in range(len(table) - 1)), "ages must join")
    check(table[-1][4] == 0, "the youngest age ends now")
    # The rule names the age whose span holds the date.
    for years_ago, expected in [(100, "Holocene"), (12_000, "Late Pleistocene"),
                                (20_000, "Late Pleistocene"), (500_000, "Chibanian"),
                                (70 * MA, "Cretaceous"), (66 * MA + 1, "Cretaceous"),
                                (65 * MA, "Paleocene"), (540 * MA, "Proterozoic"),
                                (4.4e9, "Hadean"), (1e10, "Hadean")]:
        found = age_of(years_ago, table)
        check(found is not None and found[3] == expected,
              f"{years_ago} years ago gives {found and found[3]}, expected {expected}")
    check(age_of(-5, table) is None, "a future date has no age")
    lines = [",".join((quote(a), quote(b), quote(c), quote(d), fixed(end, 0), fixed(start, 0)))
             for a, b, c, d, end, start in table]
    write_lines(target, lines)
    return len(lines)


if __name__ == "__main__":
    n = generate(sys.argv[1])
    print(f"age.dat: {n} ages")
