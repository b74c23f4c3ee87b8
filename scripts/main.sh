#!/usr/bin/env bash
# Builds the library and runs the example program, which writes its
# pictures to out/.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset default
cmake --build --preset default --target vxfmx_example
mkdir -p out
build/default/examples/vxfmx_example out
