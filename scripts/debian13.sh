#!/usr/bin/env bash
# The project on Debian 13 (trixie), from this machine: a clean clone of this repository in a
# Debian 13 root entered with chroot, where both README commands (scripts/tester.sh, and
# scripts/jouer.sh checked under Xvfb by scripts/essai-jouer.sh) and the package check
# (scripts/paquet.sh --verifier) run; then the data generated there is compared file by file
# (SHA-256) with this machine's build-test/run, when there is one. Runs as root (through sudo).
#
#   scripts/debian13.sh              the whole run, in the cached root (packages already there)
#   scripts/debian13.sh --neuf       the same in a fresh copy of the bare debootstrap root
#   scripts/debian13.sh --shell [COMMAND]   a shell in the root (mounts as for the run), or
#                                    COMMAND run there by bash, from /root/mirage
#
# The roots live outside the repository, in MIRAGE_CACHE_DEBIAN13 (default /var/cache/mirage):
# trixie-base, made once with debootstrap and never entered, and trixie, a copy of it that keeps
# the packages installed by earlier runs. /proc, /sys, /dev, /dev/pts and /dev/shm are mounted
# in the root (the sanitizers, Xvfb, emscripten and a headless browser need them) and
# unmounted on every way out.
set -euo pipefail
projet="$(cd "$(dirname "$0")/.." && pwd)"
cache="${MIRAGE_CACHE_DEBIAN13:-/var/cache/mirage}"
base="$cache/trixie-base"
racine="$cache/trixie"
miroir="${MIRAGE_MIROIR_DEBIAN:-http://deb.debian.org/debian}"
mode="${1:-}"
case "$mode" in "" | --neuf | --shell) ;; *) echo "usage: $0 [--neuf|--shell [COMMAND]]" >&2; exit 2 ;; esac
# debootstrap, mount and chroot need root. A machine that cannot give them (no sudo, a container
# without the right to mount) cannot run this: it says so and exits 77, which CI reports as a
# skip with that reason rather than a failure of the project.
if [ "$(id -u)" -ne 0 ]; then
    command -v sudo > /dev/null ||
        { echo "SKIPPED: the Debian 13 run needs root (debootstrap, mount, chroot) and there is no sudo here"; exit 77; }
    exec sudo "$0" "$@"
fi
command -v debootstrap > /dev/null || "$projet/scripts/installer-dependances.sh" debootstrap
mkdir -p "$cache"
sonde="$cache/sonde-montage"
mkdir -p "$sonde"
if ! mount -t tmpfs sonde "$sonde" 2> /dev/null; then
    rmdir "$sonde"
    echo "SKIPPED: the Debian 13 run cannot mount here (a container without CAP_SYS_ADMIN?): no root to enter"
    exit 77
fi
umount "$sonde"; rmdir "$sonde"
# One run at a time uses the root.
exec 9> "$cache/trixie.lock"
flock 9

temps() { printf '%dm%02ds' $(($1 / 60)) $(($1 % 60)); }
debut_total=$SECONDS
if [ ! -x "$base/usr/bin/apt-get" ]; then
    echo "== debootstrap trixie into $base"
    rm -rf "$base.tmp"
    debootstrap trixie "$base.tmp" "$miroir" > "$cache/debootstrap.log" 2>&1 ||
        { tail -20 "$cache/debootstrap.log"; echo "debian13.sh: debootstrap failed (log: $cache/debootstrap.log)" >&2; exit 1; }
    mv "$base.tmp" "$base"
fi
if [ "$mode" = --neuf ] || [ ! -x "$racine/usr/bin/apt-get" ]; then
    # Never through a mount left in the root (/dev, /sys of this machine).
    if awk -v r="$racine/" 'index($2, r) == 1 { found = 1 } END { exit !found }' /proc/mounts; then
        echo "debian13.sh: something is still mounted under $racine: unmount it first" >&2
        exit 1
    fi
    rm -rf --one-file-system "$racine"
    cp -a "$base" "$racine"
fi

