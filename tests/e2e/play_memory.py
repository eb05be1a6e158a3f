"""Plays a whole memory game with mouse clicks alone, finding pairs by trying.

A found pair turns white at once; that is all it looks at. Prints "done" when no card in
play is left, or when the given number of pairs is found.
Usage: play_memory.py MEMO_WINDOW_ID [PAIRS]
"""
import sys

from screen import Picture, click

MEMO = sys.argv[1]
PAIRS = int(sys.argv[2]) if len(sys.argv) > 2 else 9


def card_corner(n):
    """A pixel inside card n, clear of its text."""
    row, column = (n - 1) // 6, (n - 1) % 6
    return ((240 + 1080 * column) // 15 + 5, (1080 + 1920 * row) // 15 + 5)


def card_centre(n):
    row, column = (n - 1) // 6, (n - 1) % 6
    return ((240 + 1080 * column + 487) // 15, (1080 + 1920 * row + 907) // 15)


def white_cards():
    picture = Picture(MEMO)
    return {n for n in range(1, 19) if picture.pixel(*card_corner(n)) == (255, 255, 255)}


found = white_cards()
if found:
    sys.exit("cards are white before the game")
for first in range(1, 19):
    if first in found:
        continue
    click(MEMO, *card_centre(first))
    for second in range(first + 1, 19):
        if second in found:
            continue
        click(MEMO, *card_centre(second))
        now_white = white_cards() if len(found) < 16 else {first, second} | found
        if {first, second} <= now_white:
            found |= {first, second}
            break
        if now_white != found:
            sys.exit(f"cards {sorted(now_white - found)} turned white without being a pair")
        click(MEMO, *card_centre(first))  # turns the two back and this one up again
    else:
        sys.exit(f"no partner for card {first}")
    if len(found) == 2 * PAIRS:
        print("done")
        sys.exit(0)
