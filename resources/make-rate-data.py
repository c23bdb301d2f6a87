#!/usr/bin/env python3
"""Writes src/core/legal_rate_data.cpp from the data files in resources/data, so that
the program carries the legal rates and the lifetime coefficients without reading any
file. The core test tst_rates_by_date reads the data files again and fails when the two
disagree. Usage: make-rate-data.py [output-file]
"""

import os
import re
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
import tabledata as td  # noqa: E402

DEFAULT_OUT = os.path.join(HERE, "..", "src", "core", "legal_rate_data.cpp")


def hundredths(value):
    """Decimal('2.5') -> 250; refuses anything finer than a hundredth."""
    scaled = value * 100
    if scaled != scaled.to_integral_value():
        raise ValueError(f"{value} has more than two decimals")
    return int(scaled)


def c_string(text):
    return '"' + text.replace("\\", "\\\\").replace('"', '\\"') + '"'


def c_date(day):
    return f"{{{day.year}, {day.month}, {day.day}}}"


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else DEFAULT_OUT
    bands, years = td.lifetime_table()
    lines = [
        "// Written by resources/make-rate-data.py from resources/data; do not edit by hand.",
        '#include "core/legal_rate_data.h"',
        "",
        "#include <iterator>",
        "",
        "namespace velmora {",
        "namespace {",
        "",
        "constexpr LegalRatePeriod kPeriods[] = {",
    ]
    for r in td.legal_rates():
        lines.append(f"    {{{c_date(r['start'])}, {c_date(r['end'])}, {hundredths(r['rate'])}, "
                     f"{c_string(td.decree_text(r['set_by']))}}},")
    lines += ["};", "", "constexpr std::array<int, 2> kBands[] = {"]
    lines += [f"    {{{a}, {b}}}," for a, b in bands]
    lines += ["};", "", "constexpr LifetimeCoefficients kTables[] = {"]
    for y in years:
        coefficients = ", ".join(str(hundredths(c)) for c in y["coefficients"])
        lines.append(f"    {{{y['year']}, {hundredths(y['rate'])}, {hundredths(y['legal'])}, "
                     f"{c_string(td.decree_text(y['decree']))}, {{{coefficients}}}}},")
    lines += [
        "};",
        "",
        "static_assert(std::size(kBands) == kAgeBands);",
        "",
        "}  // namespace",
        "",
        "std::span<const LegalRatePeriod> LegalRatePeriods() {",
        "  return kPeriods;",
        "}",
        "",
        "std::span<const std::array<int, 2>> AgeBands() {",
        "  return kBands;",
        "}",
        "",
        "std::span<const LifetimeCoefficients> LifetimeCoefficientTables() {",
        "  return kTables;",
        "}",
        "",
        "}  // namespace velmora",
        "",
    ]
    source = "\n".join(lines)
    # The same layout as the hand-written sources, wherever the file is written.
    try:
        source = subprocess.run(["clang-format", f"--assume-filename={DEFAULT_OUT}"],
                                input=source, capture_output=True, text=True,
                                check=True).stdout
    except FileNotFoundError:
        print("clang-format not found: the file is left unformatted", file=sys.stderr)
    with open(out, "w", encoding="utf-8", newline="\n") as f:
        f.write(source)


if __name__ == "__main__":
    main()
