#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, those that are
# missing: the compiler, CMake, Ninja, GoogleTest, and for the inclusions
# program CLI11 (command line) and libcsv (tables). Needs root (or sudo) only
# when something is missing.
#
# Usage: tools/install_packages.sh
set -euo pipefail
packages=(g++ cmake ninja-build libgtest-dev libcli11-dev libcsv-dev)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "installing: ${missing[*]}"
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -q
"${sudo[@]}" apt-get install -y -q "${missing[@]}"
