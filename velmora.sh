#!/usr/bin/env bash
# Sets up, builds and runs Velmora on a Debian 12 machine.
#   ./velmora.sh run    install what is missing, build, open the window (or, without
#                       a display, replay the sample figure in the console)
#   ./velmora.sh test   install what is missing, build with warnings as errors, run every test
#   ./velmora.sh test-sanitized   the same under AddressSanitizer + UndefinedBehaviorSanitizer
set -euo pipefail
cd "$(dirname "$0")"

packages=(cmake g++ make libgtest-dev libgmock-dev libbenchmark-dev
          libxlsxwriter-dev libdxflib-dev libxml2-dev unzip
          qt6-base-dev fonts-arphic-uming fonts-wqy-zenhei fonts-noto-cjk fonts-dejavu-core poppler-utils xvfb xauth
          clang-14 libclang-rt-14-dev
          dpkg-dev
          file
          lintian
          man-db
          desktop-file-utils
          appstream
          libfmt-dev
          libfontconfig-dev
          qt6-translations-l10n
          qt6-svg-dev
          cups
          printer-driver-cups-pdf)

install_missing_packages() {
  local missing=()
  for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
}

build() {  # build DIR [cmake options...]
  local dir=$1
  shift
  cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
  cmake --build "$dir" -j "$(nproc)"
}

run_tests() {  # run_tests DIR
  QT_QPA_PLATFORM=offscreen ctest --test-dir "$1" --output-on-failure -j "$(nproc)"
}

case "${1:-}" in
  run)
    install_missing_packages
    build build
    if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -x build/app/velmora/velmora ]; then
      exec build/app/velmora/velmora
    fi
    exec build/app/velmora-cli/velmora-cli --replies examples/sample-figure.txt compute print
    ;;
  test)
    install_missing_packages
    build build -DVELMORA_WERROR=ON
    run_tests build
    ;;
  test-sanitized)
    install_missing_packages
    build build-sanitized -DVELMORA_WERROR=ON -DVELMORA_SANITIZE=ON -DVELMORA_BUILD_BENCHMARKS=OFF
    run_tests build-sanitized
    ;;
  *)
    echo "usage: ./velmora.sh run | test | test-sanitized" >&2
    exit 64
    ;;
esac
