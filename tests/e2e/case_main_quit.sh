# The main window opens at its size, centred; "Beenden" answered No keeps it, Yes ends the
# program.
. "$E2E_DIR/lib.sh"
start_app
[ "$(client_size "$MAIN")" = "682x435" ] || fail "client size is $(client_size "$MAIN")"
expect_centred "$MAIN" "the main window"

click_twips "$MAIN" 240 240 1455 495
answer_box "$MAIN_TITLE" Nein "$MAIN" >/dev/null
is_shown "$MAIN_TITLE" "$MAIN" || fail "main window gone after No"
kill -0 "$APP_PID" || fail "program ended after No"

click_twips "$MAIN" 240 240 1455 495
answer_box "$MAIN_TITLE" Ja "$MAIN" >/dev/null
for _ in $(seq 50); do
    kill -0 "$APP_PID" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$APP_PID" 2>/dev/null && fail "program still runs after Yes"
wait "$APP_PID" || fail "program ended with status $?"
echo "ok"
