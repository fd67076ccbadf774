#!/usr/bin/env bash
# Sets everything up and runs every test through CTest.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh" "$root/build"
ctest --test-dir "$root/build" --output-on-failure -j "$(nproc)"
