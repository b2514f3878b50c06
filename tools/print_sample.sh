#!/usr/bin/env bash
# Renders page 1 of a printed 40-row letter list into docs/print-page.png.
#
# The Qt print test writes the PDF (through the same surface the program prints with) when
# VELMAROK_SAMPLE_PDF names a file; pdftoppm (Debian package poppler-utils) turns its first
# page into the picture. Needs a built tree: cmake --preset default && cmake --build --preset default
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD_DIR:-build}
command -v pdftoppm >/dev/null || { echo "pdftoppm missing: apt-get install poppler-utils" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
VELMAROK_SAMPLE_PDF="$work/print-page.pdf" QT_QPA_PLATFORM=offscreen \
    "$build/tests/tst_qtprinter" fortyRowsToPdf >/dev/null
pdftoppm -png -r 100 -f 1 -l 1 -singlefile "$work/print-page.pdf" docs/print-page
echo "docs/print-page.png"
