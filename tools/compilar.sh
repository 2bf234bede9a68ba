#!/usr/bin/env bash
# Compila (incremental) na pasta build/ com Ninja e ccache.
set -euo pipefail
RAIZ="$(cd "$(dirname "$0")/.." && pwd)"
PASTA="${OSV_BUILD:-$RAIZ/build}"
if [ ! -f "$PASTA/CMakeCache.txt" ]; then
    cmake -S "$RAIZ" -B "$PASTA" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER_LAUNCHER=ccache
fi
cmake --build "$PASTA" -j"$(nproc)"
