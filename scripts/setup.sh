#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing need.
# Runs apt-get only when a package is missing, so a second run does nothing.
# Usage: setup.sh [web | test]   (web: only what the web edition needs to build and
#        serve; test: also what the test command's Windows stage needs)
set -euo pipefail

# The web edition: emscripten (its optimiser needs node's acorn), a web server, the
# font subsetter (fonttools) and the SVG rasteriser for the site's font and icons, and
# for the browser tests node and npm with the three engines: Chromium, Firefox ESR and
# WebKitGTK's WebDriver with its MiniBrowser, which needs an X display (Xvfb) and whose
# clipboard the tests read with xclip.
web_packages=(
  cmake ninja-build python3
  emscripten node-acorn fonts-dejavu-core libstb-dev fonttools librsvg2-bin
)
web_test_packages=(chromium firefox-esr webkit2gtk-driver xvfb xclip)
# The Windows programs, built with MinGW-w64 (its POSIX thread model, which std::thread
# needs), tested under Wine (64-bit only) and packaged by NSIS; GoogleTest's sources are
# built with the cross compiler. Only the test command needs them.
windows_test_packages=(g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 wine wine64 nsis
  googletest)

# The sanitizers' run-time library is named after clang's version on Debian 12 and
# follows the release's own clang on Debian 13.
. /etc/os-release
if [ "${VERSION_ID:-}" = 12 ]; then
  clang_runtime=libclang-rt-14-dev
else
  clang_runtime=libclang-rt-dev
fi

if [ "${1:-}" = web ]; then
  packages=("${web_packages[@]}")
else
  packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-qpa-plugins libgl-dev libxcb1-dev libx11-dev
    libstb-dev libcli11-dev libgif-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xauth xdotool imagemagick x11-utils openbox
    fonts-dejavu-core
    scdoc dpkg-dev file desktop-file-utils appstream man-db librsvg2-bin lintian doxygen pandoc
    clang "$clang_runtime" clang-format clang-tidy
    "${web_packages[@]}" "${web_test_packages[@]}"
  )
  [ "${1:-}" = test ] && packages+=("${windows_test_packages[@]}")
fi
# A node and npm from elsewhere (nodesource) serve as well as Debian's.
command -v node >/dev/null || packages+=(nodejs)
command -v npm >/dev/null || packages+=(npm)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  sudo_cmd=(sudo)
fi
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
