#!/bin/sh
# Sets up a fresh Debian machine, builds OrvelMagDb and runs the demo of the command-line host.
set -eu
cd "$(dirname "$0")/.."
tools/setup-debian.sh
cmake --preset default >/dev/null
cmake --build --preset default --target orvelmag
exec build/default/orvelmag config
