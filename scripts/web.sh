#!/usr/bin/env bash
# The page: the layers without Qt (core, math, calc, plot) and the
# translations' table in WebAssembly, built by Debian's emscripten into
# build-web/web/tarvik.js and tarvik.wasm, and the page around them,
# build-web/tarvik.html: one file that works offline. Installs what it
# needs from Debian. With "check": also answers a corpus of command
# lines by the module under node and by its native twin in the software
# Real (build-portable), and fails where any answer differs by a byte.
# With "check" it also drives the page in headless Chromium
# (tests/web/page_test.py).
# Usage: scripts/web.sh [check]
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh --program emscripten node-acorn python3 libboost-dev
command -v node >/dev/null || bash scripts/install-deps.sh --program nodejs
# emscripten's tools load Debian's node modules (acorn); a node from
# elsewhere looks for them only where NODE_PATH says.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
# The cross compiler sees Boost alone, not the build machine's headers.
mkdir -p build-web/boost-include
ln -sfn /usr/include/boost build-web/boost-include/boost
if [ ! -f build-web/CMakeCache.txt ]; then
  generator=()
  if command -v ninja >/dev/null; then generator=(-G Ninja); fi
  # -Oz: the page's size is its start on a slow line; a keystroke's
  # answer stays under a millisecond.
  emcmake cmake -S . -B build-web "${generator[@]}" -DCMAKE_BUILD_TYPE=Release -DTARVIK_WEB=ON \
    -DCMAKE_CXX_FLAGS_RELEASE="-Oz -DNDEBUG" -DCMAKE_EXE_LINKER_FLAGS_RELEASE="-Oz" \
    -DTARVIK_PORTABLE_REAL=ON -DTARVIK_BOOST_INCLUDE_DIR="$PWD/build-web/boost-include" >/dev/null
fi
cmake --build build-web -j"$(nproc)"
python3 scripts/web_page.py web/page build-web/web/tarvik.js build-web/web/tarvik.wasm build-web/tarvik.html
echo "web: build-web/tarvik.html, $(gzip -9 -c build-web/tarvik.html | wc -c) bytes gzipped"
if [ "${1:-}" = check ]; then
  bash scripts/build.sh portable >/dev/null
  python3 tests/web/corpus.py build-portable/tests/native_answer build-web/web/tarvik.js
  # The page in headless Chromium, driven by chromedriver from Debian's
  # Python (its selenium is Debian's package, not a virtual environment's).
  bash scripts/install-deps.sh --program chromium chromium-driver python3-selenium
  /usr/bin/python3 tests/web/page_test.py build-portable/tests/native_answer build-web/tarvik.html
fi
