#!/usr/bin/env bash
# Installs the Debian packages Quorrel needs that are missing; does nothing when all are there.
# Usage: scripts/deps.sh build|test|web|webtest
set -euo pipefail

# build: what the game needs to build and run (gettext compiles the message catalogs).
build_packages=(cmake g++ make pkg-config libsdl2-dev libsdl2-ttf-dev libpng-dev libvorbis-dev
                libfontconfig-dev fonts-liberation2 fonts-dejavu-core gettext)
# test: the test suite, the real-window and install checks, the Debian package's checks, the
# format check, the random-input run, the fuzz targets and the help catalogs' check; locales
# gives localedef the character maps it makes the decimal-comma locale from.
test_packages=(libgtest-dev gettext locales xvfb xdotool imagemagick pocketsphinx pocketsphinx-en-us
               desktop-file-utils appstream groff-base dpkg-dev file lintian
               python3 clang-format clang-14 libclang-rt-14-dev libfuzzer-14-dev)

# web: the browser edition's build (emscripten, with Debian's acorn for Node.js, and the stb
# headers); webtest: the browser and the driver it tests the site with.
web_packages=(emscripten nodejs node-acorn libstb-dev cmake make python3 gettext)
webtest_packages=("${web_packages[@]}" chromium chromium-driver python3-selenium)

case "${1:-build}" in
    test) wanted=("${build_packages[@]}" "${test_packages[@]}") ;;
    web) wanted=("${web_packages[@]}") ;;
    webtest) wanted=("${webtest_packages[@]}") ;;
    *) wanted=("${build_packages[@]}") ;;
esac

missing=()
for package in "${wanted[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
if [ ${#missing[@]} -eq 0 ]; then
    echo "deps: all ${#wanted[@]} packages are installed"
    exit 0
fi

sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
echo "deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
