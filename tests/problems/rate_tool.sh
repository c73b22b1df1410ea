#!/bin/sh
# quorrel-problems rate: a rated line, an unsolvable one, bad lines answered in place.
out=$(printf '4 10 4 10 24\n3 3 8 8 24\n1 2 3\n1 2 3 14 6\n1 2 3 4 49\n1 x 3 4 6\n8 1 1 1 11\n' | "$1" rate)
want='4 10 4 10 24 6.54 5
3 3 8 8 24 unsolvable
error: expected four numbers and a target
error: numbers are 0 to 13
error: targets are 0 to 48
error: "x" is not a whole number
8 1 1 1 11 1.33 2'
[ "$out" = "$want" ] || { printf 'got:\n%s\n' "$out"; exit 1; }
