#!/usr/bin/env bash
# Checks that every tracked C++ source is laid out as .clang-format says, and
# names the ones that are not. With --fix, reformats them instead.
set -euo pipefail
cd "$(dirname "$0")/.."

mapfile -t sources < <(git ls-files '*.cpp' '*.hpp')
case ${1:-} in
  --fix) clang-format -i "${sources[@]}" ;;
  "")
    if ! clang-format --dry-run --Werror "${sources[@]}" 2>/dev/null; then
      for f in "${sources[@]}"; do
        clang-format --dry-run --Werror "$f" 2>/dev/null || echo "not formatted: $f" >&2
      done
      echo "Run 'bash scripts/check-format.sh --fix' to lay these sources out as .clang-format says." >&2
      exit 1
    fi
    echo "Formatting: ${#sources[@]} sources as .clang-format says."
    ;;
  *) echo "usage: $0 [--fix]" >&2; exit 2 ;;
esac
