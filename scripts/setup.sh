#!/usr/bin/env bash
# Installs what the build needs on Debian 12 (only what is missing) and
# configures and builds the given build type into the given folder.
# Used by run.sh and test.sh; not meant to be called directly.
set -euo pipefail

packages=(cmake ninja-build g++ qt6-base-dev libjpeg62-turbo-dev libasound2-dev
          libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth fonts-dejavu-core
          clang libclang-rt-14-dev)

# ensure_packages [package...]: the build's packages, or the ones named.
ensure_packages() {
    local missing=() wanted=("$@")
    [ $# -eq 0 ] && wanted=("${packages[@]}")
    for p in "${wanted[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
}

# build_tree <folder> <cmake options...>
build_tree() {
    local dir=$1
    shift
    cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
    cmake --build "$dir" -j"$(nproc)"
}
