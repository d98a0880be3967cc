#!/usr/bin/env bash
# Installs what the game needs from Debian, builds it, generates its data,
# then starts the game:      ./zef.sh
# or runs the test suite:    ./zef.sh test
# or builds the Debian package (build/paquet/zef_<version>_amd64.deb): ./zef.sh paquet
set -euo pipefail
cd "$(dirname "$0")"

build_packages=(
  build-essential cmake pkg-config
  liballegro4-dev libx11-dev libenet-dev libfreetype-dev libmpg123-dev libcairo2-dev
  libgtest-dev googletest libbenchmark-dev
  fonts-dejavu-core fonts-league-spartan fonts-bebas-neue fonts-lobster
  x11-utils   # message boxes
  espeak-ng   # the announcer's voice, spoken at build time
)
test_packages=(xvfb xauth imagemagick xdotool sox clang libclang-rt-14-dev valgrind
  lintian desktop-file-utils appstream)   # the package's checks

install_missing() {
  local missing=()
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  echo "Installing: ${missing[*]}"
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
}

build() {
  cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
  cmake --build build -j"$(nproc)"
}

case "${1:-play}" in
  play)
    install_missing "${build_packages[@]}"
    build
    cd data
    exec ../build/src/zef
    ;;
  test)
    install_missing "${build_packages[@]}" "${test_packages[@]}"
    build
    echo "== Benchmarks (figures only)"
    build/tests/zef_bench --benchmark_min_time=0.05
    echo "== Tests"
    # Two at a time; what runs in real time (the game under a virtual X
    # server) runs alone.
    ctest --test-dir build --output-on-failure -j"$(nproc)"
    ;;
  paquet)
    install_missing "${build_packages[@]}"
    build
    cpack --config build/CPackConfig.cmake -B build/paquet
    ;;
  *)
    echo "usage: $0 [play|test|paquet]" >&2
    exit 2
    ;;
esac
