#!/usr/bin/env bash
# Runs every test: installs what is missing, then builds and tests the core
# natively, under the sanitizers, and for Windows (the unit tests, the
# resource checks and the end-to-end tests, all under Wine).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
cmake --workflow --preset native
cmake --workflow --preset sanitize
cmake --workflow --preset win32
