#!/bin/sh
# with_window_manager.sh WM COMMAND [ARGUMENT...]
# Runs COMMAND on a private Xvfb managed by the window manager WM, on a
# private D-Bus session bus (xfwm4 reads its settings through D-Bus) and with
# a fresh home folder, so that no user's settings play a part. WM "weston" is
# the Wayland compositor in a window of its own that covers the screen, and
# so takes the keys; COMMAND then runs on Wayland. WM "none" leaves the X
# server unmanaged, with no bus. Fails when a tool is not installed. The X server, the bus and the window manager each run in a
# process group of their own, which ends with the script: SIGTERM, then
# SIGKILL to whatever of it still runs after a grace period (Fluxbox, stopped
# while it was still starting on a busy machine, once hung in its handler of
# SIGTERM).
set -eu
wm=$1
shift
platform=xcb
case $wm in
  none) start= ;;
  openbox | fluxbox | icewm | metacity) start=$wm ;;
  xfwm4) start="xfwm4 --compositor=off" ;;
  weston)
    start="weston --backend=x11-backend.so --width=1024 --height=768 --idle-time=0"
    platform=wayland
    ;;
  *) echo "unknown window manager: $wm" >&2; exit 2 ;;
esac
tools="Xvfb:xvfb"
[ "$wm" = none ] || tools="$tools dbus-daemon:dbus-daemon $wm:$wm"
for tool in $tools; do
  if ! command -v "${tool%%:*}" >/dev/null; then
    echo "${tool%%:*} not found: install the Debian package ${tool#*:}" >&2
    exit 1
  fi
done

home=$(mktemp -d)
groups=
# Starts a command in the background in a process group of its own.
in_group() {
  setsid "$@" &
  groups="$! $groups"
}
# shellcheck disable=SC2317 # reached from the EXIT trap
end_group() {
  kill -s TERM -- "-$1" 2>/dev/null || return 0
  for _ in $(seq 50); do
    kill -s 0 -- "-$1" 2>/dev/null || return 0
    sleep 0.1
  done
  kill -s KILL -- "-$1" 2>/dev/null || true
}
# shellcheck disable=SC2317 # the EXIT trap
finish() {
  for group in $groups; do end_group "$group"; done
  rm -rf "$home"
}
trap finish EXIT
trap 'exit 143' TERM INT HUP

# Waits until a server has written to FILE what it tells once it listens.
wait_for_file() {
  for _ in $(seq 100); do
    [ -s "$1" ] && return 0
    sleep 0.1
  done
  echo "$2 did not start:" >&2
  cat "$3" >&2
  exit 1
}

in_group Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$home/display" \
  2>"$home/xvfb.log"
wait_for_file "$home/display" Xvfb "$home/xvfb.log"
display=$(cat "$home/display")
export DISPLAY=":$display" HOME="$home" XDG_RUNTIME_DIR="$home" \
  GSETTINGS_BACKEND=memory NO_AT_BRIDGE=1 QT_QPA_PLATFORM="$platform"
if [ "$wm" != none ]; then
  in_group dbus-daemon --session --nofork --print-address=3 3>"$home/bus" 2>"$home/bus.log"
  wait_for_file "$home/bus" dbus-daemon "$home/bus.log"
  DBUS_SESSION_BUS_ADDRESS=$(cat "$home/bus")
  export DBUS_SESSION_BUS_ADDRESS
fi

# Fluxbox's style would set the wallpaper through fbsetbg, which opens a
# message window where no wallpaper setter is installed.
mkdir "$home/.fluxbox"
echo "background: unset" >"$home/.fluxbox/overlay"
if [ "$wm" = weston ]; then
  export WAYLAND_DISPLAY=umrak-wayland
  start="$start --socket=$WAYLAND_DISPLAY"
fi
echo "window manager: $wm"
# shellcheck disable=SC2086 # the command and its options
[ -z "$start" ] || in_group $start >"$home/wm.log" 2>&1

status=0
"$@" || status=$?
[ "$status" -eq 0 ] || [ -z "$start" ] || { echo "window manager output:"; cat "$home/wm.log"; } >&2
exit "$status"
