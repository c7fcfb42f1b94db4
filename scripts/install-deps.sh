#!/bin/sh
# Installs the Debian packages the launcher needs to build, test and run its demo.
# Only missing packages are installed, so a second run takes a moment.
set -eu

PACKAGES="
cmake
ninja-build
g++
pkg-config
qtbase5-dev
qttools5-dev
qttools5-dev-tools
libarchive-dev
libicu-dev
zlib1g-dev
libgtest-dev
libarchive-tools
zstd
xz-utils
gzip
xvfb
xauth
fonts-wqy-microhei
fonts-dejavu-core
util-linux
procps
time
python3
"

missing=""
for p in $PACKAGES; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done

[ -n "$missing" ] || exit 0

if [ "$(id -u)" -eq 0 ]; then
    SUDO=""
else
    SUDO="sudo"
fi

echo "Installing:$missing"
$SUDO env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=300 update -qq
# shellcheck disable=SC2086
$SUDO env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=300 \
    install -y -qq --no-install-recommends $missing
