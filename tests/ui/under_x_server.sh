#!/bin/sh
# Runs a window test program on a fresh X server of its own, without any window
# manager. Exits 77 (ctest: skipped) when xvfb-run is not installed.
if ! command -v xvfb-run >/dev/null 2>&1; then
  echo "xvfb-run is not installed (Debian package xvfb): skipping $1"
  exit 77
fi
QT_QPA_PLATFORM=xcb exec xvfb-run -a -s '-screen 0 1280x1024x24' "$@"
