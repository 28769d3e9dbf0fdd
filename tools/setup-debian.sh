#!/bin/sh
# Installs, from Debian's archive, what building and testing OrvelMagDb needs: the compiler and
# build tools, GoogleTest and Google Benchmark, unixODBC with the SQLite and PostgreSQL drivers,
# the PostgreSQL server (for the server-side tests), the locales the display tests use and libxml2
# (the electronic invoice is written and validated with it; xmllint checks a file by hand).
set -eu
packages="g++ cmake ninja-build pkg-config git libgtest-dev libbenchmark-dev unixodbc unixodbc-dev
libsqliteodbc odbc-postgresql postgresql locales libxml2-dev libxml2-utils"
missing=""
for p in $packages; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
    SUDO=""
    [ "$(id -u)" -ne 0 ] && SUDO=sudo
    export DEBIAN_FRONTEND=noninteractive
    $SUDO apt-get update -qq
    # shellcheck disable=SC2086
    $SUDO apt-get install -y -qq --no-install-recommends $missing
fi

# The Italian locale, for the tests of numbers shown in the user's format ("4,5").
if ! locale -a 2>/dev/null | grep -qi '^it_IT\.utf-\?8$'; then
    SUDO=""
    [ "$(id -u)" -ne 0 ] && SUDO=sudo
    $SUDO localedef -i it_IT -f UTF-8 it_IT.UTF-8 || echo "warning: could not generate it_IT.UTF-8" >&2
fi
