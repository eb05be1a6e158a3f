# Run by tests/e2e/run_case.sh: walks through the program as a learner and a teacher would
# and takes a picture of each window, frame included, into $SCREENSHOTS.
. "$E2E_DIR/lib.sh"
picture() { import -frame -window "$1" "$SCREENSHOTS/$2.png" || fail "no picture $2"; }
start_app
picture "$MAIN" main
click_twips "$MAIN" $LESEN
click_twips "$MAIN" $((2160 + 2400)) $((2760 + 2400)) 495 735 # the key "1"
picture "$MAIN" reading
click_twips "$MAIN" $SCHREIBEN
picture "$MAIN" writing
click_twips "$MAIN" $TABELLE
picture "$MAIN" table
click_twips "$MAIN" $TABELLE
click_twips "$MAIN" $EDITOR
click_twips "$MAIN" 240 4800 1335 375 # the entry box
for number in 7 1994 400 3888 12; do
    xdotool type --delay 40 "$number"
    xdotool key Return
done
picture "$MAIN" editor
click_twips "$MAIN" 240 480 1335 375 # "Abbrechen"
click_twips "$MAIN" $MEMOSPIEL
MEMO=$(wait_window "Tavlo-Memospiel (Einer)") || fail "no memory window"
python3 "$E2E_DIR/play_memory.py" "$MEMO" 3 >/dev/null || fail "memory not played"
for card in 1 2 3 4 5 6 7 8 9 10 11 12; do
    [ "$(pixel "$MEMO" $(((240 + 1080 * ((card - 1) % 6)) / 15 + 5)) \
        $(((1080 + 1920 * ((card - 1) / 6)) / 15 + 5)))" = "0,0,128" ] && break
done
click_twips "$MEMO" $((240 + 1080 * ((card - 1) % 6))) $((1080 + 1920 * ((card - 1) / 6))) 975 1815
picture "$MEMO" memory
click_twips "$MEMO" 120 120 1095 495
answer_box "Tavlo-Memospiel" Ja "$MEMO" >/dev/null
MAIN=$(wait_window "$MAIN_TITLE") || fail "main window not back"
click_twips "$MAIN" $PAARSPIEL
GAME=$(wait_window "Tavlo-Paarspiel") || fail "no pair window"
python3 "$E2E_DIR/play_pairs.py" "$GAME" 4 >/dev/null || fail "pairs not played"
picture "$GAME" pairs
echo ok
