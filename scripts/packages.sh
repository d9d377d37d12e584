# The Debian packages each command needs; sourced by run, test, quick and package.
# The font and Qt's Arabic texts are what the program loads when it runs.
BUILD_PACKAGES=(g++ cmake ninja-build pkg-config qt6-base-dev libgl-dev libxcb1-dev
  libfontconfig-dev fonts-noto-ui-core qt6-translations-l10n)
RUN_PACKAGES=(xvfb xauth)
# The tests that need no X server, window manager or screen reader (quick).
QUICK_PACKAGES=(googletest libgtest-dev libgmock-dev desktop-file-utils appstream man-db python3)
TEST_PACKAGES=("${QUICK_PACKAGES[@]}" libbenchmark-dev xvfb libxcb-damage0-dev)
# The tests on private desktop sessions: the window managers and Wayland's
# weston, keys through XTEST, the session and accessibility buses, Orca and
# the GObject bindings of libatspi that read what it reads.
TEST_PACKAGES+=(openbox xfwm4 fluxbox icewm metacity weston qt6-wayland libxcb-xtest0-dev
  dbus-daemon dbus-bin at-spi2-core orca python3-gi gir1.2-atspi-2.0 xdotool x11-utils)
# GNOME's and KDE's compositors on X11 and Wayland, Xwayland, and KWin's fake
# input protocol, through which the tests press keys on KWin's Wayland.
TEST_PACKAGES+=(mutter gnome-shell kwin-x11 kwin-wayland xwayland libwayland-dev
  plasma-wayland-protocols)
# Plasma 6 (Debian 13) has KWin's shortcuts on X11 served by a daemon of their own.
if [ "$(. /etc/os-release && echo "${VERSION_ID%%.*}")" -ge 13 ] 2>/dev/null; then
  TEST_PACKAGES+=(kglobalacceld)
fi
# With clang come the runtimes of its own version (scripts/clang_runtime.sh).
MATRIX_PACKAGES=(clang dpkg-dev)
PACKAGE_PACKAGES=(build-essential dpkg-dev debhelper lintian)
