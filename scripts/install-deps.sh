#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the tests and the tools need, when missing.
set -euo pipefail
packages=(cmake ninja-build g++ clang clang-format libclang-rt-14-dev libgtest-dev libgmock-dev libbenchmark-dev libboost-dev
          python3 python3-pil python3-ezdxf gdal-bin locales
          qt6-base-dev qt6-qpa-plugins libgl-dev libegl-dev xvfb xauth x11-utils xdotool fonts-dejavu-core)
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO=sudo
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
