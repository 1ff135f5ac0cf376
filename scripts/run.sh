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
echo "Demo logins: 收银员 / 1234 (cashier), 管理员 / 8888 (administrator)."
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found (DISPLAY is not set): the terminal needs a desktop session."
  echo "Run this command from a desktop, or with ssh -X. Starting it now on a virtual"
  echo "display (Xvfb) instead, where it runs but cannot be seen; stop it with Ctrl+C."
  exec xvfb-run -a -s "-screen 0 1280x800x24" build/bin/pos-terminal
fi
exec build/bin/pos-terminal
