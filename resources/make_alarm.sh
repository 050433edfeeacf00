#!/usr/bin/env bash
# Remakes alarm.mp3: a 1.5 s two-tone alarm (needs sox and lame from Debian).
set -euo pipefail
cd "$(dirname "$0")"
tmp=$(mktemp --suffix=.wav)
trap 'rm -f "$tmp"' EXIT
sox -n -r 22050 -c 1 "$tmp" synth 0.25 sine 880 synth 0.25 sine 660 : synth 0.25 sine 880 \
  : synth 0.25 sine 660 : synth 0.25 sine 880 : synth 0.25 sine 660 vol 0.6
lame --quiet -b 64 "$tmp" alarm.mp3
