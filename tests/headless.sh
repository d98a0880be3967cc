#!/usr/bin/env bash
# Runs a program with a virtual X server and a silent ALSA device, so that
# the library's system driver, timers and sound come up on a machine without
# a screen or a sound card.
set -uo pipefail
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
printf 'pcm.!default { type null }\n' > "$home/.asoundrc"
HOME="$home" xvfb-run -a -s "-screen 0 640x480x16" "$@"
