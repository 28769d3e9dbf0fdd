#!/bin/sh
# Sets up a fresh Debian machine, builds OrvelMagDb and runs the demo of the command-line host on
# an embedded SQLite database (build/demo/orvelmag.db, made anew each run): the configuration, a
# new shop database, the Italian VAT codes, and their list.
set -eu
cd "$(dirname "$0")/.."
tools/setup-debian.sh
cmake --preset default >/dev/null
cmake --build --preset default --target orvelmag
orvelmag=$(pwd)/build/default/orvelmag
rm -rf build/demo
mkdir -p build/demo
cd build/demo

step() { printf '\n$ orvelmag %s\n' "$*"; "$orvelmag" "$@"; }

step config
step init
step vat add 22 22 "Aliquota ordinaria" --till 1
step vat add 10 10 "Aliquota ridotta" --till 2
step vat add 5 5 "Aliquota ridotta (5%)" --till 3
step vat add 4 4 "Aliquota minima" --till 4
step vat add N4 0 "Esente art. 10 DPR 633/72" --note "operazioni esenti"
step vat list
step vat show 22
