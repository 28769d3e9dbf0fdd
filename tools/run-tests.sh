#!/bin/sh
# Sets up a fresh Debian machine, builds OrvelMagDb and runs the whole test suite: every database
# test on an embedded SQLite database and, on a throwaway local PostgreSQL server started here,
# on PostgreSQL too. Pass --preset asan to run the sanitizer build instead of the default one.
set -eu
cd "$(dirname "$0")/.."
preset=default
[ "${1:-}" = "--preset" ] && preset=$2

tools/setup-debian.sh

pgdir=""
if [ -z "${ORVEL_TEST_PG:-}" ] && [ -x tools/pg-test-server.sh ]; then
    pgdir=$(mktemp -d /tmp/orvel-pg.XXXXXX)
    ORVEL_TEST_PG=$(tools/pg-test-server.sh start "$pgdir")
    export ORVEL_TEST_PG
    trap 'tools/pg-test-server.sh stop "$pgdir" >/dev/null 2>&1 || true; rm -rf "$pgdir"' EXIT
fi

cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"
ctest --preset "$preset" -j2
