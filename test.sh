#!/usr/bin/env bash
# Builds everything and runs every test (the locale-sensitive suites under C,
# es_ES.UTF-8 and ca_ES.UTF-8). Extra arguments go to ctest, e.g.
# ./test.sh -R Trace. The whole-binary runs (label "whole") are left to CI.
set -euo pipefail
source "$(dirname "$0")/scripts/setup.sh"

install_missing
ensure_locales
configure_and_build -DBUILD_TESTING=ON -DORVALIS_BENCHMARKS=ON ${CMAKE_EXTRA_ARGS:-}
cd "$BUILD_DIR"
export QT_QPA_PLATFORM=offscreen
ctest --output-on-failure --parallel "$(nproc)" -LE whole "$@"
