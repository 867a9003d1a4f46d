#!/usr/bin/env bash
# Installs the Debian packages the project needs, only those that are missing.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-translations-l10n fonts-ipafont-gothic
    libgtest-dev libbenchmark-dev libcups2-dev libuchardet-dev
    libicu-dev libphonenumber-dev
)
if [ "${1:-}" = "--test" ]; then
    packages+=(xvfb xauth poppler-utils clang clang-tidy clang-format libclang-rt-14-dev)
    # The end-to-end print: a CUPS scheduler with a PDF printer.
    packages+=(cups printer-driver-cups-pdf)
    # The window's accessibility tree read over AT-SPI, on a D-Bus session of its own.
    packages+=(at-spi2-core python3-pyatspi dbus-daemon)
fi
# The benchmarks compare with Miller on the same files.
if [ "${1:-}" = "--bench" ]; then
    packages+=(miller)
fi
# What the package test needs to build, check and start the Debian package.
if [ "${1:-}" = "--package" ]; then
    packages+=(dpkg-dev file appstream desktop-file-utils xvfb xauth x11-utils)
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
