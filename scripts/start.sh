#!/usr/bin/env bash
# Sets everything up and starts Tunepack.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh" "$root/build"
exec "$root/build/bin/Tunepack"
