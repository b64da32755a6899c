#!/bin/sh
# Installs the Debian 12 packages the build, the tests and the demo need.
# Only what is missing is installed; as root on a fresh machine this is the
# whole setup.
set -eu

PACKAGES="build-essential cmake ninja-build qt6-base-dev libgtest-dev clang-format clang-tidy \
xvfb xauth x11-utils fonts-liberation2 qt6-translations-l10n \
libreoffice-writer-nogui poppler-utils zbar-tools zint libzint-dev imagemagick"

missing=""
for p in $PACKAGES; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done

if [ -n "$missing" ]; then
    echo "Installing:$missing"
    SUDO=""
    if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends $missing
fi
