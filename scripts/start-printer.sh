#!/usr/bin/env bash
# Starts CUPS (without systemd) with a cups-pdf queue named PDF as the default
# printer, for the printing tests. Printed pages land as PDF files in
# $HOME/PDF/ of the printing user. Does nothing when a default printer exists.
set -euo pipefail

if lpstat -d 2>/dev/null | grep -q "system default destination: PDF"; then
  exit 0
fi
if [ "$(id -u)" -ne 0 ]; then
  echo "start-printer: needs root to start cupsd" >&2
  exit 1
fi
if ! lpstat -r 2>/dev/null | grep -q "is running"; then
  /usr/sbin/cupsd
  for _ in $(seq 1 100); do
    lpstat -r 2>/dev/null | grep -q "is running" && break
    sleep 0.1
  done
fi
lpadmin -p PDF -E -v cups-pdf:/ -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd \
  -o pdftops-renderer-default=pdftocairo
lpadmin -d PDF
lpstat -d
