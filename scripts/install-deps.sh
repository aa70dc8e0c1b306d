#!/bin/sh
# Installs the Debian packages the build, the tests and the program need, and only those
# that are missing, so a second run costs a fraction of a second.
set -e
PACKAGES="cmake make g++ pkg-config \
  qt6-base-dev qt6-base-dev-tools libqt6opengl6-dev libgl-dev libglu1-mesa-dev libx11-dev \
  libgtest-dev libgmock-dev libbenchmark-dev clang clang-format libclang-rt-14-dev \
  xvfb xauth xdotool imagemagick fonts-dejavu-core desktop-file-utils dpkg-dev \
  lintian appstream shared-mime-info xdg-utils libfile-mimeinfo-perl \
  libavcodec-dev libavformat-dev libavutil-dev libswscale-dev qt6-charts-dev qt6-svg-dev \
  ffmpeg lammps openmpi-bin python3-ase python3-mdanalysis zlib1g-dev \
  dbus at-spi2-core python3-pyatspi qt6-l10n-tools qt6-translations-l10n locales"
missing=""
for p in $PACKAGES; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
if [ -n "$missing" ]; then
  echo "Installing:$missing"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends $missing
fi
# A German locale for the tests that write files under it: they must not change a byte.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  echo "Generating the locale de_DE.UTF-8"
  $SUDO localedef -i de_DE -f UTF-8 de_DE.UTF-8
fi
