#!/usr/bin/env bash
# Checks that every tracked C++ source is laid out as .clang-format says.
# With --fix, reformats them instead.
set -euo pipefail
cd "$(dirname "$0")/.."

mapfile -t sources < <(git ls-files '*.cpp' '*.hpp')
case ${1:-} in
  --fix) clang-format -i "${sources[@]}" ;;
  "") clang-format --dry-run --Werror "${sources[@]}" && echo "Formatting: ${#sources[@]} sources as .clang-format says." ;;
  *) echo "usage: $0 [--fix]" >&2; exit 2 ;;
esac
