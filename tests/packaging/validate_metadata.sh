#!/usr/bin/env bash
# The menu entry and the AppStream metadata pass their validators with no error and no warning.
set -euo pipefail
packaging="$1"
# desktop-file-validate exits 0 on warnings; any line it prints is a finding.
findings="$(desktop-file-validate "$packaging/cz.vexa99.Vexa99.desktop" 2>&1)" || true
if [ -n "$findings" ]; then
    echo "$findings" >&2
    exit 1
fi
appstreamcli validate --no-net --strict "$packaging/cz.vexa99.Vexa99.metainfo.xml"
