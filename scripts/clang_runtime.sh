#!/usr/bin/env bash
# Prints the Debian packages that go with the installed clang, of its own
# version N: libclang-rt-N-dev, its sanitizer and libFuzzer runtimes, and
# llvm-N, whose llvm-symbolizer names the functions in a sanitizer's report
# (clang 14 on Debian 12, 19 on Debian 13).
set -euo pipefail
version="$(clang++ -dumpversion)"
major="${version%%.*}"
echo "libclang-rt-$major-dev llvm-$major"
