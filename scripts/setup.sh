#!/usr/bin/env bash
# Shared set-up of run.sh and test.sh: install what is missing from Debian's
# packages, generate the locales the tests use, then configure and build.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD_DIR="${BUILD_DIR:-$ROOT/build}"
PACKAGES=(g++ cmake make pkg-config qt6-base-dev libgl-dev libgtest-dev libgmock-dev
          libbenchmark-dev locales fonts-dejavu-core)
PACKAGES+=(fonts-liberation)  # the faces that stand for "MS Sans Serif" and "Arial"
PACKAGES+=(desktop-file-utils appstream file dpkg-dev)  # packaging checks and the .deb
PACKAGES+=(qt6-translations-l10n)  # Qt's dialogs in Spanish and Catalan
PACKAGES+=(qt6-svg-dev)  # Trayecta saves its graph as SVG
PACKAGES+=(poppler-utils)  # the tests read the handouts' PDFs
PACKAGES+=(qt6-l10n-tools qt6-tools-dev)  # lupdate and lrelease make the translations

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

install_missing() {
    local missing=()
    for p in "${PACKAGES[@]}" "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    if [ ${#missing[@]} -gt 0 ]; then
        echo "Installing: ${missing[*]}"
        as_root apt-get update -qq
        as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
    fi
}

ensure_locales() {
    for loc in es_ES ca_ES; do
        if ! locale -a 2>/dev/null | grep -qi "^${loc}\.utf-\?8$"; then
            echo "Generating locale ${loc}.UTF-8"
            as_root localedef -i "$loc" -c -f UTF-8 "${loc}.UTF-8"
        fi
    done
}

configure_and_build() {
    cmake -S "$ROOT" -B "$BUILD_DIR" "$@" >/dev/null
    cmake --build "$BUILD_DIR" --parallel "$(nproc)"
}

# build_program NAME: configures (plain, or as the folder already is) and
# builds just that program.
build_program() {
    cmake -S "$ROOT" -B "$BUILD_DIR" >/dev/null
    cmake --build "$BUILD_DIR" --parallel "$(nproc)" --target "$1"
}
