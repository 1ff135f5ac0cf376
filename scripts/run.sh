#!/usr/bin/env bash
# Installs what is missing, builds, prepares the demo store beside the program
# (build/bin/data/jxc.db, kept between runs) and starts the counter terminal.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
store=build/bin/data/jxc.db
if [ ! -f "$store" ]; then
  build/bin/pos-admin demo "$store"
fi
if [ -x build/bin/pos-terminal ]; then
  exec build/bin/pos-terminal
fi
echo "The demo store is ready at $store; the counter terminal itself is not built yet."
echo "Try: build/bin/pos-admin sql $store \"select g_sn,g_name,g_lsj from jxc_goods\""
