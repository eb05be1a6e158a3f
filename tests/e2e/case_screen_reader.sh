# The program as a screen reader meets it: on its own session bus and accessibility bus,
# driven through AT-SPI alone (controls found by role and spoken name, pressed through their
# actions; keys through the X server). Solves a reading task, plays a whole memory game at
# level "E" and a whole pair-game round, and finds nothing of a panel out of sight.
. "$E2E_DIR/lib.sh"
play_through_atspi xcb "$E2E_DIR/screen_reader.py"
