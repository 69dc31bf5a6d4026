#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package, installs it with apt into a fresh Debian 12 root
# made here, and uses the installed programs as an ordinary user would.
#   packaging/test-package.sh [BUILD_FOLDER [PACKAGE]]   (default: build; PACKAGE: a
#   .deb built before, tested instead of building one)
# Runs as root (through sudo otherwise). The Debian 12 base and the downloaded
# packages are kept under BUILD_FOLDER/packaging-test, so a rerun takes about
# a minute; each run still installs into a new root.
set -euo pipefail
# debootstrap and chroot need root: through sudo, as the other scripts do.
[ "$(id -u)" -ne 0 ] && exec sudo "$0" "$@"
cd "$(dirname "$0")/.."
build=${1:-build}
tools=(debootstrap appstream desktop-file-utils lintian)
missing=()
for p in "${tools[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
fi

if [ $# -ge 2 ]; then
  deb=$2
  mkdir -p "$build"
else
  packaging/build-package.sh "$build"
  debs=("$build"/tovimar_*_amd64.deb)
  deb=${debs[0]}
fi
version=$(dpkg-deb -f "$deb" Version)

passed=0
failed=0
check() { # check "what" command...
  local what=$1
  shift
  if "$@"; then
    echo "ok      $what"
    passed=$((passed + 1))
  else
    echo "ÉCHEC   $what"
    failed=$((failed + 1))
  fi
}

# The files that describe the program to the desktop and to software centres.
check "fichier .desktop valide" desktop-file-validate packaging/fr.tovimar.TovimarS.desktop
check "métadonnées AppStream valides" \
  appstreamcli validate --no-net packaging/fr.tovimar.TovimarS.metainfo.xml
check "la version des métadonnées est celle du paquet ($version)" \
  grep -q "<release version=\"$version\"" packaging/fr.tovimar.TovimarS.metainfo.xml
check "le journal des modifications du paquet commence par sa version ($version)" \
  bash -c "head -1 packaging/changelog | grep -q '^tovimar ($version) '"
# Debian's own checks of a package: an error fails the test; warnings and
# informations are shown for the reader.
lintian_log=$build/lintian.log
check "lintian ne trouve aucune erreur dans le paquet" \
  bash -c "lintian --fail-on error --display-info --no-tag-display-limit '$deb' >'$lintian_log' 2>&1"
sed 's/^/        lintian: /' "$lintian_log"
check "le paquet dépend des paquets Qt 6 de Debian 12" \
  bash -c "dpkg-deb -f '$deb' Depends | grep -q 'libqt6widgets6' &&
           dpkg-deb -f '$deb' Depends | grep -q 'libqt6sql6-sqlite'"

# A fresh Debian 12 root, from a cached minimal base.
work=$build/packaging-test
mkdir -p "$work/apt-archives"
base=$work/bookworm-minbase.tar
if [ ! -f "$base" ]; then
  rm -rf "$work/base"
  debootstrap --variant=minbase bookworm "$work/base" http://deb.debian.org/debian
  tar -C "$work/base" -cf "$base.part" . && mv "$base.part" "$base"
  rm -rf "$work/base"
fi
root=$(mktemp -d "$(realpath "$work")/root.XXXXXX")
cleanup() {
  mountpoint -q "$root/proc" && umount "$root/proc"
  rm -rf "$root"
}
trap cleanup EXIT
tar -C "$root" -xf "$base"
cp /etc/resolv.conf "$root/etc/resolv.conf"
mount -t proc proc "$root/proc"
cp -al "$work/apt-archives/." "$root/var/cache/apt/archives/" 2>/dev/null || true
cp "$deb" "$root/tmp/"

in_root() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 "$@"; }
as_user() {
  chroot --userspec=sage:sage "$root" env -i HOME=/home/sage PATH=/usr/bin:/bin LANG=C.UTF-8 \
    XDG_RUNTIME_DIR=/tmp/runtime-sage QT_QPA_PLATFORM=offscreen "$@"
}
in_root apt-get update -qq
# Without the recommended packages: what the package declares must be enough.
in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
  "/tmp/$(basename "$deb")" \
  >"$work/apt-install.log" 2>&1 || { tail -30 "$work/apt-install.log"; exit 1; }
cp -n "$root"/var/cache/apt/archives/*.deb "$work/apt-archives/" 2>/dev/null || true
in_root useradd --create-home sage
in_root install -d -o sage -g sage -m 700 /tmp/runtime-sage

check "tovimar-calc installé répond comme le programme" \
  bash -c "[ \"\$(chroot --userspec=sage:sage '$root' env -i HOME=/home/sage PATH=/usr/bin:/bin \
            tovimar-calc TERME_DEPUIS_DEBUT 31/05/2011)\" = 29/02/2012 ]"
check "tovimar-calc --verifier installé : tous les cas publiés concordent" \
  bash -c "chroot --userspec=sage:sage '$root' env -i HOME=/home/sage PATH=/usr/bin:/bin \
           tovimar-calc --verifier >/dev/null"
check "les manuels de tovimar et de tovimar-calc sont installés" \
  test -s "$root/usr/share/man/man1/tovimar.1.gz" -a -s "$root/usr/share/man/man1/tovimar-calc.1.gz"
check "l'entrée de menu et l'icône sont installées" \
  test -s "$root/usr/share/applications/fr.tovimar.TovimarS.desktop" -a \
  -s "$root/usr/share/icons/hicolor/48x48/apps/fr.tovimar.TovimarS.png" -a \
  -s "$root/usr/share/icons/hicolor/scalable/apps/fr.tovimar.TovimarS.svg"

# The program as a practitioner starts it: its folder is read-only for her,
# so what she changes is kept in her own data folder.
settings=$root/home/sage/.local/share/Tovimar/Tovimar-S
program_folder_before=$(ls -lA --time-style=+%s "$root/usr/lib/tovimar")
check "tovimar démarre pour un utilisateur ordinaire" \
  as_user tovimar --sans-accueil --quitter-apres-affichage
check "rien n'est écrit dans le dossier du programme" \
  test "$program_folder_before" = "$(ls -lA --time-style=+%s "$root/usr/lib/tovimar")"
# A change of hers survives a reinstall and a restart.
# (a save of hers goes to her own data folder)
chroot --userspec=sage:sage "$root" mkdir -p /home/sage/.local/share/Tovimar/Tovimar-S
printf '"Dr Essai","","","","","","","","",""\r\n' >"$settings/options.tvx"
chroot "$root" chown sage:sage "/home/sage/.local/share/Tovimar/Tovimar-S/options.tvx"
in_root apt-get install -y -qq --no-install-recommends --reinstall "/tmp/$(basename "$deb")" >>"$work/apt-install.log" 2>&1
check "tovimar redémarre après une réinstallation" \
  as_user tovimar --sans-accueil --quitter-apres-affichage
check "ses réglages survivent à la réinstallation" \
  grep -q "Dr Essai" "$settings/options.tvx"

echo "Paquet Debian : $passed vérifications réussies, $failed en échec."
[ "$failed" -eq 0 ]
