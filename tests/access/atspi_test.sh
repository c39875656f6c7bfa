#!/usr/bin/env bash
# Drives the program through AT-SPI, as a screen reader or a switch tool does:
# a session bus and the accessibility bus of its own, the program under Xvfb
# from a folder of its own (a copy of the executable, empty data files),
# "あい" entered by the board's and the selection panel's actions and read
# back from the text panel.
#
#   atspi_test.sh TALK_EXECUTABLE WORK_DIR
set -euo pipefail
talk="$1"
work="$2"
here="$(cd "$(dirname "$0")" && pwd)"
rm -rf "$work"
mkdir -p "$work/program" "$work/home" "$work/runtime"
chmod 700 "$work/runtime"
cp "$talk" "$work/program/talk"
for name in Talk.txt day.txt addres.txt mail.txt; do
    : >"$work/program/$name"
done

export HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime"
export XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share"
export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
unset DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS
# Debian's Python, which has pyatspi (a Python of a version manager may be first on the PATH).
exec dbus-run-session -- xvfb-run -a -s "-screen 0 1280x1024x24" \
    /usr/bin/python3 "$here/atspi_test.py" "$work/program/talk"
