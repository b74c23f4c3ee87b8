#!/usr/bin/env bash
# Builds the library and its programs and runs the gallery, which draws
# every picture into out/ and writes the page out/index.html.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset default
cmake --build --preset default --target vxgallery vxpath
build/default/tools/vxgallery out/
