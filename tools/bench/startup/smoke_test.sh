#!/bin/sh
# The start-up benchmark's smoke tests: the harness exits with STATUS after
# one round of each PROGRAM, and its output shows each STEP that the phase
# marks note on the way to the first frame (none asked for: no --phases).
# The folder that a failing run keeps is removed afterwards.
#
#   smoke_test.sh HARNESS STATUS "STEP..." PROGRAM...
harness=$1 status=$2 steps=$3
shift 3
phases=${steps:+--phases}
output=$("$harness" --rounds 1 --warmup 0 --timeout 30 $phases "$@")
got=$?
printf '%s\n' "$output"
kept=$(printf '%s\n' "$output" | sed -n 's/^Program output and the Xvfb log are in //p')
[ -z "$kept" ] || rm -rf "$kept"
if [ "$got" != "$status" ]; then
  echo "the harness ended with status $got, not $status"
  exit 1
fi
for program in "$@"; do
  name=$(basename "$program")
  for step in $steps; do
    printf '%s\n' "$output" | sed -n "/^$name, medians/,/^\$/p" | grep -q "^$step " || {
      echo "no step $step for $name"
      exit 1
    }
  done
done
