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
  dbus at-spi2-core python3-pyatspi"
missing=""
for p in $PACKAGES; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
echo "Installing:$missing"
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends $missing
