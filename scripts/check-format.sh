#!/usr/bin/env bash
# Checks that every C++ file of the tree is formatted as .clang-format says;
# names the files that are not. Fix them with:
#   git ls-files '*.cpp' '*.h' | xargs clang-format -i
set -euo pipefail
cd "$(dirname "$0")/.."
echo "==> Checking the C++ formatting"
unformatted=()
while IFS= read -r file; do
  if ! clang-format --dry-run --Werror "$file" >/dev/null 2>&1; then unformatted+=("$file"); fi
done < <(git ls-files '*.cpp' '*.h')
if [ ${#unformatted[@]} -gt 0 ]; then
  echo "These files are not formatted as .clang-format says:" >&2
  printf '  %s\n' "${unformatted[@]}" >&2
  echo "Format them with: clang-format -i FILE..." >&2
  exit 1
fi
