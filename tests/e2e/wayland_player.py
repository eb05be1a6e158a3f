"""Plays the program as a Wayland client of Weston, step by step as named on the command line.

Controls are found and pressed through AT-SPI as a screen reader does; what no press action
does (a drag, typing, a click that gives the keyboard to the window) goes through Weston's own
pointer and keyboard. Weston places windows where it likes, so a window is found on its
screen by the top row of its client area. Prints each step done; a failure exits with its
reason. Usage: wayland_player.py STEP...
"""
import os
import subprocess
import sys

from screen import Picture, click, client_origin, drag, pair_label_centre, run, twips_centre
from screen_reader import (BUTTON, answer_message, button, fail, find, pair_board, place, press,
                           reading_task, wait_for, window)

WESTON = os.environ["WESTON"]
BACKGROUND = (128, 255, 255)  # of the main window and the pair window alike


def origin(client_width):
    """Where the shown window of this client width lies on Weston's screen."""
    # The pointer waits on the panel, where it hides no window's top row.
    run("xdotool", "mousemove", "--window", WESTON, "40", "12")
    return wait_for("the window on Weston's screen",
                    lambda: client_origin(Picture(WESTON), BACKGROUND, client_width))


# The pair game's board as read when the game opened, in the order of its labels: numbers 1
# to 9, then numerals 10 to 18. A placed numeral's label is no numeral any more.
board = []


def pick(main):
    press(button(main, "Paarspiel"))
    board[:] = pair_board(window("Tavlo-Paarspiel"))
    numbers, numerals = board
    place(numbers[0], numerals, lambda source: (press(source), press(numbers[0])))


def drag_pair(main):
    numbers, numerals = board
    game = origin(683)
    place(numbers[4], numerals, lambda source: drag(
        WESTON, pair_label_centre(10 + numerals.index(source), game), pair_label_centre(5, game)))


def memory_turn(main):
    press(button(main, "Memospiel"))
    memo = window("Tavlo-Memospiel (Einer)")
    press(button(memo, "Einer"))
    for number in (1, 2):
        card = wait_for(f"card {number}", lambda: find(memo, BUTTON, starts=f"Karte {number}"))
        press(card)
        wait_for(f"card {number} turned", lambda: "verdeckt" not in card.name)
    leave("Tavlo-Memospiel (Einer)")


def leave(title):
    """"Beenden" in a game window, answered "Ja": the main window comes back."""
    press(button(window(title), "Beenden"))
    answer_message(title.split(" (")[0], "Ja")
    window("Römische Zahlzeichen")


def copy(main):
    press(button(main, "Editor"))
    # "Zahl eingeben" in the editor panel, clicked so that Weston gives the window its keys.
    click(WESTON, *twips_centre(120, 4680, 1335, 375, shifted(origin(682), (120, 120))))
    run("xdotool", "type", "--delay", "50", "7")
    run("xdotool", "key", "Return")
    run("xdotool", "type", "--delay", "50", "x1994")  # the letter is dropped by the entry
    run("xdotool", "key", "KP_Enter")
    press(button(main, "Kopieren"))
    # Read while the program's message box is open: once it closes, Weston's own clipboard
    # takes over the sheet and keeps only its first flavour, the plain text.
    wait_for("HTML on the clipboard", lambda: "text/html" in run("wl-paste", "--list-types"))
    if "Courier New" not in run("wl-paste", "-t", "text/html"):
        fail("HTML without its font")
    answer_message("Kopieren (in CourierNew)")
    plain = subprocess.run(["wl-paste", "--no-newline", "-t", "text/plain"], capture_output=True,
                           check=True).stdout
    if plain.hex(" ") != os.environ["EDITOR_SHEET_BYTES"]:
        fail(f"the clipboard holds {plain!r}")


def shifted(pixels, twips):
    """A pixel origin moved on by a twips offset, as twips_centre takes its origin."""
    return (pixels[0] * 15 + twips[0], pixels[1] * 15 + twips[1])


STEPS = {"reading": reading_task, "memory": memory_turn, "pick": pick, "drag": drag_pair,
         "leave": lambda main: leave("Tavlo-Paarspiel"), "copy": copy}

if __name__ == "__main__":
    main_window = window("Römische Zahlzeichen")
    for step in sys.argv[1:]:
        STEPS[step](main_window)
        print(step, "done")
