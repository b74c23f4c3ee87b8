#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, fuzz preset) and runs each in turn for
# the given number of seconds (default 60), one process at a time and at the
# lowest priority. New inputs go to build/fuzz/work/<name>/, failing ones to
# build/fuzz/artifacts/<name>/; the committed seeds (fuzz/corpus/<name>/) and
# regressions (fuzz/regressions/<name>/) are read, never written.
# Optional second argument: a regular expression selecting target names.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
filter=${2:-.}
cmake --preset fuzz >/dev/null
mapfile -t names < <(ls fuzz/fuzz_*.cpp | sed -E 's|fuzz/fuzz_(.*)\.cpp|\1|' | grep -E "$filter")
cmake --build --preset fuzz --target "${names[@]/#/fuzz_}"
status=0
for name in "${names[@]}"; do
  work=build/fuzz/work/$name artifacts=build/fuzz/artifacts/$name
  mkdir -p "$work" "$artifacts"
  echo "== $name (${seconds}s)"
  # One process; it stops at the first finding (the input is saved in the
  # artifacts folder). Malloc stacks are unwound the fast way: these targets
  # lay out no text, so the fontconfig leak suppressions (which need exact
  # stacks) do not come into play.
  (cd "$artifacts" && ASAN_OPTIONS="fast_unwind_on_malloc=1${ASAN_OPTIONS:+:$ASAN_OPTIONS}" \
      nice -n 19 "../../fuzz/fuzz_$name" \
      -max_total_time="$seconds" -timeout=10 -max_len=4096 -print_final_stats=1 \
      -artifact_prefix="$PWD/" "$OLDPWD/$work" "$OLDPWD/fuzz/corpus/$name" "$OLDPWD/fuzz/regressions/$name") \
      >"$artifacts/fuzz-0.log" 2>&1 || status=1
  grep -E "^(#[0-9]+.*DONE|stat::|==.*ERROR|SUMMARY|.*check failed|.*Test unit written)" \
    "$artifacts/fuzz-0.log" | tail -8 || true
done
exit $status
