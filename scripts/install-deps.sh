#!/bin/sh
# Installs the Debian packages the game needs to build, run and test, and
# any further packages named on the command line.
# Only missing packages are installed, so a second run takes a moment.
set -eu

PACKAGES="build-essential cmake pkg-config qt6-base-dev libxcb1-dev libjpeg62-turbo-dev \
fonts-dejavu-core libgtest-dev libbenchmark-dev xvfb xauth xdotool imagemagick \
openbox x11-utils wmctrl clang-format qt6-translations-l10n"
# Extra packages for one command (the fuzz target needs clang's runtime).
PACKAGES="$PACKAGES $*"
# The validators of the menu entry, the file type and the software-centre
# metadata, run by the installation test.
PACKAGES="$PACKAGES desktop-file-utils appstream shared-mime-info"

missing=""
for p in $PACKAGES; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done

if [ -z "$missing" ]; then
    exit 0
fi

echo "Kuruluyor:$missing"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then
    SUDO="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update
# shellcheck disable=SC2086
$SUDO apt-get install -y --no-install-recommends $missing
