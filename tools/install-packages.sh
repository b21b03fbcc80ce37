#!/usr/bin/env bash
# Installs the Debian packages the build, the demo and the tests need.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev libgl-dev libqt6sql6-sqlite libqt6sql6-odbc
  unixodbc-dev tdsodbc libsqlite3-dev sqlite3
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  poppler-utils
)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get update
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
