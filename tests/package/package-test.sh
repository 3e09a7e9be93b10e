#!/usr/bin/env bash
# package-test.sh BUILD VERSION: builds the package from BUILD with cpack,
# unpacks it with dpkg -x, checks its files and runs the installed programs.
# Exit 77 (skipped) without dpkg-deb.
set -euo pipefail
build=$1
version=$2
command -v dpkg-deb >/dev/null || exit 77
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
  echo "package test: $*" >&2
  exit 1
}

(cd "$build" && cpack -G DEB -B "$work/out" >/dev/null) || fail "cpack failed"
deb="$work/out/brambletop_${version}_amd64.deb"
[ -f "$deb" ] || fail "no $(basename "$deb") in $(ls "$work/out")"
control=$(dpkg-deb -f "$deb")
grep -q '^Package: brambletop$' <<<"$control" || fail "package name"
grep -q '^Depends:.*libsdl2' <<<"$control" || fail "no dependency on SDL: $control"

root="$work/root"
dpkg -x "$deb" "$root"
for file in usr/games/brambletop usr/bin/brambletop-scored \
  usr/share/brambletop/Game_Sprite/board240x320.spr usr/share/brambletop/Game_Sound \
  usr/share/brambletop/Game_Animation usr/share/brambletop/icon48.png \
  usr/share/icons/hicolor/16x16/apps/brambletop.png \
  usr/share/icons/hicolor/32x32/apps/brambletop.png \
  usr/share/icons/hicolor/48x48/apps/brambletop.png \
  usr/share/applications/brambletop.desktop usr/share/metainfo/brambletop.metainfo.xml \
  usr/share/man/man6/brambletop.6.gz usr/share/man/man8/brambletop-scored.8.gz \
  usr/lib/systemd/system/brambletop-scored.service usr/share/doc/brambletop/copyright; do
  [ -e "$root/$file" ] || fail "missing /$file"
done
grep -q '^Exec=brambletop$' "$root/usr/share/applications/brambletop.desktop" || fail "desktop Exec"
unit="$root/usr/lib/systemd/system/brambletop-scored.service"
grep -q '^ExecStart=/usr/bin/brambletop-scored .*--db /var/lib/brambletop/' "$unit" || fail "unit"
grep -q '^DynamicUser=yes$' "$unit" || fail "the service must run as a user of its own"
if [ -n "$(find "$root" -name '*.dat')" ]; then fail "data files in the package"; fi

# The installed game finds its art under /usr/share and keeps its files in
# the user's folder, never beside itself.
home="$work/home"
mkdir -p "$home"
cat >"$work/tour.txt" <<SCRIPT
wait 30
press Action
wait 12
shot $work/menu.png
SCRIPT
env -u XDG_DATA_HOME -u XDG_CONFIG_HOME -u XDG_RUNTIME_DIR HOME="$home" \
  "$root/usr/games/brambletop" --headless --script "$work/tour.txt" || fail "the game did not run"
[ -s "$work/menu.png" ] || fail "no screenshot"
[ -f "$home/.local/share/brambletop/settings.dat" ] || fail "settings not in the user's folder"
if [ -n "$(find "$root" -name '*.dat')" ]; then fail "the game wrote beside itself"; fi

status=0
"$root/usr/bin/brambletop-scored" --no-such-option 2>/dev/null || status=$?
[ "$status" -eq 2 ] || fail "brambletop-scored gave $status for a bad option"

if command -v lintian >/dev/null; then
  lintian --fail-on error "$deb" || fail "lintian reports errors"
fi
echo "package test: $(basename "$deb") passed"
