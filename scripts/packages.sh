# The Debian packages each command needs; sourced by run and test.
# The font and Qt's Arabic texts are what the program loads when it runs.
BUILD_PACKAGES=(g++ cmake ninja-build pkg-config qt6-base-dev libgl-dev libxcb1-dev
  fonts-noto-ui-core qt6-translations-l10n)
RUN_PACKAGES=(xvfb xauth)
TEST_PACKAGES=(googletest libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth
  desktop-file-utils appstream libxcb-damage0-dev man-db python3)
# With clang come the runtimes of its own version (scripts/clang_runtime.sh).
MATRIX_PACKAGES=(clang dpkg-dev)
PACKAGE_PACKAGES=(build-essential dpkg-dev debhelper lintian)
