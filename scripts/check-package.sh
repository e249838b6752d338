#!/usr/bin/env bash
# Builds the Debian package, checks its contents and metadata, then installs it
# on a fresh Debian 12 root made with debootstrap (only the package's declared
# dependencies come along) and starts it there as an ordinary user: it must
# stay up, create its database in the user's data folder and write nothing
# into /usr/bin.
#
# Needs root (debootstrap, chroot, mount). The root folder is kept between
# runs to save the download; DORVEX_FRESH_ROOT=1 makes a new one.
#
#   BUILD_DIR   build folder for the package        (default build-deb)
#   ROOT_DIR    the Debian 12 root                  (default /tmp/dorvex-bookworm)
#   MIRROR      Debian mirror                       (default http://deb.debian.org/debian)
set -euo pipefail
cd "$(dirname "$0")/.."

BUILD_DIR=${BUILD_DIR:-build-deb}
ROOT_DIR=${ROOT_DIR:-/tmp/dorvex-bookworm}
MIRROR=${MIRROR:-http://deb.debian.org/debian}
USER_NAME=trader
DATA_REL=.local/share/Quilmar/Dorvex

step() { printf '\n== %s\n' "$*"; }
fail() { printf 'FAIL: %s\n' "$*" >&2; exit 1; }
ok() { printf 'ok: %s\n' "$*"; }

[ "$(id -u)" -eq 0 ] || fail "run as root (debootstrap, chroot and mount need it)"

# --- Tools on this machine -------------------------------------------------
PACKAGES=(cmake g++ make qt6-base-dev qt6-charts-dev libqt6opengl6-dev libqt6sql6-sqlite
          libgl1-mesa-dev dpkg-dev debootstrap appstream desktop-file-utils sqlite3)
missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  step "Installing: ${missing[*]}"
  timeout 900 apt-get update -qq
  DEBIAN_FRONTEND=noninteractive timeout 1800 apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# --- Mounts and helpers, always undone ---------------------------------------
XVFB_PID=""
cleanup() {
  set +e
  for m in "$ROOT_DIR/tmp/.X11-unix" "$ROOT_DIR/dev/pts" "$ROOT_DIR/proc"; do
    mountpoint -q "$m" && umount "$m"
  done
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null
}
trap cleanup EXIT INT TERM

# --- 1. The package ----------------------------------------------------------
step "Building the package in $BUILD_DIR"
cmake -S . -B "$BUILD_DIR" -DCMAKE_INSTALL_PREFIX=/usr -DCMAKE_BUILD_TYPE=Release \
      -DDORVEX_BUILD_TESTS=OFF -DDORVEX_BUILD_BENCH=OFF >/dev/null
cmake --build "$BUILD_DIR" -j"$(nproc)"
rm -f "$BUILD_DIR"/dorvex_*.deb
(cd "$BUILD_DIR" && cpack >/dev/null)
debs=("$BUILD_DIR"/dorvex_*.deb)
{ [ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ]; } || fail "cpack gave no single dorvex_*.deb"
DEB=$(realpath "${debs[0]}")
DEB_NAME=$(basename "$DEB")
ok "$DEB_NAME"

step "Package metadata"
depends=$(dpkg-deb -f "$DEB" Depends)
echo "Depends: $depends"
for d in libqt6sql6-sqlite qt6-qpa-plugins libqt6widgets6 libqt6charts6 libqt6sql6 \
         libqt6network6 libqt6printsupport6; do
  grep -Eq "(^|, )$d( |,|$)" <<<"$depends" || fail "Depends lacks $d"
done
ok "dependencies named"
contents=$(dpkg-deb -c "$DEB" | awk '{print $NF}')
for f in ./usr/bin/dorvex \
         ./usr/share/applications/com.quilmar.Dorvex.desktop \
         ./usr/share/icons/hicolor/scalable/apps/com.quilmar.Dorvex.svg \
         ./usr/share/metainfo/com.quilmar.Dorvex.metainfo.xml; do
  grep -qxF "$f" <<<"$contents" || fail "package lacks $f"
done
ok "files in place"
appstreamcli validate --no-net packaging/com.quilmar.Dorvex.metainfo.xml
desktop-file-validate packaging/com.quilmar.Dorvex.desktop
ok "metainfo and desktop entry valid"

# --- 2. A fresh Debian 12 ----------------------------------------------------
if [ "${DORVEX_FRESH_ROOT:-0}" = 1 ] || [ ! -f "$ROOT_DIR/.dorvex-bootstrapped" ]; then
  step "debootstrap bookworm into $ROOT_DIR"
  cleanup
  ! grep -q " $ROOT_DIR/" /proc/mounts || fail "something is still mounted under $ROOT_DIR"
  rm -rf "$ROOT_DIR"
  mkdir -p "$ROOT_DIR"
  timeout 1800 debootstrap --variant=minbase bookworm "$ROOT_DIR" "$MIRROR" >/dev/null
  touch "$ROOT_DIR/.dorvex-bootstrapped"
fi
mountpoint -q "$ROOT_DIR/proc" || mount -t proc proc "$ROOT_DIR/proc"
mkdir -p "$ROOT_DIR/dev/pts"
mountpoint -q "$ROOT_DIR/dev/pts" || mount -t devpts -o newinstance,ptmxmode=0666 devpts "$ROOT_DIR/dev/pts"
in_root() { chroot "$ROOT_DIR" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin \
              DEBIAN_FRONTEND=noninteractive "$@"; }

step "Installing $DEB_NAME with its dependencies only"
# A root kept from an earlier run loses the package and everything it pulled in,
# so the dependencies are resolved afresh from this package.
in_root sh -c 'dpkg -s dorvex >/dev/null 2>&1 && apt-get purge -y -qq dorvex >/dev/null &&
               apt-get autoremove --purge -y -qq >/dev/null; true'
cp "$DEB" "$ROOT_DIR/tmp/$DEB_NAME"
timeout 900 chroot "$ROOT_DIR" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin \
  DEBIAN_FRONTEND=noninteractive apt-get update -qq
timeout 1800 chroot "$ROOT_DIR" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin \
  DEBIAN_FRONTEND=noninteractive \
  apt-get install -y -q --no-install-recommends "/tmp/$DEB_NAME" >"$BUILD_DIR/chroot-install.log" 2>&1 ||
  { tail -30 "$BUILD_DIR/chroot-install.log"; fail "apt-get install in the chroot"; }
grep -E '^[0-9]+ upgraded' "$BUILD_DIR/chroot-install.log"
ok "installed"

in_root sh -c "id $USER_NAME >/dev/null 2>&1 || useradd -m -s /bin/sh $USER_NAME"
uid=$(in_root id -u "$USER_NAME")
HOME_IN=/home/$USER_NAME
DATA_DIR="$ROOT_DIR$HOME_IN/$DATA_REL"
rm -rf "$DATA_DIR"
in_root install -d -m 0700 -o "$uid" -g "$uid" "/tmp/runtime-$USER_NAME"

# Runs the installed program as the user for five seconds; a program still up
# when the time is over has started. While it runs, its lock file must appear
# beside the database. Its output goes to $BUILD_DIR/run.log.
run_as_user() {
  local rc=0 pid lock_seen=0
  rm -f "$DATA_DIR/Dorvex.lock"
  timeout 20 chroot --userspec="$uid:$uid" "$ROOT_DIR" /usr/bin/env -i \
    PATH=/usr/bin:/bin HOME="$HOME_IN" USER="$USER_NAME" XDG_RUNTIME_DIR="/tmp/runtime-$USER_NAME" \
    "$@" timeout 5 /usr/bin/dorvex >"$BUILD_DIR/run.log" 2>&1 &
  pid=$!
  for _ in $(seq 40); do
    [ -f "$DATA_DIR/Dorvex.lock" ] && { lock_seen=1; break; }
    sleep 0.1
  done
  wait "$pid" || rc=$?
  cat "$BUILD_DIR/run.log"
  [ "$rc" -eq 124 ] || fail "dorvex ended with $rc before its five seconds were up"
  if grep -Eiq 'driver not loaded|could not (load|find) the qt platform plugin|cannot open shared' \
       "$BUILD_DIR/run.log"; then
    fail "dorvex reported a missing piece"
  fi
  [ "$lock_seen" = 1 ] || fail "no lock file in $HOME_IN/$DATA_REL while running"
  [ ! -e "$ROOT_DIR/usr/bin/Dorvex.lock" ] || fail "a lock file in /usr/bin"
}

step "Starting /usr/bin/dorvex as $USER_NAME (offscreen)"
bin_before=$(in_root ls -la --time-style=full-iso /usr/bin)
run_as_user QT_QPA_PLATFORM=offscreen
ok "still running after 5 s"

step "The database in the user's data folder"
DB="$DATA_DIR/Stocks.mdb"
[ -f "$DB" ] || fail "no $HOME_IN/$DATA_REL/Stocks.mdb"
[ "$(stat -c %u "$DB")" = "$uid" ] || fail "Stocks.mdb is not the user's"
[ "$(sqlite3 "$DB" 'PRAGMA integrity_check')" = ok ] || fail "Stocks.mdb is not a sound SQLite database"
tables=$(sqlite3 "$DB" "select name from sqlite_master where type='table' order by name")
{ grep -qx Stocks <<<"$tables" && grep -qx System <<<"$tables"; } || fail "tables Stocks and System missing: $tables"
ok "$HOME_IN/$DATA_REL holds: $(ls "$DATA_DIR" | tr '\n' ' ')"
bin_after=$(in_root ls -la --time-style=full-iso /usr/bin)
[ "$bin_before" = "$bin_after" ] || { diff <(echo "$bin_before") <(echo "$bin_after") || true; fail "/usr/bin changed"; }
ok "nothing written into /usr/bin"

step "A second start keeps what was saved"
sqlite3 "$DB" "insert into Stocks (StockName, High, Low) values ('CHECK', 12.5, 10.25)"
run_as_user QT_QPA_PLATFORM=offscreen
[ "$(sqlite3 "$DB" "select count(*) from Stocks where StockName='CHECK'")" = 1 ] ||
  fail "the saved stock is gone after a second start"
ok "saved stock still there"

# Root can write /usr/bin, so only the installed copy's own rule keeps the
# database out of it.
step "Starting /usr/bin/dorvex as root"
root_data="$ROOT_DIR/root/$DATA_REL"
rm -rf "$root_data"
rc=0
timeout 20 chroot "$ROOT_DIR" /usr/bin/env -i PATH=/usr/bin:/bin HOME=/root QT_QPA_PLATFORM=offscreen \
  timeout 5 /usr/bin/dorvex >"$BUILD_DIR/run.log" 2>&1 || rc=$?
cat "$BUILD_DIR/run.log"
[ "$rc" -eq 124 ] || fail "dorvex run by root ended with $rc before its five seconds were up"
[ -f "$root_data/Stocks.mdb" ] || fail "no /root/$DATA_REL/Stocks.mdb"
[ "$bin_before" = "$(in_root ls -la --time-style=full-iso /usr/bin)" ] || fail "/usr/bin changed"
ok "database in /root/$DATA_REL, nothing in /usr/bin"

# The desktop case: the xcb plug-in and the libraries it loads, against an X
# server on this machine whose socket is lent to the root.
if command -v Xvfb >/dev/null; then
  step "Starting /usr/bin/dorvex on X (xcb, Xvfb)"
  n=60
  while [ -e "/tmp/.X$n-lock" ] && [ "$n" -lt 99 ]; do n=$((n + 1)); done
  display=:$n
  Xvfb "$display" -ac -nolisten tcp -screen 0 1280x1024x24 >/dev/null 2>&1 &
  XVFB_PID=$!
  for _ in $(seq 50); do [ -S "/tmp/.X11-unix/X${display#:}" ] && break; sleep 0.1; done
  mkdir -p "$ROOT_DIR/tmp/.X11-unix"
  mount --bind /tmp/.X11-unix "$ROOT_DIR/tmp/.X11-unix"
  run_as_user QT_QPA_PLATFORM=xcb DISPLAY="$display"
  ok "still running after 5 s on X"
fi

step "All checks passed"
