#!/usr/bin/env bash
# Everything from a fresh Debian machine to a full test run.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${QUORVIAL_BUILD_DIR:-$top/build}
"$top/tools/install-packages.sh"
"$top/tools/build.sh"
QT_QPA_PLATFORM=offscreen ctest --test-dir "$build" --output-on-failure -j"$(nproc)" --timeout 300
