#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package: built from the build folder by CPack, its dependencies declared, lintian
# silent about it, unpacked into a temporary root, and the programs from that root run (the game
# on the offscreen platform, ended by SIGTERM once it is up, which writes its profile).
#   package_test.sh <build-folder> <hardened: 1, or 0 for a sanitizer build, which cannot be>
set -eu
build_dir=$1
hardened=${2:-1}
work=$(mktemp -d)
trap 'kill "$game" 2>/dev/null || true; rm -rf "$work"' EXIT
game=

failed=0
fail() { echo "FAIL: $*"; failed=1; }

cpack --config "$build_dir/CPackConfig.cmake" -B "$work/out" >/dev/null
deb=$(find "$work/out" -maxdepth 1 -name 'zormade_*.deb')
[ -n "$deb" ] || { echo "FAIL: cpack made no zormade_*.deb"; exit 1; }

depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6widgets6 libqt6gui6 libqt6core6 libc6 fonts-ipafont-gothic fonts-liberation libqt6charts6; do
  echo "$depends" | grep -q "\\b$package\\b" || fail "Depends lacks $package: $depends"
done
[ "$(dpkg-deb -f "$deb" Package)" = zormade ] || fail "the package is not named zormade"
dpkg-deb --ctrl-tarfile "$deb" | tar -t | grep -Eq 'postinst|postrm|triggers' &&
  fail "the package has maintainer scripts or triggers: $(dpkg-deb --ctrl-tarfile "$deb" | tar -t | tr '\n' ' ')"

# lintian's own checks, the pedantic and informational ones too; as root it needs to be told it may.
# A sanitizer build has no hardening to show; everything else is asked of it as of a release.
unhardened=""
[ "$hardened" = 1 ] ||
  unhardened="--suppress-tags hardening-no-bindnow,hardening-no-fortify-functions,hardening-no-pie,hardening-no-relro"
lintian_status=0
# shellcheck disable=SC2086
lintian --allow-root --fail-on error,warning,info,pedantic --pedantic --display-info $unhardened "$deb" \
  >"$work/lintian" 2>&1 || lintian_status=$?
[ "$lintian_status" -eq 0 ] || fail "lintian (status $lintian_status): $(cat "$work/lintian")"
# Tags lintian only shows, without failing on them.
[ ! -s "$work/lintian" ] || fail "lintian: $(cat "$work/lintian")"

root=$work/root
dpkg-deb -x "$deb" "$root"
for file in usr/games/zormade usr/games/zormade-replay usr/share/applications/org.zormade.zormade.desktop \
            usr/share/icons/hicolor/256x256/apps/org.zormade.zormade.png \
            usr/lib/games/zormade/zormade-charts.so usr/share/doc/zormade/copyright \
            usr/share/doc/zormade/changelog.gz usr/share/man/man6/zormade.6.gz \
            usr/share/man/ja/man6/zormade.6.gz; do
  [ -f "$root/$file" ] || fail "$file is not in the package"
done

replayed=$(printf 'turn 10 0 0 0 0 0\n' | "$root/usr/games/zormade-replay" | head -n 1)
[ "$replayed" = "1991/01 4992 1500000 8 1820 200 450 0 -" ] || fail "zormade-replay printed '$replayed'"

# A process is up once the kernel lists SIGTERM (15, bit 14) among the signals it catches.
catches_term() {
  mask=$(sed -n 's/^SigCgt:[[:space:]]*//p' "/proc/$1/status" 2>/dev/null)
  [ -n "$mask" ] && [ $(( 0x$mask >> 14 & 1 )) -eq 1 ]
}
mkdir -p "$work/config"
QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work \
  "$root/usr/games/zormade" 2>"$work/stderr" &
game=$!
tries=0
until catches_term "$game"; do
  tries=$((tries + 1))
  if [ "$tries" -gt 100 ] || ! kill -0 "$game" 2>/dev/null; then
    fail "the installed game did not come up: $(cat "$work/stderr")"
    break
  fi
  sleep 0.1
done
kill -TERM "$game" 2>/dev/null || true
status=0
wait "$game" || status=$?
game=
[ "$status" -eq 0 ] || fail "the installed game ended with status $status"
profile=$work/config/zormade/zormade.ini
if [ -f "$profile" ]; then
  keys=$(grep -c '=' "$profile")
  [ "$keys" -eq 13 ] || fail "the profile holds $keys keys, not 13"
else
  fail "the installed game wrote no profile"
fi

[ "$failed" -eq 0 ] && echo "installed from $(basename "$deb"): $(cd "$root" && find . -type f | sort | tr '\n' ' ')"
exit "$failed"
