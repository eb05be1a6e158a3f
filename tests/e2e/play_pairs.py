"""Plays a whole round of the pair game with real mouse drags, finding pairs by trying.

A right drop empties its lower label; a wrong drop must change no pixel of the board.
Prints the id of the completion message box, or "done" after the given number of right
drops. Usage: play_pairs.py PAIR_WINDOW_ID [RIGHT_DROPS]
"""
import sys
import time

from screen import Picture, drag, pair_label_centre as centre, pair_label_rect as label_rect, \
    windows_named

GAME = sys.argv[1]
RIGHT_DROPS = int(sys.argv[2]) if len(sys.argv) > 2 else 9


def is_empty(picture, n):
    left, top, width, height = label_rect(n)
    return picture.is_plain(left + 4, top + 4, width - 8, height - 8)


def message_box(wait=0.0):
    deadline = time.time() + wait
    while True:
        boxes = windows_named("^Tavlo-Paarspiel$", exclude=(GAME,))
        if boxes or time.time() >= deadline:
            return boxes[0] if boxes else None
        time.sleep(0.1)


before = Picture(GAME)
if any(is_empty(before, n) for n in range(10, 19)):
    sys.exit("a lower label is empty at the start of a round")
for source in range(10, 19):
    for target in range(1, 10):
        drag(GAME, centre(source), centre(target))
        box = message_box()
        if box:
            print(box)
            sys.exit(0)
        after = Picture(GAME)
        # The last right drop brings the box, which a slow machine shows a little later.
        if source == 18 and (is_empty(after, source) or after.pixels != before.pixels):
            box = message_box(wait=10)
            if box:
                print(box)
                sys.exit(0)
        if is_empty(after, source):
            before = after
            break
        if after.pixels != before.pixels:
            sys.exit(f"a wrong drop of {source} on {target} changed the board")
    else:
        sys.exit(f"no number took label {source}")
    if source - 9 == RIGHT_DROPS:
        print("done")
        sys.exit(0)
sys.exit("nine right drops brought no message")
