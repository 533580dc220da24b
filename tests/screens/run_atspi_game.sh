#!/usr/bin/env bash
# Runs atspi_game.py against the game GAME_BINARY: a private D-Bus session with its own
# accessibility bus, on a virtual X display. Fails when any of them is missing.
set -euo pipefail
game=$1
here=$(cd "$(dirname "$0")" && pwd)
for tool in dbus-run-session xvfb-run xdotool; do
    command -v "$tool" >/dev/null || { echo "missing: $tool" >&2; exit 1; }
done
launcher=/usr/libexec/at-spi-bus-launcher
[ -x "$launcher" ] || { echo "missing: $launcher (at-spi2-core)" >&2; exit 1; }
/usr/bin/python3 -c 'import gi; gi.require_version("Atspi", "2.0")' ||
    { echo "missing: AT-SPI for Python (gir1.2-atspi-2.0, python3-gi)" >&2; exit 1; }

exec dbus-run-session -- bash -c '
    "$1" --launch-immediately &
    bus=$!
    trap "kill $bus 2>/dev/null" EXIT
    xvfb-run -a -s "-screen 0 1280x800x24" /usr/bin/python3 "$2" "$3"
' run_atspi_game "$launcher" "$here/atspi_game.py" "$game"
