#!/usr/bin/env bash
# Prints the compiler for the sanitizer build: clang++ when it is installed
# with its sanitizer runtimes, g++ otherwise.
set -euo pipefail

probe="$(mktemp -d)"
trap 'rm -rf "$probe"' EXIT
echo 'int main() { return 0; }' >"$probe/probe.cpp"
for candidate in clang++ g++; do
  path="$(command -v "$candidate" || true)"
  [ -n "$path" ] || continue
  if "$path" -fsanitize=address,undefined "$probe/probe.cpp" -o "$probe/probe" 2>/dev/null; then
    echo "$path"
    exit 0
  fi
done
echo "No C++ compiler here links AddressSanitizer and UndefinedBehaviorSanitizer" >&2
exit 1
