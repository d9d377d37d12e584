#!/usr/bin/env bash
# Runs umrak_megabyte_bench on a private Xvfb and session bus with Qt's
# accessibility bridge on (the X11 platform, as a desktop user has it).
# With --listening, a stand-in screen reader registers for the events that
# Orca listens to and takes every message on the accessibility bus.
#
#   tools/bench/megabyte/with_screen_reader.sh [--listening] BUILD/tools/bench/megabyte/umrak_megabyte_bench [ARGS...]
#
# Needs xvfb, dbus, at-spi2-core and python3-dbus.
set -euo pipefail

if [ "${1:-}" != --inside ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24" dbus-run-session -- bash "$0" --inside "$@"
fi
shift
listening=false
if [ "${1:-}" = --listening ]; then
  listening=true
  shift
fi

export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 GSETTINGS_BACKEND=memory
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
  org.freedesktop.DBus.Properties.Set string:org.a11y.Status string:IsEnabled variant:boolean:true \
  >/dev/null
a11y="$(dbus-send --session --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus \
  org.a11y.Bus.GetAddress | tr -d ' ')"

helpers=()
if $listening; then
  dbus-monitor --address "$a11y" >/dev/null 2>&1 &
  helpers+=($!)
  /usr/bin/python3 - "$a11y" <<'PY' &
import sys, time, dbus
bus = dbus.bus.BusConnection(sys.argv[1])
for event in ("object:text-changed", "object:text-caret-moved", "object:text-selection-changed",
              "object:state-changed", "object:children-changed", "object:property-change",
              "focus:", "window:"):
    bus.call_blocking("org.a11y.atspi.Registry", "/org/a11y/atspi/registry",
                      "org.a11y.atspi.Registry", "RegisterEvent", "sass", (event, [], ""))
print("listening", flush=True)
time.sleep(100000)
PY
  helpers+=($!)
  sleep 1
fi

status=0
"$@" || status=$?
for pid in "${helpers[@]}"; do kill "$pid" 2>/dev/null || true; done
exit "$status"
