# Each window stands centred on the screen by its outer size, frame included: the main
# window at start, the memory game at every opening, the pair game.
. "$E2E_DIR/lib.sh"

# Gives the window manager a moment to frame the window, then expects it centred.
expect_centred() {
    local offset
    for _ in $(seq 20); do
        offset=$(centre_offset "$1")
        [ "$offset" = "0,0" ] && return 0
        sleep 0.1
    done
    fail "$2 lies $offset pixels off the centre"
}

start_app
expect_centred "$MAIN" "the main window"
for opening in first second; do
    click_twips "$MAIN" $MEMOSPIEL
    MEMO=$(wait_window "Tavlo-Memospiel (Einer)") || fail "memory window not shown"
    expect_centred "$MEMO" "the memory game at its $opening opening"
    click_twips "$MEMO" 120 120 1095 495
    answer_box "Tavlo-Memospiel" Ja "$MEMO" >/dev/null
    MAIN=$(wait_window "$MAIN_TITLE") || fail "main window not back"
done
click_twips "$MAIN" $PAARSPIEL
GAME=$(wait_window "Tavlo-Paarspiel") || fail "pair window not shown"
expect_centred "$GAME" "the pair game"
echo ok
