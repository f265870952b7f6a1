#!/bin/sh
# Installs every Debian package the build, the demo and the tests need.
# Does nothing when all of them are present already.
set -e
PACKAGES="g++ cmake make pkg-config qt6-base-dev libqt6sql6-sqlite libqt6sql6-psql libqt6sql6-odbc \
zlib1g-dev libsqlite3-dev libcurl4-openssl-dev libxlsxwriter-dev xvfb xauth python3-aiosmtpd \
poppler-utils unzip xdg-utils ccache qt6-translations-l10n clang-format"

missing=""
for p in $PACKAGES; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done
[ -z "$missing" ] && exit 0

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
echo "Installing:$missing"
$SUDO apt-get update -q
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q --no-install-recommends $missing
