#!/bin/sh
# Checks the package's desktop integration files in the folder given
# (packaging/) with Debian's own validators; any error, warning or remark
# fails.
# Without desktop-file-validate or appstreamcli the test is skipped (77)
# after running the rest; the other checks run where their tools are.
# Nothing is installed.

set -u
dir=${1:?usage: paquet_metadonnees.sh PACKAGING_DIR}
failed=0 missing=""

# check WHAT TOOL PACKAGE COMMAND...: fails on a status or any output but
# appstreamcli's line of success.
check() {
    what=$1 tool=$2 package=$3
    shift 3
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "not checked: $what ($tool, package $package)"
        missing="$missing $package"
        return
    fi
    if out=$("$@" 2>&1) && [ -z "$(printf '%s' "$out" | grep -v '^✔ Validation was successful')" ]; then
        echo "ok: $what"
    else
        echo "FAILED: $what"
        printf '%s\n' "$out" | sed 's/^/  /'
        failed=1
    fi
}

check zef.desktop desktop-file-validate desktop-file-utils desktop-file-validate "$dir/zef.desktop"
check metainfo appstreamcli appstream appstreamcli validate --no-net --no-color "$dir/com.pyxelharn.zef.metainfo.xml"
required=$missing
check changelog dpkg-parsechangelog dpkg-dev sh -c 'dpkg-parsechangelog -l "$1" >/dev/null' - "$dir/changelog"
check zef.6 groff groff-base groff -man -ww -z "$dir/zef.6"
# The machine-readable copyright format, parsed strictly, each licence with its text.
if /usr/bin/python3 -c 'import debian.copyright' 2>/dev/null; then
    check copyright /usr/bin/python3 python3-debian /usr/bin/python3 -W error -c '
import sys
from debian import copyright
with open(sys.argv[1]) as f:
    c = copyright.Copyright(f, strict=True)
texts = {p.license.synopsis for p in c.all_license_paragraphs()}
texts |= {p.license.synopsis for p in c.all_files_paragraphs() if p.license.text}
missing = {p.license.synopsis for p in c.all_files_paragraphs()} - texts
sys.exit("no text for " + ", ".join(sorted(missing)) if missing else None)
' "$dir/copyright"
else
    echo "not checked: copyright (package python3-debian)"
fi

[ $failed -eq 0 ] || exit 1
if [ -n "$required" ]; then
    echo "skipped: install$required"
    exit 77
fi
exit 0
