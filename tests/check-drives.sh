#!/usr/bin/env bash
# Every drive recorded in DRIVES reaches the end it recorded, checked as --check checks it.
#   check-drives.sh PROGRAM DRIVES
set -uo pipefail
status=0
for drive in "$2"/*.drive; do
    printf '%s: ' "$(basename "$drive")"
    "$1" --play "$drive" --check || status=1
done
exit $status
