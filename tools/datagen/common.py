"""Shared helpers for the data generators: number and text formatting, file output.

Every data file beside the program is read field by field: fields are separated
by commas or line ends, texts may stand in double quotes, and numbers use "." as
the decimal point.  The helpers here write exactly that: plain decimal numbers
(never an exponent), texts always in double quotes, UTF-8, LF line ends.
"""

import math
import os
from decimal import Decimal, ROUND_HALF_EVEN

P0 = 3.14159265359  # the value of pi the program itself uses


def fixed(x, decimals):
    """Decimal text of x rounded to `decimals` places, trailing zeros removed.

    Never uses an exponent; -0 is written as 0.
    """
    if not math.isfinite(x):
        raise ValueError(f"not a finite number: {x!r}")
    q = Decimal(repr(float(x))).quantize(Decimal(1).scaleb(-decimals), rounding=ROUND_HALF_EVEN)
    text = format(q, "f")
    if "." in text:
        text = text.rstrip("0").rstrip(".")
    if text in ("-0", ""):
        text = "0"
    return text


def sig(x, digits):
    """Decimal text of x with `digits` significant digits, no exponent."""
    if x == 0:
        return "0"
    exponent = math.floor(math.log10(abs(x)))
    decimals = max(0, digits - 1 - exponent)
    text = fixed(x, decimals)
    # Rounding can carry into a new leading digit (9.99995 -> 10); that only
    # adds precision, never loses it, so it is kept as is.
    return text


def quote(text):
    """Text field in double quotes; the field reader has no escape for quotes."""
    if '"' in text or "\n" in text or "\r" in text:
        raise ValueError(f"text field cannot hold quotes or line breaks: {text!r}")
    return '"' + text + '"'


def write_lines(path, lines):
    """Write lines with LF ends, UTF-8 without BOM; only rewrite on change."""
    data = "".join(line + "\n" for line in lines).encode("utf-8")
    os.makedirs(os.path.dirname(path) or ".", exist_ok=True)
    try:
        with open(path, "rb") as f:
            if f.read() == data:
                return False
    except FileNotFoundError:
        pass
    with open(path, "wb") as f:
        f.write(data)
    return True


def check(condition, message):
    """Self-check of a generator: stop with a clear message when it fails."""
    if not condition:
        raise SystemExit(f"self-check failed: {message}")
