#!/bin/sh
# Fails when a source file differs from what clang-format makes of it.
set -eu
cd "$(dirname "$0")/.."
files=$(git ls-files '*.cpp' '*.h' 2>/dev/null || find src tests bench tools fuzz -name '*.cpp' -o -name '*.h')
clang-format --dry-run -Werror $files
