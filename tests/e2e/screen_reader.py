"""Plays the program as a screen reader user does, through AT-SPI alone.

Controls are found by role and spoken name and pressed through their accessible actions; the
one key used goes through the X server. Numerals are read back into numbers with the usual
rule of letter values (a smaller letter before a larger one subtracts), independent of the
program's tables. Prints "ok" at the end; any failure exits with its reason.
"""
import subprocess
import sys
import time

import pyatspi

VALUES = {"I": 1, "V": 5, "X": 10, "L": 50, "C": 100, "D": 500, "M": 1000}


def value_of(numeral):
    """The number a numeral stands for; its letters may be spaced out."""
    letters = [VALUES[letter] for letter in numeral if letter != " "]
    total = 0
    for at, letter in enumerate(letters):
        following = letters[at + 1] if at + 1 < len(letters) else 0
        total += -letter if letter < following else letter
    return total


def spoken_value(spoken):
    """The number in what the program says for a number ("Zahl 48") or a numeral
    ("Römische Zahl X L V I I I")."""
    if spoken.startswith("Zahl "):
        return int(spoken[len("Zahl "):])
    if spoken.startswith("Römische Zahl "):
        return value_of(spoken[len("Römische Zahl "):])
    fail(f"{spoken!r} names no number")


def fail(reason):
    sys.exit("FAIL: " + reason)


def wait_for(what, find, seconds=10.0):
    """Asks until find() gives something, or fails naming what was awaited."""
    deadline = time.time() + seconds
    while time.time() < deadline:
        try:
            found = find()
        except Exception:  # the tree changes under the walk; ask again
            found = None
        if found:
            return found
        time.sleep(0.1)
    fail("no " + what)


def application():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "zahlzeichen":
            return app
    return None


def frame(title):
    app = application()
    if app is None:
        return None
    for window in app:
        if window is not None and window.name == title and showing(window):
            return window
    return None


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def descendants(node):
    for child in node:
        if child is None:
            continue
        yield child
        yield from descendants(child)


def find(node, role, name=None, starts=None):
    for child in descendants(node):
        if child.getRole() != role:
            continue
        if (name is None or child.name == name) and (starts is None or child.name.startswith(starts)):
            return child
    return None


def names(node, role):
    return [child.name for child in descendants(node) if child.getRole() == role]


def press(control):
    actions = control.queryAction()
    for index in range(actions.nActions):
        if actions.getName(index).lower() == "press":
            actions.doAction(index)
            time.sleep(0.15)
            return
    fail(f"{control.name!r} cannot be pressed")


def button(node, name):
    return wait_for(f"button {name!r}", lambda: find(node, pyatspi.ROLE_PUSH_BUTTON, name))


def answer_message(title_part):
    """Presses OK in the program's message box whose title holds the given text."""
    def box():
        app = application()
        for window in app:
            if window is not None and title_part in window.name and showing(window):
                ok = find(window, pyatspi.ROLE_PUSH_BUTTON, "OK")
                if ok:
                    return ok
        return None
    press(wait_for(f"message box {title_part!r}", box))


def reading_task():
    main = wait_for("main window", lambda: frame("Römische Zahlzeichen"))
    keys = names(main, pyatspi.ROLE_PUSH_BUTTON)
    for out_of_sight in ("1", "0", "löschen", "M", "Abbrechen", "Kopieren"):
        if out_of_sight in keys:
            fail(f"key {out_of_sight!r} of a panel out of sight is in the tree")
    press(button(main, "Lesen"))
    task = wait_for("reading task", lambda: find(main, pyatspi.ROLE_LABEL, starts="Aufgabe: "))
    keys = names(main, pyatspi.ROLE_PUSH_BUTTON)
    if "M" in keys or "Abbrechen" in keys:
        fail("writing or editor keys are in the tree beside the reading exercise")
    number = str(spoken_value(task.name[len("Aufgabe: "):]))
    answer = find(main, pyatspi.ROLE_TEXT, "Deine Antwort")
    wrong = next(digit for digit in "0123456789" if digit not in number)
    press(button(main, wrong))
    wait_for("'falsch' for a wrong digit", lambda: answer.description == "falsch")
    press(button(main, "löschen"))
    wait_for("the answer emptied", lambda: answer.description == "")
    for digit in number:
        press(button(main, digit))
    answer_message(" = " + number)
    wait_for("one right answer counted",
             lambda: find(main, pyatspi.ROLE_LABEL, "Richtig: 1"))


