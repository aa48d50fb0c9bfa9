#!/usr/bin/env bash
# Installs every Debian 12 package the project needs to build, test and run.
# Idempotent: packages already present are left alone. Runs as root, or through sudo.
set -euo pipefail

packages=(
  # toolchain
  g++ cmake ninja-build pkgconf
  # windows, and the force diagram as SVG
  qt6-base-dev libgl-dev qt6-svg-dev
  # tests and benchmarks
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  # reading the PDF report back (pdfinfo, pdftotext, pdfimages)
  poppler-utils
  # command-line tool
  libcli11-dev nlohmann-json3-dev
  # fonts standing in for the two named fonts of the results window
  fonts-liberation fonts-comic-neue fontconfig
  # running the windows without a display, and looking at them
  xvfb xauth xdotool imagemagick
  # the Debian package and its desktop files, made and checked by the tests
  dpkg-dev file appstream desktop-file-utils shared-mime-info
  # fuzzing with libFuzzer (scripts/fuzz.sh)
  clang libclang-rt-14-dev
)

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
