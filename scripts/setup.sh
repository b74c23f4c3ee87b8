#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the examples need.
# Idempotent: does nothing when everything is present. Run as root.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config
  libcairo2-dev libpango1.0-dev libfontconfig-dev libglib2.0-dev
  libpng-dev
  fonts-dejavu-core adwaita-icon-theme
  fonts-dejavu-extra fonts-liberation2
  libgtest-dev libgmock-dev libbenchmark-dev
  python3 chromium
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
