#!/usr/bin/env bash
# Builds the fuzz targets with clang, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer in their own build folder, then fuzzes each
# target for SECONDS (default 60). Inputs that break a target are kept under
# BUILD/tools/fuzz/findings/TARGET/; new interesting inputs under
# BUILD/tools/fuzz/work/.
#
#   tools/fuzz/run.sh [SECONDS] [TARGET...]   (targets: the names under corpus/)
# The build is CMake's "fuzz" preset, in build-fuzz. Installs clang and the
# libFuzzer and sanitizer runtimes of its version when they are missing.
set -euo pipefail

root="$(cd "$(dirname "$0")/../.." && pwd)"
here="$root/tools/fuzz"
bash "$root/scripts/deps.sh" clang
# shellcheck disable=SC2046
bash "$root/scripts/deps.sh" $(bash "$root/scripts/clang_runtime.sh")
seconds="${1:-60}"
shift $(($# > 0 ? 1 : 0))
build="$root/build-fuzz"
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  targets=(strict_conversion lenient_conversion number_round_trip utf_round_trip scenario_script)
fi

# Everything the fuzzers call gets coverage and sanitizer instrumentation
# (the preset's flags); the fuzz targets themselves add the libFuzzer main.
(cd "$root" && cmake --preset fuzz >/dev/null)
ninja -C "$build" -j 2 "${targets[@]/#/fuzz_}"

# A number text needs up to 768 digits to fall either side of a halfway point
# between two doubles; the conversions are fuzzed on texts that long.
declare -A options=(
  [strict_conversion]="-dict=$here/conversions.dict -max_len=1024"
  [lenient_conversion]="-dict=$here/conversions.dict -max_len=1024"
  [number_round_trip]="-max_len=64"
  [utf_round_trip]="-max_len=1024"
  [scenario_script]="-dict=$here/scenario.dict -max_len=4096"
)

failed=()
for target in "${targets[@]}"; do
  work="$build/tools/fuzz/work/$target"
  findings="$build/tools/fuzz/findings/$target"
  mkdir -p "$work" "$findings"
  echo "== $target: ${seconds}s"
  # New inputs go to the first folder; the seed corpus in the tree stays as it is.
  # shellcheck disable=SC2086
  if ! "$build/tools/fuzz/fuzz_$target" -max_total_time="$seconds" -print_final_stats=1 \
      -artifact_prefix="$findings/" ${options[$target]:-} "$work" "$here/corpus/$target"; then
    failed+=("$target")
  fi
done

if [ ${#failed[@]} -ne 0 ]; then
  echo "Broken: ${failed[*]} (inputs under $build/tools/fuzz/findings/)"
  exit 1
fi
echo "No findings in ${targets[*]}"
