#!/bin/bash
# Brings up a local CUPS with a cups-pdf queue "VelmoraPDF" as the default
# printer, writing its PDFs under /var/spool/cups-pdf/<user>. Run as root;
# running it again changes nothing.
set -euo pipefail

queue=VelmoraPDF
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
conf=/etc/cups/cups-pdf.conf
out_dir=/var/spool/cups-pdf

# Exits 77, as a skipped test does, where it cannot run at all.
if [[ $(id -u) -ne 0 ]]; then
  echo "SKIP: cups-setup.sh needs root"
  exit 77
fi
for tool in cupsd lpadmin lpstat lpoptions cupsenable cupsaccept; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
[[ -f $ppd ]] || ppd=$(find /usr/share/ppd -iname 'CUPS-PDF*.ppd' | sort | head -n 1)
[[ -n $ppd && -f $ppd ]] || { echo "SKIP: no cups-pdf driver"; exit 77; }

# A known output folder: every user's PDFs under one spool folder.
if [[ -f $conf ]] && ! grep -q "^Out $out_dir/\${USER}\$" "$conf"; then
  sed -i -e '/^Out[[:space:]]/d' "$conf"
  echo "Out $out_dir/\${USER}" >>"$conf"
fi
mkdir -p "$out_dir"

if ! lpstat -r 2>/dev/null | grep -q 'is running'; then
  mkdir -p /run/cups
  cupsd
  for _ in $(seq 50); do
    lpstat -r 2>/dev/null | grep -q 'is running' && break
    sleep 0.2
  done
fi
lpstat -r | grep -q 'is running' || { echo "cups-setup.sh: cupsd did not start" >&2; exit 1; }

if ! lpstat -p "$queue" >/dev/null 2>&1; then
  lpadmin -p "$queue" -v cups-pdf:/ -E -P "$ppd"
fi
cupsenable "$queue" 2>/dev/null || true
cupsaccept "$queue" 2>/dev/null || true
lpoptions -d "$queue" >/dev/null
echo "cups-setup.sh: queue $queue ready, output in $out_dir"
