# The program as a screen reader meets it: on its own session bus and accessibility bus,
# driven through AT-SPI alone (controls found by role and spoken name, pressed through their
# actions; keys through the X server). Solves a reading task, plays a whole memory game at
# level "E" and a whole pair-game round, and finds nothing of a panel out of sight.
. "$E2E_DIR/lib.sh"
exec dbus-run-session -- bash -c '
    /usr/libexec/at-spi-bus-launcher --launch-immediately &
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb "$APP" >"$E2E_WORK/app.log" 2>&1 &
    # The Debian package of the AT-SPI bindings is for the system interpreter.
    /usr/bin/python3 "$E2E_DIR/screen_reader.py"
'
