#!/usr/bin/env bash
# The companion workbook computes the full-ownership value from cadastral incomes, and its
# total cell shows a plain number that the value field of the program accepts.
#
# Usage: workbook.sh <velmora executable> <scratch dir>
# Needs LibreOffice Calc (soffice) and python3; exits 77 (skipped) without soffice.
set -euo pipefail

exe=${1:?velmora executable}
scratch=${2:?scratch dir}
here=$(cd "$(dirname "$0")" && pwd)
source_xls=$here/../../resources/companion/ValutazioneAutomatica.xls

if ! command -v soffice >/dev/null 2>&1; then
  echo "SKIP: soffice (LibreOffice Calc) is not installed; cannot open the workbook"
  exit 77
fi

rm -rf "$scratch"
mkdir -p "$scratch"
profile=$(mktemp -d /tmp/lo-profile-$$-XXXXXX)
trap 'rm -rf "$profile"' EXIT

lo() { # convert <file> <filter> into the scratch dir
  soffice -env:UserInstallation="file://$profile" --headless --norestore \
    --convert-to "$2" --outdir "$scratch" "$1" >"$scratch/soffice.log" 2>&1 ||
    { cat "$scratch/soffice.log"; return 1; }
}
# comma-separated, UTF-8, cells as they are shown
CSV='csv:Text - txt - csv (StarCalc):44,34,76,1,,0,false,true,true'

# The program opens the copy in its own folder: it must be the committed workbook.
program_xls=$(dirname "$exe")/ValutazioneAutomatica.xls
if [ -e "$program_xls" ]; then
  cmp "$source_xls" "$program_xls" ||
    { echo "FAIL: the program folder holds another workbook"; exit 1; }
fi

cp "$source_xls" "$scratch/shipped.xls"

check() { # csv file, then the expected rendite per category row and the expected total
  python3 - "$@" <<'EOF'
import csv, sys
from decimal import ROUND_HALF_UP, Decimal

path, total_expected = sys.argv[1], Decimal(sys.argv[-1])
rendite = [Decimal(r) for r in sys.argv[2:-1]]
# combined factor of each category row: (1 + revaluation) x multiplier
factors = [Decimal(f) for f in ("115.5", "126", "147", "63", "42.84", "112.5")]

def number(text):
    """Reads a cell as the program's value field would: '€', '.' groups, ',' decimals."""
    t = text.replace("€", "").replace("\u00a0", " ").strip().replace(".", "").replace(",", ".")
    return Decimal(t)

rows = list(csv.reader(open(path, encoding="utf-8")))
failures = []
head = next(i for i, r in enumerate(rows) if r and r[0] == "Categoria catastale")
for k, (factor, rendita) in enumerate(zip(factors, rendite)):
    row = rows[head + 1 + k]
    got_factor, got_value = number(row[4]), number(row[5])
    if got_factor != factor:
        failures.append(f"{row[0]}: factor {row[4]!r}, expected {factor}")
    if got_value != (rendita * factor).quantize(Decimal("0.01"), ROUND_HALF_UP):
        failures.append(f"{row[0]}: value {row[5]!r}, expected {rendita * factor}")

total_rows = [r for r in rows if r and r[0].startswith("VALORE PIENA PROPRIETÀ - copiare questa cella")]
if len(total_rows) != 1:
    failures.append(f"{len(total_rows)} total rows, expected 1")
else:
    shown = total_rows[0][5]
    if "€" in shown or " " in shown.strip():
        failures.append(f"total {shown!r} is not a plain number")
    elif number(shown) != total_expected:
        failures.append(f"total {shown!r}, expected {total_expected}")
for f in failures:
    print("FAIL:", f)
sys.exit(1 if failures else 0)
EOF
}

passed=0 failed=0
result() {
  if [ "$2" = 0 ]; then
    echo "ok: $1"; passed=$((passed + 1))
  else
    echo "FAILED: $1"; failed=$((failed + 1))
  fi
}

# 1. The shipped sample: rendita 1.000,00 on the first home, 0 elsewhere.
lo "$scratch/shipped.xls" "$CSV"
rc=0; check "$scratch/shipped.csv" 1000 0 0 0 0 0 115500 || rc=$?
result "the shipped workbook values a first home of rendita 1.000,00 at 115.500,00" $rc

# 2. Other incomes in every row: the formulas compute, not just the stored results.
lo "$scratch/shipped.xls" fods
python3 - "$scratch/shipped.fods" "$scratch/typed.fods" <<'EOF'
import re, sys
src, dst = sys.argv[1], sys.argv[2]
text = open(src, encoding="utf-8").read()
incomes = iter(["1234.56", "500", "200", "3000", "1500", "80.25"])

def retype(cell):
    # the input cells are the only unprotected ones: give each a new income
    return re.sub(r'office:value="[^"]*"', f'office:value="{next(incomes)}"', cell, count=1)

style = re.search(r'<style:style style:name="(ce\d+)"[^>]*>(?:(?!</style:style>).)*'
                  r'style:cell-protect="none"', text, re.S)
if not style:
    sys.exit("no input cell style found")
cell = re.compile(r'<table:table-cell table:style-name="%s"[^>]*?(?:/>|>.*?</table:table-cell>)'
                  % style[1], re.S)
text, count = cell.subn(lambda m: retype(m[0]), text)
if count != 6:
    sys.exit(f"{count} input cells, expected 6")
# drop the stored results, so that every formula is computed on loading
text = re.sub(r'(<table:table-cell[^>]*table:formula="[^"]*")([^>]*?)(/?)>',
              lambda m: m[1] + re.sub(r'\s(office:value|office:value-type|calcext:value-type)='
                                      r'"[^"]*"', "", m[2]) + m[3] + ">", text)
open(dst, "w", encoding="utf-8").write(text)
EOF
lo "$scratch/typed.fods" "$CSV"
# 1234,56 x 115,5 + 500 x 126 + 200 x 147 + 3000 x 63 + 1500 x 42,84 + 80,25 x 112,5
rc=0; check "$scratch/typed.csv" 1234.56 500 200 3000 1500 80.25 497279.81 || rc=$?
result "typed incomes in every category add up to the total" $rc

echo "$passed passed, $failed failed"
[ "$failed" = 0 ]
