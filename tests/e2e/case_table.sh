# "T a b e l l e" lays the table over the number field; the button again gives it back.
. "$E2E_DIR/lib.sh"
start_app
field_pixel() { pixel "$MAIN" 150 20; }  # inside feld1, left of its text
[ "$(field_pixel)" = "255,255,192" ] || fail "number field not shown at start: $(field_pixel)"
before=$(region_sum "$MAIN" 144 16 521 153)
click_twips "$MAIN" $TABELLE
[ "$(field_pixel)" = "0,255,255" ] || fail "table panel not over the field: $(field_pixel)"
[ "$(colours_in "$MAIN" 160 16 500 150)" -gt 2 ] || fail "table printed nothing"
click_twips "$MAIN" $TABELLE
[ "$(region_sum "$MAIN" 144 16 521 153)" = "$before" ] || fail "number field changed"
echo ok