montes=()
demonter() {
    local i
    for ((i = ${#montes[@]} - 1; i >= 0; i--)); do
        umount "${montes[i]}" 2> /dev/null || umount -l "${montes[i]}"
    done
    montes=()
}
trap demonter EXIT
trap 'exit 1' INT TERM HUP
for m in proc sys dev dev/pts dev/shm; do
    mkdir -p "$racine/$m"
    mountpoint -q "$racine/$m" && continue
    if [ "$m" = proc ]; then mount -t proc proc "$racine/proc"; else mount --bind "/$m" "$racine/$m"; fi
    montes+=("$racine/$m")
done
cp /etc/resolv.conf "$racine/etc/resolv.conf"
# The certificates this machine trusts, for npm inside (behind a proxy that re-signs TLS, Debian's
# own bundle in the root is not enough); apt there goes through plain HTTP and signed indexes.
cp /etc/ssl/certs/ca-certificates.crt "$racine/etc/mirage-ca-hote.crt"
# No daemon a package brings starts in the root.
printf '#!/bin/sh\nexit 101\n' > "$racine/usr/sbin/policy-rc.d"
chmod +x "$racine/usr/sbin/policy-rc.d"

dedans() {
    chroot "$racine" /usr/bin/env -i HOME=/root LANG=C.UTF-8 TERM="${TERM:-dumb}" \
        PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        NODE_EXTRA_CA_CERTS=/etc/mirage-ca-hote.crt npm_config_cafile=/etc/mirage-ca-hote.crt "$@"
}
if [ "$mode" = --shell ]; then
    [ $# -gt 1 ] || { dedans bash -l || true; exit 0; }
    shift
    dedans bash -c 'cd /root/mirage 2> /dev/null; eval "$*"' - "$@"
    exit
fi

# A clean clone of what is committed here, as a new user would get it.
rm -rf "$racine/root/mirage"
git clone -q "$projet" "$racine/root/mirage"
echo "== Debian 13 root $racine: $(cat "$racine/etc/debian_version"), clone of $(git -C "$projet" rev-parse --short HEAD)"

etape() {  # NAME COMMAND...: runs COMMAND in the clone inside the root, timed
    local nom="$1" d=$SECONDS
    shift
    echo "== [debian 13] $nom"
    dedans bash -c 'cd /root/mirage && "$@"' - "$@" || { echo "debian13.sh: FAIL: $nom" >&2; exit 1; }
    echo "== [debian 13] $nom: $(temps $((SECONDS - d)))"
}
etape "scripts/tester.sh" scripts/tester.sh
etape "scripts/jouer.sh under Xvfb" scripts/essai-jouer.sh
etape "scripts/paquet.sh --verifier" env DEB_BUILD_OPTIONS=nocheck scripts/paquet.sh --verifier

# The packages built on this machine (Debian 12, by scripts/paquet.sh) must install there too:
# apt-get resolves their dependencies against Debian 13's archive without installing them.
paquets_ici=("$projet"/build-paquet/mirage_*.deb "$projet"/build-paquet/mirage-data_*.deb)
if [ -e "${paquets_ici[0]}" ] && [ -e "${paquets_ici[1]}" ]; then
    mkdir -p "$racine/root/paquets-ici"
    rm -f "$racine"/root/paquets-ici/*.deb
    cp "${paquets_ici[@]}" "$racine/root/paquets-ici/"
    dedans bash -c 'apt-get install -s /root/paquets-ici/*.deb' > "$cache/paquets-ici.log" 2>&1 ||
        { tail -20 "$cache/paquets-ici.log"; echo "debian13.sh: FAIL: the packages built here cannot be installed on Debian 13" >&2; exit 1; }
    echo "== the packages built here install on Debian 13: $(grep -c '^Inst ' "$cache/paquets-ici.log") packages to install, dependencies included"
fi

# The generated data: the same bytes on both systems.
empreintes() { (cd "$1" && find Images Sound icones -type f -print0 | sort -z | xargs -0 sha256sum); }
ici="$projet/build-test/run"
if [ -d "$ici/Images" ]; then
    empreintes "$ici" > "$cache/donnees-debian12.sha256"
    empreintes "$racine/root/mirage/build-test/run" > "$cache/donnees-debian13.sha256"
    diff "$cache/donnees-debian12.sha256" "$cache/donnees-debian13.sha256" ||
        { echo "debian13.sh: FAIL: the generated data differs between this system and Debian 13" >&2; exit 1; }
    echo "== the $(wc -l < "$cache/donnees-debian13.sha256") generated files are the same bytes on both systems"
else
    echo "== no $ici here (run scripts/tester.sh first): the generated data was not compared"
fi
echo "== Debian 13 run passed in $(temps $((SECONDS - debut_total)))"
