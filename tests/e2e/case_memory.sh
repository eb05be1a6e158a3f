# A whole memory game at level "E" in its centred window, played with mouse clicks alone; at
# its end the message and the main window shown again.
. "$E2E_DIR/lib.sh"
start_app
main_before=$(region_sum "$MAIN" 0 0 682 435)
click_twips "$MAIN" $MEMOSPIEL
MEMO=$(wait_window "Tavlo-Memospiel (Einer)") || fail "memory window not shown"
is_shown "$MAIN_TITLE" "$MAIN" && fail "main window still shown"
[ "$(client_size "$MEMO")" = "458x467" ] || fail "memory window is $(client_size "$MEMO")"
expect_centred "$MEMO" "the memory window"
click_twips "$MEMO" 5640 120 375 495 # "E"
result=$(python3 "$E2E_DIR/play_memory.py" "$MEMO") || fail "game not played through: $result"
answer_box "Tavlo-Memory" OK "$MEMO" "$MAIN" >/dev/null
wait_no_window "Tavlo-Memospiel (Einer)" || fail "memory window still shown"
MAIN=$(wait_window "$MAIN_TITLE") || fail "main window not shown again"
[ "$(region_sum "$MAIN" 0 0 682 435)" = "$main_before" ] || fail "main window changed"
echo ok
