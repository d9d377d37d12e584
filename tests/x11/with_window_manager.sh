#!/bin/sh
# with_window_manager.sh WM COMMAND [ARGUMENT...]
# Runs COMMAND on a private Xvfb managed by the window manager WM, in a
# private D-Bus session (xfwm4 reads its settings through D-Bus) and with a
# fresh home folder, so that no user's settings play a part. WM "weston" is
# the Wayland compositor in a window of its own that covers the screen, and
# so takes the keys; COMMAND then runs on Wayland. Fails when WM is not
# installed. Ends the window manager and the X server it started.
set -eu
wm=$1
shift
platform=xcb
case $wm in
  openbox | fluxbox | icewm | metacity) start=$wm ;;
  xfwm4) start="xfwm4 --compositor=off" ;;
  weston)
    start="weston --backend=x11-backend.so --width=1024 --height=768 --idle-time=0"
    platform=wayland
    ;;
  *) echo "unknown window manager: $wm" >&2; exit 2 ;;
esac
if ! command -v "$wm" >/dev/null; then
  echo "window manager $wm not found: install the Debian package $wm" >&2
  exit 1
fi

home=$(mktemp -d)
xvfb=
finish() {
  if [ -n "$xvfb" ]; then kill "$xvfb" 2>/dev/null || true; wait "$xvfb" 2>/dev/null || true; fi
  rm -rf "$home"
}
trap finish EXIT
trap 'exit 143' TERM INT HUP

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$home/display" 2>"$home/xvfb.log" &
xvfb=$!
for _ in $(seq 100); do
  [ -s "$home/display" ] && break
  sleep 0.1
done
if [ ! -s "$home/display" ]; then
  echo "Xvfb did not start:" >&2
  cat "$home/xvfb.log" >&2
  exit 1
fi
# Fluxbox's style would set the wallpaper through fbsetbg, which opens a
# message window where no wallpaper setter is installed.
mkdir "$home/.fluxbox"
echo "background: unset" >"$home/.fluxbox/overlay"

echo "window manager: $wm"
display=$(cat "$home/display")
export DISPLAY=":$display" HOME="$home" XDG_RUNTIME_DIR="$home" GSETTINGS_BACKEND=memory \
  NO_AT_BRIDGE=1 QT_QPA_PLATFORM="$platform" WM_START="$start"
if [ "$wm" = weston ]; then
  export WAYLAND_DISPLAY=umrak-wayland
  WM_START="$start --socket=$WAYLAND_DISPLAY"
fi
# shellcheck disable=SC2016 # expanded by the inner shell
dbus-run-session -- sh -c '
  $WM_START >"$HOME/wm.log" 2>&1 &
  wm=$!
  status=0
  "$@" || status=$?
  kill "$wm" 2>/dev/null || true
  wait "$wm" 2>/dev/null || true
  [ "$status" -eq 0 ] || { echo "window manager output:"; cat "$HOME/wm.log"; } >&2
  exit "$status"' sh "$@"
