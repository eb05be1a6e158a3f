# A whole round of the pair game in its centred window with real mouse drags: right drops
# empty their lower labels, wrong drops change nothing, the ninth brings the message and a
# new round.
. "$E2E_DIR/lib.sh"
start_app
click_twips "$MAIN" $PAARSPIEL
GAME=$(wait_window "Tavlo-Paarspiel") || fail "pair window not shown"
[ "$(client_size "$GAME")" = "683x433" ] || fail "pair window is $(client_size "$GAME")"
expect_centred "$GAME" "the pair window"
box=$(python3 "$E2E_DIR/play_pairs.py" "$GAME") || fail "round not played through: $box"
[ "$(xdotool getwindowname "$box")" = "Tavlo-Paarspiel" ] || fail "unexpected box"
answer_box "Tavlo-Paarspiel" OK "$GAME" "$MAIN" >/dev/null
# A new round: every lower label shows a numeral again.
for row in 3480 4440 5400; do
    for left in 1800 4560 7320; do
        [ "$(colours_in "$GAME" $((left / 15 + 4)) $((row / 15 + 4)) 169 49)" -gt 1 ] ||
            fail "lower label at $left,$row empty after the round"
    done
done
is_shown "Tavlo-Paarspiel" "$GAME" || fail "pair window gone"
echo ok
