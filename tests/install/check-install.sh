#!/bin/sh
# Installs the built tree into a scratch prefix, runs the installed command-line host from there
# with no library path set, and builds a host program against the prefix twice: once with
# find_package(OrvelMagDb) and once with pkg-config. Each program must run and print what it
# computed. Arguments: cmake, build dir, consumer source dir, C++ compiler, sanitize|plain.
set -eu
cmake=$1 build=$2 consumer=$3 cxx=$4 mode=$5
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix

"$cmake" --install "$build" --prefix "$prefix" >/dev/null

pcdir=$(find "$prefix" -name orvelmagdb.pc -printf '%h\n' | head -n 1)
version=$(PKG_CONFIG_PATH="$pcdir" pkg-config --modversion orvelmagdb)

# The installed host finds the installed library on its own, and reads the installed settings.
out=$(env -u LD_LIBRARY_PATH "$prefix/bin/orvelmag" version) || { echo "the installed orvelmag does not run"; exit 1; }
echo "installed orvelmag: $out"
[ "$out" = "$version" ] || { echo "the installed orvelmag reports $out, the package $version"; exit 1; }
conf=$(find "$prefix" -name default.conf | head -n 1)
env -u LD_LIBRARY_PATH -u ORVELMAG_CONFIG "$prefix/bin/orvelmag" config | grep -qx "# configuration read from $conf" ||
    { echo "the installed orvelmag does not read the installed settings"; exit 1; }

flags=""
[ "$mode" = sanitize ] && flags="-fsanitize=address,undefined"

# Host built with the CMake package.
"$cmake" -S "$consumer" -B "$work/cmake-build" -G Ninja -DCMAKE_PREFIX_PATH="$prefix" \
    -DCMAKE_CXX_COMPILER="$cxx" -DCMAKE_CXX_FLAGS="$flags" >/dev/null
"$cmake" --build "$work/cmake-build" >/dev/null
out=$(LD_LIBRARY_PATH="$prefix/lib:${LD_LIBRARY_PATH:-}" "$work/cmake-build/consumer")
echo "cmake host: $out"
[ "$out" = "ok 12.35 2026-02-28 7" ] || { echo "unexpected output from the CMake-built host"; exit 1; }

# Host built with pkg-config.
cflags=$(PKG_CONFIG_PATH="$pcdir" pkg-config --define-variable=prefix="$prefix" --cflags orvelmagdb)
libs=$(PKG_CONFIG_PATH="$pcdir" pkg-config --define-variable=prefix="$prefix" --libs orvelmagdb)
# shellcheck disable=SC2086
"$cxx" $flags $cflags "$consumer/main.cpp" -o "$work/pc-host" $libs
out=$(LD_LIBRARY_PATH="$prefix/lib:${LD_LIBRARY_PATH:-}" "$work/pc-host")
echo "pkg-config host: $out"
[ "$out" = "ok 12.35 2026-02-28 7" ] || { echo "unexpected output from the pkg-config-built host"; exit 1; }
