#!/usr/bin/env bash
# Builds the Debian package, unpacks it into a scratch root (dpkg -x) and starts
# the unpacked program as an ordinary user under Xvfb, up to the season window.
#
#   bash scripts/package-test.sh [--display :N] [--keep]
#
# Needs root (to create the test user "aeriton-test" when missing and to run
# the program as that user). Checks:
#   - the package holds the program folder /opt/aeriton (executables, manual,
#     delivered data files), the menu entry, the icon and the /usr/bin links,
#     and lists the Qt runtime packages among its dependencies;
#   - the unpacked aeriton-calc computes a study as the ordinary user;
#   - the unpacked program starts as that user from a program folder he cannot
#     write, shows the season window (screenshot), and writes its own files
#     into his data folder (~/.local/share/Aeriton), none into the program folder.
# The screenshot is left in build/package-test/season-window.png.
set -euo pipefail
cd "$(dirname "$0")/.."
top=$(pwd)

display=":97"
keep=0
while (($#)); do
  case "$1" in
    --display) display="$2"; shift 2 ;;
    --keep) keep=1; shift ;;
    *) echo "usage: $0 [--display :N] [--keep]" >&2; exit 2 ;;
  esac
done

if [ "$(id -u)" -ne 0 ]; then
  echo "package-test: run as root (creates the test user and runs the program as that user)" >&2
  exit 2
fi

fail() { echo "package-test: FAILED: $*" >&2; exit 1; }
step() { echo "== $*"; }

step "Building the release package"
bash scripts/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release
(cd build/release && rm -f aeriton_*.deb && cpack -G DEB >/dev/null)
deb=$(ls build/release/aeriton_*.deb)
echo "$deb"

step "Package contents and dependencies"
# Read whole first: grep -q leaving a pipe early would fail the pipeline.
info=$(dpkg-deb -I "$deb")
sed -n '/Depends:/p;/Recommends:/p' <<<"$info"
grep -q 'libqt6widgets6' <<<"$info" || fail "Qt Widgets missing from the dependencies"
grep -q 'qt6-qpa-plugins' <<<"$info" || fail "the Qt platform plugins missing from the dependencies"
listing=$(dpkg-deb -c "$deb")
for f in ./opt/aeriton/aeriton ./opt/aeriton/aeriton-calc ./opt/aeriton/Aeriton.pdf \
         ./usr/share/applications/aeriton.desktop \
         ./usr/share/icons/hicolor/scalable/apps/aeriton.svg; do
  grep -q " $f\$" <<<"$listing" || fail "$f not in the package"
done
grep -q ' ./usr/bin/aeriton -> /opt/aeriton/aeriton$' <<<"$listing" || fail "/usr/bin/aeriton link"
grep -q ' ./usr/bin/aeriton-calc -> /opt/aeriton/aeriton-calc$' <<<"$listing" || fail "/usr/bin/aeriton-calc link"
# Every delivered file beside the built executables must be in the program folder.
for f in build/release/Data.dat build/release/*.xlsx; do
  [ -e "$f" ] || continue
  grep -q " ./opt/aeriton/$(basename "$f")\$" <<<"$listing" || fail "$(basename "$f") not in the package"
done

step "Unpacking into a scratch root"
root=$(mktemp -d /tmp/aeriton-package-XXXXXX)
chmod 755 "$root"
xvfb_pid=""
wm_pid=""
app_pid=""
cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
  [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  if [ "$keep" -eq 0 ]; then rm -rf "$root"; else echo "scratch root kept: $root"; fi
}
trap cleanup EXIT
dpkg -x "$deb" "$root"
program="$root/opt/aeriton"
grep -q "^Exec=/opt/aeriton/aeriton$" "$root/usr/share/applications/aeriton.desktop" ||
  fail "the menu entry does not start /opt/aeriton/aeriton"
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$root/usr/share/applications/aeriton.desktop"
fi

step "The ordinary user"
user=aeriton-test
if ! id "$user" >/dev/null 2>&1; then
  useradd --create-home --shell /bin/bash "$user"
fi
home=$(getent passwd "$user" | cut -d: -f6)
rm -rf "$home/.local/share/Aeriton"
if runuser -u "$user" -- test -w "$program"; then
  fail "the test user can write the program folder; the test needs a read-only installation"
fi
before=$(cd "$program" && ls -A | sort)

step "aeriton-calc as $user"
study="$home/study.dat"
cp manual/examples/summer.dat "$study"
chown "$user": "$study"
runuser -u "$user" -- "$program/aeriton-calc" "$study" >/tmp/aeriton-package-calc.txt ||
  fail "aeriton-calc refused the example study"
head -n 5 /tmp/aeriton-package-calc.txt
# The chart table and the templates are read from the installation.
runuser -u "$user" -- env HOME="$home" XDG_RUNTIME_DIR=/tmp "$program/aeriton-calc" "$study" \
  --chart "$home/chart.png" --workbook "$home/study.xlsx" >/dev/null ||
  fail "aeriton-calc could not draw the chart or fill the workbook from the installation"
[ -s "$home/chart.png" ] && [ -s "$home/study.xlsx" ] || fail "no chart or workbook written"
echo "chart and workbook written from the installed Data.dat and templates"

step "The program as $user under Xvfb $display"
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
sleep 1
DISPLAY="$display" openbox >/dev/null 2>&1 &
wm_pid=$!
sleep 1
runtime="/tmp/aeriton-test-runtime"
mkdir -p "$runtime" && chown "$user": "$runtime" && chmod 700 "$runtime"
runuser -u "$user" -- env -i HOME="$home" USER="$user" PATH=/usr/bin:/bin DISPLAY="$display" \
  XDG_RUNTIME_DIR="$runtime" LANG=el_GR.UTF-8 LC_ALL=el_GR.UTF-8 "$program/aeriton" \
  >/tmp/aeriton-package-app.txt 2>&1 &
app_pid=$!
window=""
for _ in $(seq 1 60); do
  window=$(DISPLAY="$display" xdotool search --onlyvisible --name "Επιλογή Εποχής" 2>/dev/null | head -n 1 || true)
  [ -n "$window" ] && break
  kill -0 "$app_pid" 2>/dev/null || { cat /tmp/aeriton-package-app.txt; fail "the program ended"; }
  sleep 0.5
done
[ -n "$window" ] || fail "no season window"
sleep 1
mkdir -p build/package-test
DISPLAY="$display" import -window root build/package-test/season-window.png
echo "screenshot: build/package-test/season-window.png"

# The season window writes the remembered study folder: it must land in the
# user's data folder, and the program folder must stay as delivered.
for _ in $(seq 1 20); do
  [ -e "$home/.local/share/Aeriton/~orvo.psy" ] && break
  sleep 0.5
done
[ -e "$home/.local/share/Aeriton/~orvo.psy" ] || fail "no working files in $home/.local/share/Aeriton"
after=$(cd "$program" && ls -A | sort)
[ "$before" = "$after" ] || fail "the program wrote into its installation folder"
echo "working folder: $(ls -A "$home/.local/share/Aeriton" | tr '\n' ' ')"

kill "$app_pid" 2>/dev/null || true
app_pid=""
step "Package test passed"
