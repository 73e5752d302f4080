#!/usr/bin/env bash
# Installs every Debian package that building, testing and running the game needs.
# Quiet and quick when everything is already there.
#
#   tools/install-deps.sh            what ./run.sh and ./test.sh need
#   tools/install-deps.sh --checks   also clang with its sanitizer and fuzzer runtimes, for the
#                                    checked build and the fuzz targets, and clang-format for
#                                    the house format, and valgrind for the instruction
#                                    budget (.ci/run)
set -euo pipefail

packages=(
    cmake g++ ninja-build pkg-config
    qt6-base-dev qt6-multimedia-dev
    libjpeg-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xauth fonts-dejavu-core
)
if [ "${1:-}" = "--checks" ]; then
    packages+=(clang libclang-rt-dev llvm clang-format valgrind)
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

sudo_cmd=""
if [ "$(id -u)" -ne 0 ]; then sudo_cmd="sudo"; fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo_cmd apt-get -o DPkg::Lock::Timeout=600 update -qq
$sudo_cmd apt-get -o DPkg::Lock::Timeout=600 install -y -qq --no-install-recommends "${missing[@]}"
