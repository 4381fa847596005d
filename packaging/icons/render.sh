#!/bin/sh
# Renders talvo.svg to the PNG sizes of the hicolor theme (run after changing the drawing;
# the PNGs are committed so a build needs no SVG renderer).
set -eu
cd "$(dirname "$0")"
for size in 16 22 24 32 48 64 128 256; do
  mkdir -p "hicolor/${size}x${size}/apps"
  rsvg-convert -w "$size" -h "$size" talvo.svg -o "hicolor/${size}x${size}/apps/talvo.png"
done
