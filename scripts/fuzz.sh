#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time
# (FUZZ_SECONDS, 60 by default) from its seed corpus.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/bootstrap.sh >/dev/null
for p in clang libclang-rt-14-dev; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" ||
    { [ "$(id -u)" -eq 0 ] || SUDO=sudo; ${SUDO:-} apt-get install -y -qq "$p"; }
done
cmake -S fuzz -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build-fuzz -j"$(nproc)"
seconds=${FUZZ_SECONDS:-60}
export QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0
for target in price plaintext urlencode replytext; do
  work=$(mktemp -d)
  cp fuzz/corpus/$target/* "$work"/
  echo "== fuzz_$target for ${seconds}s"
  ./build-fuzz/fuzz_$target -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 "$work" 2>&1 |
    grep -E 'stat::number_of_executed_units|ERROR|property failed|Done' || true
  # A crash leaves its input beside the build; fail loudly.
  ls crash-* leak-* timeout-* 2>/dev/null && exit 1
  rm -rf "$work"
done
echo "fuzzing done"
