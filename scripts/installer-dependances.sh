#!/usr/bin/env bash
# Installs the Debian 12 or 13 packages that building, generating the data and testing need,
# SDL2 among them for the test run on sdl12-compat (which scripts/sdl12-compat.sh unpacks into
# the build directory on Debian 12, never installs; on Debian 13 libsdl1.2-dev brings
# sdl12-compat itself as the system's SDL 1.2); given package names, installs those instead
# (the package scripts use it for their tools). Uses sudo when not root. Safe to run again:
# packages already there are kept.
#   scripts/installer-dependances.sh [PACKAGE...]
set -euo pipefail
paquets=(
  build-essential cmake pkg-config
  libsdl1.2-dev libsdl-image1.2-dev libsdl-mixer1.2-dev
  libpng-dev libfreetype-dev libvorbis-dev libogg-dev
  fonts-dejavu-core fonts-terminus espeak-ng
  googletest libgtest-dev libbenchmark-dev
  xvfb xauth xdotool x11-xserver-utils imagemagick time
  libsdl2-2.0-0
)
[ $# -gt 0 ] && paquets=("$@")
manquants=()
for p in "${paquets[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || manquants+=("$p")
done
# The package lists must know libsdl1.2-compat for scripts/sdl12-compat.sh to download it
# (on Debian 13 a transitional package: the library is libsdl1.2debian there, installed).
listes_a_jour=1
apt-cache show libsdl1.2-compat > /dev/null 2>&1 || listes_a_jour=0
if [ ${#manquants[@]} -eq 0 ] && [ "$listes_a_jour" -eq 1 ]; then
  echo "All required packages are installed."
  exit 0
fi
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
"${sudo_cmd[@]}" apt-get update -qq
[ ${#manquants[@]} -eq 0 ] && exit 0
echo "Installing: ${manquants[*]}"
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${manquants[@]}"
