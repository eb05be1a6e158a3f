# Run by tests/e2e/run_case.sh in its own X server: the program shows its main window with
# the program's title under the window class that the desktop entry names.
. "$E2E_DIR/lib.sh"
start_app
xdotool search --onlyvisible --classname "^${WINDOW_CLASS}\$" 2>/dev/null | grep -qx "$MAIN" ||
    fail "the main window's class is not $WINDOW_CLASS"
kill "$APP_PID"
echo ok
