# A teacher builds a solution sheet with mouse and keyboard and copies it: the clipboard
# holds exactly its bytes as plain text, and the same lines as HTML.
. "$E2E_DIR/lib.sh"
start_app
click_twips "$MAIN" $EDITOR
# The editor panel lies at 120, 120; Text3 and "Kopieren" inside it.
click_twips "$MAIN" $((120 + 120)) $((120 + 4680)) 1335 375
xdotool type --delay 50 "7"
xdotool key Return
xdotool type --delay 50 "x1994"   # the letter is dropped by the entry
xdotool key KP_Enter
sleep 0.3
click_twips "$MAIN" $((120 + 120)) $((120 + 2880)) 1335 375
answer_box "Kopieren (in CourierNew)" OK "$MAIN" >/dev/null
expected=$EDITOR_SHEET_BYTES
actual=$(xclip -o -selection clipboard -t text/plain | od -An -tx1 | tr -s ' \n' ' ' |
    sed 's/^ //; s/ $//')
[ "$actual" = "$expected" ] || fail "clipboard holds: $actual"
# Beside the plain text, the same lines as HTML in a fixed-pitch font for word processors.
targets=$(xclip -o -selection clipboard -t TARGETS)
echo "$targets" | grep -qx "text/html" || fail "no HTML on the clipboard, only: $targets"
xclip -o -selection clipboard -t text/html | grep -q "Courier New" || fail "HTML without its font"
echo ok
