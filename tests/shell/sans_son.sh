#!/usr/bin/env bash
# Without a usable sound device the game ends with status 1 before showing
# anything.
set -uo pipefail
zef=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
printf 'pcm.!default { type hw card 99 }\n' > "$work/.asoundrc"
cd "$work"
HOME="$work" timeout 20 xvfb-run -a -s "-screen 0 640x480x16" "$zef" >/dev/null 2>&1
status=$?
[ "$status" = 1 ] || { echo "exit status without sound: $status (expected 1)"; exit 1; }
echo "no sound device: exit status 1"
