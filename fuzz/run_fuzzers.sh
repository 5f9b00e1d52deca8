#!/usr/bin/env bash
# Builds the fuzz targets with clang, replays the saved regressions, then
# fuzzes each target for a bounded time. Any crash, leak, timeout or
# sanitizer report fails the run and leaves the input under ARTIFACTS.
#
# Environment:
#   FUZZ_SECONDS   seconds per target (default 60)
#   FUZZ_TARGETS   targets to run (default "tokenizer expression program check")
#   FUZZ_BUILD     build folder (default build-fuzz)
#   FUZZ_CORPUS    corpus root, kept between runs (default $FUZZ_BUILD/corpus)
#   FUZZ_JOBS      parallel compile jobs (default: nproc)
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${FUZZ_SECONDS:-60}
targets=${FUZZ_TARGETS:-"tokenizer expression program check"}
build=${FUZZ_BUILD:-build-fuzz}
corpus=${FUZZ_CORPUS:-$build/corpus}
artifacts=$build/artifacts
jobs=${FUZZ_JOBS:-$(nproc 2>/dev/null || echo 2)}
generator=""
command -v ninja >/dev/null 2>&1 && generator="-G Ninja"

if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S fuzz -B "$build" $generator -DCMAKE_CXX_COMPILER="${CXX_FUZZ:-clang++}" -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$build" -j "$jobs"
python3 fuzz/make_corpus.py "$corpus"
mkdir -p "$artifacts"

# Programs may ask for any amount of memory (a string doubled in a loop); one
# allocation above 1 GiB fails with std::bad_alloc, which the interpreter
# reports like any other exception, instead of counting as a finding.
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:allocator_may_return_null=1:max_allocation_size_mb=1024}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

status=0
for target in $targets; do
  binary=$build/fuzz_$target
  # Every input that once failed must stay fixed.
  if compgen -G "fuzz/regressions/$target/*" >/dev/null; then
    echo "== $target: replaying fuzz/regressions/$target"
    if ! "$binary" -timeout=30 -rss_limit_mb=4096 fuzz/regressions/$target/*; then
      echo "!! $target: a saved regression fails again"
      status=1
      continue
    fi
  fi
  echo "== $target: fuzzing for $seconds s"
  mkdir -p "$corpus/$target"
  if ! "$binary" "$corpus/$target" \
      -dict=fuzz/tbasic.dict \
      -max_total_time="$seconds" \
      -timeout=30 \
      -rss_limit_mb=4096 \
      -malloc_limit_mb=2048 \
      -max_len=8192 \
      -print_final_stats=1 \
      -artifact_prefix="$artifacts/$target-" 2>"$build/$target.log"; then
    echo "!! $target: finding; see $build/$target.log and $artifacts/"
    grep -E "ERROR|SUMMARY|runtime error|Test unit written" "$build/$target.log" | head -20 || true
    status=1
  else
    grep -E "^(stat::number_of_executed_units|stat::peak_rss_mb)|DONE" "$build/$target.log" | tail -3 || true
    echo "   corpus: $(find "$corpus/$target" -type f | wc -l) inputs"
  fi
done
exit $status
