# The Debian packages each command needs; sourced by run and test.
# The font and Qt's Arabic texts are what the program loads when it runs.
BUILD_PACKAGES=(g++ cmake ninja-build pkg-config qt6-base-dev libgl-dev libxcb1-dev
  fonts-noto-ui-core qt6-translations-l10n)
RUN_PACKAGES=(xvfb xauth)
TEST_PACKAGES=(googletest libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth
  desktop-file-utils appstream libxcb-damage0-dev)
# The keyboard focus tests: the window managers and Wayland's weston, keys
# through XTEST, D-Bus for xfwm4.
TEST_PACKAGES+=(openbox xfwm4 fluxbox icewm metacity weston qt6-wayland libxcb-xtest0-dev
  dbus-daemon)
MATRIX_PACKAGES=(clang libclang-rt-14-dev dpkg-dev)
PACKAGE_PACKAGES=(build-essential dpkg-dev debhelper lintian)
