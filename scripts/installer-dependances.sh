#!/usr/bin/env bash
# Installs the Debian 12 packages that building, generating the data and testing need.
# Uses sudo when not root. Safe to run again: packages already there are kept.
set -euo pipefail
paquets=(
  build-essential cmake pkg-config
  libsdl1.2-dev libsdl-image1.2-dev libsdl-mixer1.2-dev
  libpng-dev libfreetype-dev libvorbis-dev libogg-dev
  fonts-dejavu-core fonts-terminus espeak-ng
  googletest libgtest-dev libbenchmark-dev
  xvfb xdotool imagemagick time
)
manquants=()
for p in "${paquets[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || manquants+=("$p")
done
if [ ${#manquants[@]} -eq 0 ]; then
  echo "All required packages are installed."
  exit 0
fi
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
echo "Installing: ${manquants[*]}"
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${manquants[@]}"
