# Under a window manager a game window is activated again and again: after its own message
# boxes close and when the learner comes back from another program. None of that may touch
# the game; only the main window's buttons start one. "Beenden" answered Yes goes back.
. "$E2E_DIR/lib.sh"
start_app

# Leaves the game window $1 for another program's window and comes back to it.
visit_another_program() {
    QT_QPA_PLATFORM=xcb "$APP" >/dev/null 2>&1 &
    local other_pid=$! other
    other=$(wait_window "$MAIN_TITLE" "$MAIN") || fail "second program did not open"
    xdotool windowactivate --sync "$other"
    sleep 0.3
    xdotool windowactivate --sync "$1"
    sleep 0.5
    kill "$other_pid"
    wait "$other_pid" 2>/dev/null
}

# --- memory game: one card face up must stay so.
click_twips "$MAIN" $MEMOSPIEL
MEMO=$(wait_window "Tavlo-Memospiel (Einer)") || fail "memory window not shown"
board="16 72 426 378"
face_down=$(region_sum "$MEMO" $board)
click_twips "$MEMO" 240 1080 975 1815
turned=$(region_sum "$MEMO" $board)
[ "$turned" != "$face_down" ] || fail "the card did not turn"

click_twips "$MEMO" 120 120 1095 495
answer_box "Tavlo-Memospiel" Nein "$MEMO" >/dev/null
[ "$(region_sum "$MEMO" $board)" = "$turned" ] || fail "memory board changed after No"
visit_another_program "$MEMO"
[ "$(region_sum "$MEMO" $board)" = "$turned" ] || fail "memory board changed on coming back"

click_twips "$MEMO" 120 120 1095 495
answer_box "Tavlo-Memospiel" Ja "$MEMO" >/dev/null
wait_no_window "Tavlo-Memospiel (Einer)" || fail "memory window still shown after Yes"
MAIN=$(wait_window "$MAIN_TITLE") || fail "main window not back after Yes"

# --- pair game: the round on the board must stay.
click_twips "$MAIN" $PAARSPIEL
GAME=$(wait_window "Tavlo-Paarspiel") || fail "pair window not shown"
board="112 16 561 410"
round=$(region_sum "$GAME" $board)
click_twips "$GAME" 120 1440 1455 495
answer_box "Anleitung zum Tavlo-Paarspiel" OK "$GAME" >/dev/null
[ "$(region_sum "$GAME" $board)" = "$round" ] || fail "pair board changed after the help"
click_twips "$GAME" 120 240 1455 495
answer_box "Tavlo-Paarspiel" Nein "$GAME" >/dev/null
[ "$(region_sum "$GAME" $board)" = "$round" ] || fail "pair board changed after No"
visit_another_program "$GAME"
[ "$(region_sum "$GAME" $board)" = "$round" ] || fail "pair board changed on coming back"
echo ok
