#!/usr/bin/env bash
# The catalogue is complete: brought up to date with the code's texts (in a
# copy), no language has a text unfinished or untranslated by lrelease's own
# count, and every translation keeps its English's placeholders, plural
# forms and accelerators.
# Usage: catalogue_test.sh LRELEASE
set -euo pipefail
source=$(realpath "$(dirname "$0")/../..")
copy=$(mktemp -d)
trap 'rm -rf "$copy"' EXIT
cp "$source"/translations/speechviewer_*.ts "$copy"/
SPEECH_QUIET=1 "$source/scripts/update-translations.sh" "$copy"
python3 "$source/scripts/catalogue.py" check "$1" "$copy"/speechviewer_*.ts
