#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The program's files on a real full disk: mounts a small tmpfs, then
#  - runs the "FullDisk" window tests on it: every kind of file (settings,
#    printed page in PDF, chart in PDF and SVG, copy of a database) written on
#    the filled disk keeps the previous file byte for byte and says "le disque
#    est plein"; a postal change on it is refused and the base stays whole;
#  - runs the "OrdinaryUser" window tests as nobody: a fresh installation's
#    postal change lands in the user's own copy, read-only files and folders
#    say so;
#  - starts the real program from a program folder on the filled disk: it
#    starts, removes the temporary file of a killed save, keeps the one of a
#    copy still running, and leaves every settings file as it was.
# Mounting, and running as nobody, need root: otherwise, and where mounting is
# refused, it says it skipped and succeeds. Takes a few seconds.
#   scripts/test-full-disk.sh [build folder, default build]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
if [ "$(id -u)" -ne 0 ]; then
    echo "== Disque plein (tmpfs) : ignoré, il faut être root pour monter un tmpfs"
    exit 0
fi
disk=$(mktemp -d)
if ! mount -t tmpfs -o size=8m,mode=1777 tmpfs "$disk" 2>/dev/null; then
    rmdir "$disk"
    echo "== Disque plein (tmpfs) : ignoré, le montage d'un tmpfs est refusé ici"
    exit 0
fi
holder=
cleanup() {
    [ -n "$holder" ] && kill "$holder" 2>/dev/null
    umount "$disk" && rmdir "$disk"
}
trap cleanup EXIT
export QT_QPA_PLATFORM=offscreen LC_ALL=fr_FR.UTF-8

echo "== Disque plein (tmpfs de 8 Mio) : chaque fichier écrit sur le disque rempli"
TOVIMAR_DISQUE_PLEIN="$disk" "$build/tests/ui_tests" --gtest_filter='FullDisk.*' --gtest_brief=1

echo "== Copie installée, utilisateur ordinaire : dossiers et fichiers qu'il ne peut pas écrire"
if id nobody >/dev/null 2>&1; then
    user_home=$(mktemp -d)
    chmod 0777 "$user_home"
    tests=$(realpath "$build/tests/ui_tests")
    su nobody -s /bin/sh -c "HOME='$user_home' TMPDIR='$user_home' QT_QPA_PLATFORM=offscreen \
        LC_ALL=fr_FR.UTF-8 '$tests' --gtest_filter='OrdinaryUser.*' --gtest_brief=1"
    rm -rf "$user_home"
else
    echo "   ignoré : pas d'utilisateur nobody"
fi

echo "== Disque plein : le programme démarre sur son dossier rempli"
program="$disk/programme"
mkdir -p "$program" "$disk/maison"
cp "$build"/term.tvx "$build"/options.tvx "$build"/tarifs.tvx "$build"/Codespost.mdb "$program"/
# A killed save (its process is gone) and a save under way in another copy
# (its process runs and holds the file locked).
dead="$program/.tovimar-term.tvx-999999999-0"
printf '"moitié' >"$dead"
sleep 120 &
holder=$!
live="$program/.tovimar-options.tvx-$holder-0"
printf '"en cours' >"$live"
sums=$(cd "$program" && sha256sum term.tvx options.tvx tarifs.tvx Codespost.mdb)
head -c 100M /dev/zero >"$disk/remplissage" 2>/dev/null || true
HOME="$disk/maison" XDG_DATA_HOME= timeout 60 "$build/tovimar" --dossier "$program" \
    --sans-accueil --quitter-apres-affichage
failed=0
[ ! -e "$dead" ] || { echo "ÉCHEC : le fichier temporaire d'une sauvegarde interrompue est resté"; failed=1; }
[ -e "$live" ] || { echo "ÉCHEC : le fichier temporaire d'une autre copie en cours a été supprimé"; failed=1; }
(cd "$program" && echo "$sums" | sha256sum --quiet -c -) || { echo "ÉCHEC : un fichier a changé"; failed=1; }
if command -v sqlite3 >/dev/null; then
    [ "$(sqlite3 "$program/Codespost.mdb" 'PRAGMA integrity_check')" = ok ] ||
        { echo "ÉCHEC : Codespost.mdb n'est plus intègre"; failed=1; }
fi
rm -f "$disk/remplissage"
[ $failed -eq 0 ] && echo "== Disque plein : réussi"
exit $failed
