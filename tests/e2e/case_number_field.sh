# A click on a slider's arrow changes the number field on screen; the opposite arrow gives
# back exactly the picture it had.
. "$E2E_DIR/lib.sh"
start_app
field="144 16 521 57"   # feld1
digit="528 88 49 41"    # the ones digit label
before=$(region_sum "$MAIN" $field)
before_digit=$(region_sum "$MAIN" $digit)
# HBildlauf4: Left 7560, Top 1920, 1335 x 375 twips; its arrows sit at both ends.
right_arrow_x=$(((7560 + 1335) / 15 - 6))
left_arrow_x=$((7560 / 15 + 6))
arrow_y=$(((1920 + 375 / 2) / 15))
current_year_ones=$(($(date +%Y) % 10))
if [ "$current_year_ones" -eq 9 ]; then
    first=$left_arrow_x second=$right_arrow_x
else
    first=$right_arrow_x second=$left_arrow_x
fi
click "$MAIN" "$first" "$arrow_y"
[ "$(region_sum "$MAIN" $field)" != "$before" ] || fail "numeral did not change"
[ "$(region_sum "$MAIN" $digit)" != "$before_digit" ] || fail "digit did not change"
click "$MAIN" "$second" "$arrow_y"
[ "$(region_sum "$MAIN" $field)" = "$before" ] || fail "numeral not as before"
[ "$(region_sum "$MAIN" $digit)" = "$before_digit" ] || fail "digit not as before"
echo ok
