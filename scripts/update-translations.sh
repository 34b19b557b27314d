#!/usr/bin/env bash
# Brings every catalogue (translations/speechviewer_*.ts) up to date with the
# texts of both windows and the libraries under them: texts new in the code
# come in unfinished, texts gone from it go. Then translate the unfinished
# ones (Qt Linguist, or any tool that takes .ts or, through lconvert, .po)
# and run the test catalogue_complete.
# Usage: scripts/update-translations.sh [FOLDER]   (FOLDER: where the .ts files are; translations/)
set -euo pipefail
folder=$(realpath "${1:-$(dirname "$0")/../translations}")
cd "$(dirname "$0")/.."
lupdate=$(command -v lupdate || true)
[ -x /usr/lib/qt6/bin/lupdate ] && lupdate=/usr/lib/qt6/bin/lupdate
[ -n "$lupdate" ] || { echo "lupdate is missing: scripts/install-deps.sh installs it (qt6-l10n-tools)" >&2; exit 1; }
# Every source but the generated tables; the English texts are marked with
# tr() (the Qt window) and SPEECH_TEXT / SPEECH_TEXT_N (everything else).
mapfile -t sources < <(find src -name '*.cpp' -o -name '*.h' | grep -vE 'case_folding_table|generated_code_pages|utf8_table' | sort)
for ts in "$folder"/speechviewer_*.ts; do
  language=${ts##*/speechviewer_}
  language=${language%.ts}
  [ -n "${SPEECH_QUIET:-}" ] || echo "==> $ts"
  "$lupdate" -silent -I src -tr-function-alias QT_TRANSLATE_NOOP+=SPEECH_TEXT,QT_TRANSLATE_N_NOOP+=SPEECH_TEXT_N \
    -locations none -no-obsolete -no-ui-lines -target-language "$language" "${sources[@]}" -ts "$ts"
done
