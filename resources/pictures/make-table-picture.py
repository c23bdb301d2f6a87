#!/usr/bin/env python3
"""Writes tabella2016.svg, the picture of the lifetime-usufruct coefficients in force from
1 January 2016, from the data files in resources/data.

The picture is 731 x 598 pixels; make-pictures.sh turns the SVG into the PNGs.
"""

import os
import sys
from datetime import date
from xml.sax.saxutils import escape

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
import tabledata  # noqa: E402

YEAR = 2016
WIDTH, HEIGHT = 731, 598
FONT = "Liberation Sans, Arial, DejaVu Sans, sans-serif"

# Advance widths of Liberation Sans (Arial metrics) in thousandths of an em, for wrapping.
_NARROW = {**dict.fromkeys("ijl'|", 222), **dict.fromkeys("ft .,:;!/()[]°-", 278), "r": 333,
           "m": 833, "w": 722, "M": 833, "W": 944, "%": 889, "I": 278}
_CAPS = 667


def text_width(text, size, bold=False):
    total = 0
    for ch in text:
        if ch in _NARROW:
            w = _NARROW[ch]
        elif ch.isupper():
            w = _CAPS
        else:
            w = 556
        total += w
    return total * size / 1000 * (1.06 if bold else 1.0)


def wrap(text, size, width):
    lines, line = [], ""
    for word in text.split():
        candidate = f"{line} {word}".strip()
        if line and text_width(candidate, size) > width:
            lines.append(line)
            line = word
        else:
            line = candidate
    return lines + [line]


def text(x, y, content, size, anchor="start", weight="normal", style="normal", fill="#000000"):
    return (f'<text x="{x}" y="{y}" font-family="{FONT}" font-size="{size}" '
            f'font-weight="{weight}" font-style="{style}" text-anchor="{anchor}" '
            f'fill="{fill}">{escape(content)}</text>')


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "tabella2016.svg")
    bands, years = tabledata.lifetime_table()
    row = next(y for y in years if y["year"] == YEAR)
    legal = tabledata.legal_rate_on(date(YEAR, 1, 1))
    if legal["rate"] != row["rate"]:
        raise ValueError("the coefficients of the year do not use the legal rate of the year")
    rate = tabledata.it_number(row["rate"])

    parts = [f'<svg xmlns="http://www.w3.org/2000/svg" width="{WIDTH}" height="{HEIGHT}" '
             f'viewBox="0 0 {WIDTH} {HEIGHT}">',
             f'<rect width="{WIDTH}" height="{HEIGHT}" fill="#ffffff"/>']

    parts.append(text(WIDTH / 2, 32, "Tabella sinottica sul calcolo dell'usufrutto", 22,
                      anchor="middle", weight="bold", fill="#1a3c7a"))
    parts.append(f'<rect x="40" y="41" width="{WIDTH - 80}" height="1.5" fill="#1a3c7a"/>')

    paragraph = (
        f"Con {tabledata.decree_text(legal['set_by'])} il saggio degli interessi "
        f"legali è stato fissato allo {rate}% annuo. Con "
        f"{tabledata.decree_text(row['decree'])} sono stati adeguati i "
        "coefficienti per la determinazione dei diritti di usufrutto a vita e delle rendite "
        "o pensioni vitalizie, di cui al prospetto allegato al D.P.R. 26 aprile 1986, n. 131, "
        "insieme con la tabella dei coefficienti, per tutti gli atti a decorrere dal "
        f"{tabledata.long_date(date(YEAR, 1, 1))}.")
    size, leading, left = 13, 17, 30
    y = 64
    for line in wrap(paragraph, size, WIDTH - 2 * left - 10):
        parts.append(text(left, y, line, size))
        y += leading

    y += 10
    parts.append(text(WIDTH / 2, y, "PROSPETTO DEI COEFFICIENTI", 16, anchor="middle",
                      weight="bold", fill="#1a3c7a"))
    y += 19
    parts.append(text(WIDTH / 2, y, f"al tasso di interesse dello {rate}%", 13.5,
                      anchor="middle", style="italic"))

    # the table: age band, coefficient (lavender), usufruct % (green), bare ownership % (orange)
    columns = [
        (190, "#f2f2f2", "#d9d9d9", ["Età del beneficiario"]),
        (130, "#e6e6fa", "#c9c3f0", ["Coefficiente"]),
        (140, "#d4f5d0", "#a9e3a2", ["Valore Usufrutto", "(%)"]),
        (150, "#ffe0b8", "#ffc47f", ["Valore N. Proprietà", "(%)"]),
    ]
    table_w = sum(c[0] for c in columns)
    x0 = (WIDTH - table_w) / 2
    top = y + 10
    head_h = 36
    row_h = (HEIGHT - 8 - top - head_h) / len(bands)
    row_h = min(row_h, 21)
    cells = [[tabledata.band_text(b), tabledata.it_number(c), tabledata.it_number(u),
              tabledata.it_number(n)]
             for b, c, u, n in zip(bands, row["coefficients"], row["usufruct"], row["bare"])]

    x = x0
    for width, body, head, caption in columns:
        parts.append(f'<rect x="{x}" y="{top}" width="{width}" height="{head_h}" fill="{head}"/>')
        parts.append(f'<rect x="{x}" y="{top + head_h}" width="{width}" '
                     f'height="{row_h * len(cells):.2f}" fill="{body}"/>')
        if len(caption) == 1:
            parts.append(text(x + width / 2, top + 23, caption[0], 13, "middle", "bold"))
        else:
            parts.append(text(x + width / 2, top + 15, caption[0], 13, "middle", "bold"))
            parts.append(text(x + width / 2, top + 30, caption[1], 12, "middle", "bold"))
        x += width

    for i, values in enumerate(cells):
        base = top + head_h + row_h * i + row_h / 2 + 4.5
        x = x0
        for (width, *_), value in zip(columns, values):
            parts.append(text(x + width / 2, f"{base:.2f}", value, 13, "middle",
                              "bold" if x == x0 else "normal"))
            x += width

    # grid lines
    bottom = top + head_h + row_h * len(cells)
    lines = [f'<line x1="{x0}" y1="{top}" x2="{x0 + table_w}" y2="{top}"/>',
             f'<line x1="{x0}" y1="{top + head_h}" x2="{x0 + table_w}" y2="{top + head_h}"/>']
    for i in range(1, len(cells) + 1):
        yy = top + head_h + row_h * i
        lines.append(f'<line x1="{x0}" y1="{yy:.2f}" x2="{x0 + table_w}" y2="{yy:.2f}"/>')
    x = x0
    for width, *_ in [(0,)] + columns:
        x += width
        lines.append(f'<line x1="{x}" y1="{top}" x2="{x}" y2="{bottom:.2f}"/>')
    parts.append('<g stroke="#5a5a7a" stroke-width="1">' + "".join(lines) + "</g>")
    parts.append(f'<rect x="{x0}" y="{top}" width="{table_w}" height="{bottom - top:.2f}" '
                 'fill="none" stroke="#2b2b4a" stroke-width="2"/>')
    parts.append("</svg>")

    if bottom > HEIGHT - 4:
        raise ValueError(f"the table ends at {bottom:.0f}, below the picture")
    with open(out, "w", encoding="utf-8") as f:
        f.write('<?xml version="1.0" encoding="UTF-8"?>\n'
                "<!-- Generated by make-table-picture.py from resources/data; do not edit. -->\n")
        f.write("\n".join(parts) + "\n")


if __name__ == "__main__":
    main()
