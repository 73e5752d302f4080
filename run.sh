#!/usr/bin/env bash
# Install what is missing, build the game (Release) and start it from its program folder.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
"$here/tools/install-deps.sh"
cmake -S "$here" -B "$here/build/release" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$here/build/release" --target korvald
cd "$here/build/release/korvald"
exec ./korvald "$@"
