"""Reads the two data files of resources/data and writes figures the Italian way, for
the script that draws the table picture, so that every figure comes from the data files
and nowhere else. (The companion pages are written by the program's core.)
"""

import csv
import os
import re
from datetime import date
from decimal import ROUND_HALF_UP, Decimal

DATA_DIR = os.path.join(os.path.dirname(os.path.abspath(__file__)), "data")

MONTHS = ("gennaio", "febbraio", "marzo", "aprile", "maggio", "giugno", "luglio", "agosto",
          "settembre", "ottobre", "novembre", "dicembre")


def read_tsv(name):
    """Rows of a data file as dicts; lines starting with '#' are comments."""
    with open(os.path.join(DATA_DIR, name), encoding="utf-8", newline="") as f:
        lines = [line for line in f if not line.startswith("#")]
    return list(csv.DictReader(lines, delimiter="\t"))


def it_number(value, places=None):
    """1234.5 -> '1.234,5'; with places, exactly that many decimals."""
    value = Decimal(value)
    if places is not None:
        value = value.quantize(Decimal(1).scaleb(-places), rounding=ROUND_HALF_UP)
        text = f"{value:f}"
    else:
        text = f"{value.normalize():f}"
    sign = "-" if text.startswith("-") else ""
    text = text.lstrip("-")
    whole, _, decimals = text.partition(".")
    groups = []
    while len(whole) > 3:
        groups.insert(0, whole[-3:])
        whole = whole[:-3]
    groups.insert(0, whole)
    out = sign + ".".join(groups)
    return out + ("," + decimals if decimals else "")


def parse_day(text):
    """'11/12/2015' -> date."""
    d, m, y = (int(p) for p in text.split("/"))
    return date(y, m, d)


def long_date(day):
    return f"{day.day}{'°' if day.day == 1 else ''} {MONTHS[day.month - 1]} {day.year}"


_DECREE = re.compile(
    r"^(?P<kind>DM|DD) (?P<day>\d\d/\d\d/\d{4})"
    r"(?: \(GU (?:(?P<gu>\d+), )?(?P<gu_day>\d\d/\d\d/\d{4})\))?(?P<rest>.*)$")


def decree_text(text):
    """'DM 11/12/2015 (GU 291, 15/12/2015)' -> 'D.M. 11 dicembre 2015 (G.U. 15 dicembre 2015,
    n. 291)'. Other texts (laws) keep their wording."""
    m = _DECREE.match(text)
    if not m:
        return re.sub(r"^DM\b", "D.M.", text)
    kind = {"DM": "D.M.", "DD": "D.D."}[m["kind"]]
    out = f"{kind} {long_date(parse_day(m['day']))}"
    if m["gu_day"]:
        number = f", n. {m['gu']}" if m["gu"] else ""
        out += f" (G.U. {long_date(parse_day(m['gu_day']))}{number})"
    return out + m["rest"]


def legal_rates():
    """Legal interest rate by period: dicts with start, end (dates), rate (Decimal), set_by."""
    rows = []
    for r in read_tsv("legal_rates.tsv"):
        rows.append({
            "start": date.fromisoformat(r["from"]),
            "end": date.fromisoformat(r["to"]),
            "rate": Decimal(r["rate_percent"]),
            "set_by": r["set_by"],
        })
    return rows


def legal_rate_on(day):
    for r in legal_rates():
        if r["start"] <= day <= r["end"]:
            return r
    raise LookupError(f"no legal rate for {day}")


_BANDS = re.compile(r"\(bands ([^)]*)\)")
_RATE = re.compile(r"^(?P<rate>[\d.]+)(?: \(floor; legal rate (?P<legal>[\d.]+)\))?$")


def lifetime_table():
    """Age bands [(from, to)] and one dict per year: year, rate (the rate used, Decimal),
    floor (True when the rate is the floor, not the legal rate), legal (the legal rate),
    decree, coefficients [Decimal], usufruct and bare [Decimal percent]."""
    rows = read_tsv("lifetime_coefficients.tsv")
    coeff_key = next(k for k in rows[0] if k.startswith("coefficients"))
    bands = [tuple(int(a) for a in band.split("-"))
             for band in _BANDS.search(coeff_key)[1].split(", ")]
    years = []
    for r in rows:
        m = _RATE.match(r["rate_used_percent"])
        rate = Decimal(m["rate"])
        coefficients = [Decimal(c) for c in r[coeff_key].split()]
        if len(coefficients) != len(bands):
            raise ValueError(f"{r['year']}: {len(coefficients)} coefficients, {len(bands)} bands")
        usufruct = [c * rate for c in coefficients]
        years.append({
            "year": int(r["year"]),
            "rate": rate,
            "floor": m["legal"] is not None,
            "legal": Decimal(m["legal"]) if m["legal"] else rate,
            "decree": r["decree"],
            "coefficients": coefficients,
            "usufruct": usufruct,
            "bare": [Decimal(100) - u for u in usufruct],
        })
    return bands, years


def band_text(band):
    return f"da {band[0]} a {band[1]}"
