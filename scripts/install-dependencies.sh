#!/usr/bin/env bash
# Installs the Debian 12 packages the project needs. Without arguments: what
# building and running the programs needs (scripts/run.sh). With --tests: also
# what the tests, benchmarks, package checks and fuzzing need (scripts/test.sh).
# Idempotent: packages already present are left alone. Runs as root, or through sudo.
#
# usage: install-dependencies.sh [--tests]
set -euo pipefail

# Building and running the programs.
run_packages=(
  # toolchain
  g++ cmake ninja-build pkgconf
  # windows, and the force diagram as SVG
  qt6-base-dev libgl-dev qt6-svg-dev
  # command-line tool
  libcli11-dev nlohmann-json3-dev
  # names compared as Unicode text (NFC) and their widths in a table
  libicu-dev
  # fonts standing in for the two named fonts of the results window
  fonts-liberation fonts-comic-neue fontconfig
  # man pages, turned into roff at build time
  scdoc
)

# Testing, on top of the above.
test_packages=(
  # tests and benchmarks
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  # running the windows without a display, and looking at them
  xvfb xauth xdotool imagemagick
  # the Debian package and its desktop files, made and checked by the tests
  dpkg-dev file appstream desktop-file-utils shared-mime-info lintian
  # reading the PDF report back (pdfinfo, pdftotext, pdfimages)
  poppler-utils
  # the house style of the sources (scripts/check-format.sh)
  clang-format
  # fuzzing with libFuzzer (scripts/fuzz.sh)
  clang libclang-rt-14-dev
)

packages=("${run_packages[@]}")
case ${1:-} in
  --tests) packages+=("${test_packages[@]}") ;;
  "") ;;
  *) echo "usage: $0 [--tests]" >&2; exit 2 ;;
esac

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if ((${#missing[@]} == 0)); then
  echo "All ${#packages[@]} packages are installed."
  exit 0
fi

as_root=()
[[ $(id -u) -eq 0 ]] || as_root=(sudo)
echo "Installing: ${missing[*]}"
"${as_root[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
