"""Plays the program as a screen reader user does, through AT-SPI alone.

Controls are found by role and spoken name and pressed through their accessible actions; the
one key used goes through the X server. Numerals are read back with the usual rule of letter
values (a smaller letter before a larger one subtracts), independent of the program's tables.
Prints "ok" at the end; a failure exits with its reason.
"""
import subprocess
import sys
import time

import pyatspi

VALUES = {"I": 1, "V": 5, "X": 10, "L": 50, "C": 100, "D": 500, "M": 1000}
BUTTON, LABEL = pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_LABEL


def fail(reason):
    sys.exit("FAIL: " + reason)


def spoken_value(spoken):
    """The number in what is said for a number ("Zahl 48") or a numeral ("Römische Zahl X L")."""
    if spoken.startswith("Zahl "):
        return int(spoken[len("Zahl "):])
    letters = [VALUES[letter] for letter in spoken[len("Römische Zahl "):].split()]
    return sum(-value if value < following else value
               for value, following in zip(letters, letters[1:] + [0]))


def wait_for(what, find, seconds=10.0):
    """Asks until find() gives something; the tree may change under a walk, so ask again."""
    deadline = time.time() + seconds
    while time.time() < deadline:
        try:
            found = find()
        except Exception:
            found = None
        if found:
            return found
        time.sleep(0.1)
    fail("no " + what)


def windows():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "zahlzeichen":
            return [w for w in app if w is not None and w.getState().contains(pyatspi.STATE_SHOWING)]
    return []


def window(title):
    return wait_for(title, lambda: next((w for w in windows() if w.name == title), None))


def descendants(node):
    for child in node:
        if child is not None:
            yield child
            yield from descendants(child)


def find(node, role, name=None, starts=""):
    return next((c for c in descendants(node) if c.getRole() == role and c.name.startswith(starts)
                 and name in (None, c.name)), None)


def press(control):
    actions = control.queryAction()
    index = next(i for i in range(actions.nActions) if actions.getName(i).lower() == "press")
    actions.doAction(index)
    time.sleep(0.15)


def button(node, name):
    return wait_for(f"button {name!r}", lambda: find(node, BUTTON, name))


def answer_message(title_part, answer="OK"):
    """Presses a button ("OK", "Ja", "Nein") in the message box whose title holds the text."""
    press(wait_for(f"message box {title_part!r}", lambda: next(
        (ok for w in windows() if title_part in w.name for ok in [find(w, BUTTON, answer)] if ok),
        None)))


def reading_task(main):
    def keys():
        return [c.name for c in descendants(main) if c.getRole() == BUTTON]
    if {"1", "löschen", "M", "Abbrechen"} & set(keys()):
        fail(f"keys of panels out of sight are in the tree: {keys()}")
    press(button(main, "Lesen"))
    task = wait_for("reading task", lambda: find(main, LABEL, starts="Aufgabe: "))
    if {"M", "Abbrechen"} & set(keys()):
        fail("keys of the writing exercise or the editor are in the tree")
    number = str(spoken_value(task.name[len("Aufgabe: "):]))
    answer = find(main, pyatspi.ROLE_TEXT, "Deine Antwort")
    press(button(main, next(digit for digit in "0123456789" if digit not in number)))
    wait_for("'falsch' said for a wrong digit", lambda: answer.description == "falsch")
    press(button(main, "löschen"))
    for digit in number:
        press(button(main, digit))
    answer_message(" = " + number)
    wait_for("a right answer counted", lambda: find(main, LABEL, "Richtig: 1"))


def memory_game(main):
    press(button(main, "Memospiel"))
    memo = window("Tavlo-Memospiel (Einer)")
    press(button(memo, "Einer"))

    def card(number):
        return wait_for(f"card {number}", lambda: find(memo, BUTTON, starts=f"Karte {number}"))
    # Every card looked at once, two at a time, as a player with a good memory does; a card
    # says its value only while it is face up.
    values = {}
    for number in range(1, 19):
        if "verdeckt" not in card(number).name:
            fail(f"{card(number).name!r} before it is turned")
        press(card(number))
        said = wait_for(f"card {number} turned", lambda: "verdeckt" not in card(number).name
                        and card(number).name)
        if ": " in said:
            values[number] = spoken_value(said.split(": ", 1)[1])
    for value in range(1, 10):
        pair = [n for n, v in values.items() if v == value and "gefunden" not in card(n).name]
        if len(pair) not in (0, 2):
            fail(f"value {value} is on cards {pair}")
        for number in pair:
            press(card(number))
    answer_message("Tavlo-Memory")
    window("Römische Zahlzeichen")


def pair_board(pairs):
    """The nine numbers and the nine numerals, each in the order of the board."""
    numbers = [c for c in descendants(pairs) if c.getRole() == BUTTON and c.name.startswith("Zahl ")]
    numerals = [c for c in descendants(pairs) if c.getRole() == BUTTON
                and c.name.startswith("Römische Zahl ")]
    if len(numbers) != 9 or len(numerals) != 9:
        fail(f"the board reads {[c.name for c in numbers + numerals]}")
    return numbers, numerals


def place(number, numerals, put, check=True):
    """Finds the numeral that belongs on a number and hands it to put(); unless the drop
    ends the round, the numeral must then be gone from its box and shown with the number."""
    value = spoken_value(number.name)
    source = next(c for c in numerals
                  if c.name.startswith("Römische") and spoken_value(c.name) == value)
    spelled = source.name
    put(source)
    if check:
        wait_for(f"{spelled} placed on {value}", lambda: source.name == "Leeres Feld"
                 and number.name.startswith(f"Zahl {value}, {spelled}"))


def pair_round(main):
    press(button(main, "Paarspiel"))
    numbers, numerals = pair_board(window("Tavlo-Paarspiel"))
    press(numerals[0])
    wait_for("a numeral picked", lambda: numerals[0].name.endswith(", zum Ablegen ausgewählt"))
    subprocess.run(["xdotool", "key", "Escape"], check=True)
    wait_for("the numeral let go", lambda: not numerals[0].name.endswith(", zum Ablegen ausgewählt"))
    for placed, number in enumerate(numbers, start=1):
        place(number, numerals, lambda source: (press(source), press(number)), placed < 9)
    answer_message("Tavlo-Paarspiel")
    wait_for("a new round", lambda: all("," not in c.name for c in numbers))


if __name__ == "__main__":
    main_window = window("Römische Zahlzeichen")
    reading_task(main_window)
    memory_game(main_window)
    pair_round(main_window)
    print("ok")