def card_names(memo):
    return {int(card.name.split()[1].rstrip(":,")): card.name
            for card in descendants(memo)
            if card.getRole() == pyatspi.ROLE_PUSH_BUTTON and card.name.startswith("Karte ")}


def card(memo, number):
    return wait_for(f"card {number}", lambda: find(memo, pyatspi.ROLE_PUSH_BUTTON,
                                                  starts=f"Karte {number}"))


def memory_game():
    main = frame("Römische Zahlzeichen")
    press(button(main, "Memospiel"))
    memo = wait_for("memory window", lambda: frame("Tavlo-Memospiel (Einer)"))
    press(button(memo, "Einer"))
    if any("verdeckt" not in name for name in card_names(memo).values()):
        fail("a card shows its value before it is turned")
    values = {}
    # First look at every card, two at a time, as a player with a good memory does.
    for first in range(1, 19, 2):
        for number in (first, first + 1):
            press(card(memo, number))
            name = wait_for(f"card {number} turned",
                            lambda: "verdeckt" not in card(memo, number).name
                            and card(memo, number).name)
            if ": " in name:
                values[number] = spoken_value(name.split(": ", 1)[1])
    # Then turn the pairs not found by chance on the way.
    for value in range(1, 10):
        pair = [n for n, v in values.items()
                if v == value and "gefunden" not in card(memo, n).name]
        if not pair:
            continue
        if len(pair) != 2:
            fail(f"value {value} is on cards {pair}")
        for number in pair:
            press(card(memo, number))
    answer_message("Tavlo-Memory")
    wait_for("main window back after the game", lambda: frame("Römische Zahlzeichen"))


def pair_round():
    main = frame("Römische Zahlzeichen")
    press(button(main, "Paarspiel"))
    pairs = wait_for("pair window", lambda: frame("Tavlo-Paarspiel"))
    labels = [child for child in descendants(pairs) if child.getRole() == pyatspi.ROLE_PUSH_BUTTON
              and child.name not in ("Beenden", "Neu", "Hilfe")]
    numbers = [label for label in labels if label.name.startswith("Zahl ")]
    numerals = [label for label in labels if label.name.startswith("Römische Zahl ")]
    if len(numbers) != 9 or len(numerals) != 9:
        fail(f"the board reads {[label.name for label in labels]}")
    # Picked and let go again with Escape, through the X server.
    press(numerals[0])
    wait_for("a picked numeral", lambda: numerals[0].name.endswith(", ausgewählt"))
    subprocess.run(["xdotool", "key", "Escape"], check=True)
    wait_for("the numeral let go", lambda: not numerals[0].name.endswith(", ausgewählt"))
    for placed, number in enumerate(numbers, start=1):
        value = spoken_value(number.name)
        source = next(label for label in numerals if label.name.startswith("Römische Zahl ")
                      and spoken_value(label.name) == value)
        spelled = source.name
        press(source)
        press(number)
        if placed < 9:
            wait_for(f"{spelled} placed on {value}",
                     lambda: number.name.startswith(f"Zahl {value}, {spelled}")
                     and source.name == "Leeres Feld")
    answer_message("Tavlo-Paarspiel")
    wait_for("a new round", lambda: all("," not in label.name for label in numbers))


reading_task()
memory_game()
pair_round()
print("ok")
