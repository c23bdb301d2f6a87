#!/usr/bin/env bash
# Converts the workbook's text source into the .xls that ships beside the program:
#   ValutazioneAutomatica.fods -> ../companion/ValutazioneAutomatica.xls
# Needs LibreOffice Calc (soffice). A private profile lets it run as root and beside
# another soffice.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
out=${1:-$here/../companion}
profile=$(mktemp -d /tmp/lo-profile-XXXXXX)
trap 'rm -rf "$profile"' EXIT

soffice -env:UserInstallation="file://$profile" --headless --norestore \
  --convert-to xls:"MS Excel 97" --outdir "$out" "$here/ValutazioneAutomatica.fods"
test -s "$out/ValutazioneAutomatica.xls"
