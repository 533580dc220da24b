#!/usr/bin/env bash
# Runs a Windows program under the tests' Wine; ctest's CMAKE_CROSSCOMPILING_EMULATOR. The
# program finds Qt's, SDL's and the compiler's DLLs through WINEPATH, which scripts/windows sets.
set -euo pipefail
. "$(dirname "$0")/wine_env.sh"
exec "$KQ_WINE" "$@"
