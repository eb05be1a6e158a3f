"""Uses the program as a blind learner does: keys alone, and only what the screen reader says.

Keys go through the X server (xdotool); what is heard is read from the screen reader's own
debug log, its "SPEECH OUTPUT" lines. The steps are one table: what the learner does, and
what must be heard after it. Expected words come from rules of this file applied to what was
heard before (a task, a card, a slider's place), never from the program's tables: numerals
are valued and written by the usual rules of letter values.
Usage: spoken_steps.py ORCA_DEBUG_LOG. Prints "ok" at the end; a failure exits with its reason.
"""
import re
import subprocess
import sys
import time

VALUES = {"M": 1000, "D": 500, "C": 100, "L": 50, "X": 10, "V": 5, "I": 1}
GREEDY = [(1000, "M"), (900, "CM"), (500, "D"), (400, "CD"), (100, "C"), (90, "XC"),
          (50, "L"), (40, "XL"), (10, "X"), (9, "IX"), (5, "V"), (4, "IV"), (1, "I")]
NUMERAL = r"Römische Zahl (?P<{}>[MDCLXVI](?: [MDCLXVI])*)"


def fail(reason):
    sys.exit("FAIL: " + reason)


def value(spelled):
    """A numeral heard letter by letter ("X L") as a number: a smaller letter before a
    larger one subtracts."""
    letters = [VALUES[letter] for letter in spelled.split()]
    return sum(-v if v < after else v for v, after in zip(letters, letters[1:] + [0]))


def numeral(number):
    letters = ""
    for amount, part in GREEDY:
        while number >= amount:
            letters, number = letters + part, number - amount
    return letters


def spelled(number):
    return " ".join(numeral(number))


class Listener:
    """What the screen reader says, read from its log as it grows. Each wait takes the
    utterances up to the one it looks for; what follows is left for the next wait."""

    def __init__(self, log):
        self.log, self.read, self.unread, self.pending = log, 0, "", []

    def listen(self):
        with open(self.log, "rb") as text:
            text.seek(self.read)
            chunk = text.read()
        self.read += len(chunk)
        self.unread += chunk.decode("utf-8", "replace")
        # An utterance may span lines; it ends where the voice settings are logged after it.
        end = 0
        for said in re.finditer(r"SPEECH OUTPUT: '(.*?)' ?\{", self.unread, re.DOTALL):
            self.pending.append(said.group(1))
            end = said.end()
        self.unread = self.unread[end:]

    def wait(self, pattern, seconds=6.0):
        """Waits until an utterance matches the pattern; gives the match, or None."""
        deadline = time.time() + seconds
        while True:
            self.listen()
            for index, utterance in enumerate(self.pending):
                found = re.search(pattern, utterance)
                if found:
                    del self.pending[:index + 1]
                    return found
            if time.time() > deadline:
                return None
            time.sleep(0.1)

    def settle(self, quiet=0.4, seconds=3.0):
        """Lets the screen reader finish what it is saying (a window just opened says its
        focus late), so that a key pressed next is answered by what follows it."""
        deadline, count, since = time.time() + seconds, -1, time.time()
        while time.time() < deadline and time.time() - since < quiet:
            self.listen()
            if len(self.pending) != count:
                count, since = len(self.pending), time.time()
            time.sleep(0.05)
        self.forget()

    def forget(self):
        self.listen()
        heard, self.pending = self.pending, []
        return heard


def key(name):
    subprocess.run(["xdotool", "key", name], check=True)


FOCUS = r"^(?P<focused>.+?)\.? (?:push button|scroll bar|text)\b"


def tab_to(ear, name, step="Tab", limit=40):
    """Presses a key until a control whose name matches is heard to take the focus."""
    ear.settle()
    for _ in range(limit):
        ear.forget()
        key(step)
        focus = ear.wait(FOCUS, seconds=3)
        found = focus and re.fullmatch(name, focus["focused"])
        if found:
            return found
    fail(f"{name!r} never reached with {step}")


# Walks the three by three numbers of the pair game from its top left corner, row by row.
SNAKE = ["Up"] * 5 + ["Left"] * 2 + ["Right", "Right", "Down", "Left", "Left", "Down",
                                     "Right", "Right"]


def seek(ear, name):
    """Moves through the numbers of the pair game until one whose name matches is heard."""
    ear.settle()
    for step in SNAKE:
        ear.forget()
        key(step)
        focus = ear.wait(FOCUS, seconds=1)
        found = focus and re.fullmatch(name, focus["focused"])
        if found:
            return found
    fail(f"no number {name!r} on the board")


def play_memory(ear):
    """Turns the cards one by one, as a player who remembers what was heard, until a pair is
    found: every card turned is heard with its value, two cards of one value are heard to be a
    pair, and a turn that was no pair is heard to be turned back at the next card."""
    values, at, turn = {}, 1, []

    def turn_card(card):
        nonlocal at, turn
        rows, columns = (card - 1) // 6 - (at - 1) // 6, (card - 1) % 6 - (at - 1) % 6
        ear.settle()
        steps = ["Down"] * rows + ["Up"] * -rows + ["Right"] * columns + ["Left"] * -columns
        for step in steps:
            key(step)
        at = card
        if steps and not ear.wait(rf"^Karte {card}, verdeckt\.? push button"):
            fail(f"card {card} never had the focus")
        key("space")
        if len(turn) == 2 and not ear.wait(TOLD + "Die Karten sind wieder verdeckt"):
            fail(f"the cards {turn} were not heard to turn back")
        said = ear.wait(TOLD + rf"Karte {card}: (.+?)\.?$")
        if not said:
            fail(f"card {card} was not heard")
        values[card] = worth(said[1])
        turn = turn[-1:] if len(turn) == 1 else []
        turn.append(card)

    while True:
        known = [(a, b) for a in values for b in values if a < b and values[a] == values[b]]
        for card in known[0] if known else [len(values) + 1]:
            turn_card(card)
            if len(turn) == 2 and values[turn[0]] == values[turn[1]]:
                if not ear.wait(TOLD + "Paar gefunden"):
                    fail(f"the pair {turn} was not heard")
                return


def worth(said):
    """What a card says ("Zahl 9", "Römische Zahl I X") as a number."""
    return int(said[5:]) if said.startswith("Zahl ") else value(said[len("Römische Zahl "):])


def year_with_ones(heard):
    year = int(time.strftime("%Y"))
    ones = int(heard["ones"]) + (1 if heard["ones"] != "9" else -1)
    return year - year % 10 + ones


def absent_digit(heard):
    return next(d for d in "0123456789" if d not in str(value(heard["task"])))


# How the screen reader presents what the program tells it, as opposed to a focus move or a
# message box.
TOLD = "^notification "

# What the learner does, and what must be heard then. A "do" is a verb and its argument:
# "tab" presses Tab until the named control has the focus, "move" does the same with another
# key, "key" presses one key, "type" types text, "keys" presses the on-screen keys of each
# character, "seek" walks the pair game's numbers. Named groups of what is heard are kept
# for later steps; an argument or a pattern may be a function of them.
STEPS = [
    # Reading: the task is heard; a digit that is nowhere in its number is "falsch"; the
    # right digits are praised; after OK the next task is heard.
    (("tab", "Lesen"), None),
    (("key", "space"), TOLD + "Aufgabe: " + NUMERAL.format("task")),
    (("tab", absent_digit), None),
    (("key", "space"), TOLD + "falsch"),
    (("tab", "löschen"), None),
    (("key", "space"), None),
    (("keys", lambda h: str(value(h["task"]))), "Prima, die Eingabe ist richtig!"),
    # The next task comes after the window is active again, which would cut it short.
    (("key", "Return"), "^Römische Zahlzeichen frame"),
    (None, TOLD + "Aufgabe: " + NUMERAL.format("task")),
    # Writing: the number is heard; its numeral is praised; the next task is heard.
    (("tab", "Schreiben"), None),
    (("key", "space"), TOLD + r"Aufgabe: Zahl (?P<number>\d+)"),
    (("keys", lambda h: numeral(int(h["number"]))), "Prima, die Eingabe ist richtig!"),
    (("key", "Return"), "^Römische Zahlzeichen frame"),
    (None, TOLD + r"Aufgabe: Zahl \d+"),
    # Number field: a slider moved by a key makes the numeral of the year with that digit.
    (("tab", r"Einer: (?P<ones>\d)"), None),
    (("key", lambda h: "Right" if h["ones"] != "9" else "Left"),
     lambda h: TOLD + f"Römische Zahl {spelled(year_with_ones(h))}\\.?$"),
    # Memory game: cards are turned until a pair is found (see play_memory).
    (("tab", "Memospiel"), None),
    (("key", "space"), "Tavlo-Memospiel"),
    (("tab", "Karte 1, verdeckt"), None),
    (("memory", None), None),
    (("tab", "Beenden"), None),
    (("key", "space"), "Dieses Spiel jetzt beenden"),
    (("tab", "Ja"), None),
    (("key", "space"), "Römische Zahlzeichen"),
    # Pair game: a numeral picked up is heard, a wrong number is "Falsch", its own number
    # takes it.
    (("tab", "Paarspiel"), None),
    (("key", "space"), "Tavlo-Paarspiel"),
    (("tab", r"Zahl \d+"), None),
    (("move", NUMERAL.format("picked"), "Down"), None),
    (("key", "space"), lambda h: TOLD + f"Römische Zahl {h['picked']}, ausgewählt"),
    (("seek", lambda h: rf"Zahl (?!{value(h['picked'])}\b)(?P<wrong>\d+)"), None),
    (("key", "space"),
     lambda h: TOLD + f"Falsch: Römische Zahl {h['picked']} gehört nicht zu Zahl {h['wrong']}"),
    (("seek", lambda h: f"Zahl {value(h['picked'])}"), None),
    (("key", "space"), lambda h: TOLD + f"Richtig: Zahl {value(h['picked'])}, Römische Zahl {h['picked']}"),
    (("tab", "Beenden"), None),
    (("key", "space"), "Dieses Spiel jetzt beenden"),
    (("tab", "Ja"), None),
    (("key", "space"), "Römische Zahlzeichen"),
    # Worksheet editor: the line a number adds is heard, and the line "Löschen" removes.
    (("tab", "Editor"), None),
    (("key", "space"), "Zahl eingeben"),
    (("type", "1994"), None),
    (("key", "Return"), TOLD + f"Neue Zeile: Zahl 1994, Römische Zahl {spelled(1994)}"),
    (("tab", "Löschen"), None),
    (("key", "space"), TOLD + f"Zeile gelöscht: Zahl 1994, Römische Zahl {spelled(1994)}"),
]


def run(ear):
    heard = {}
    for number, (do, expected) in enumerate(STEPS, start=1):
        print(f"step {number}: {do}", file=sys.stderr, flush=True)
        verb, argument, *more = (part(heard) if callable(part) else part for part in do or [None, None])
        if verb is None:
            found = None
        elif verb == "tab":
            found = tab_to(ear, argument)
        elif verb == "move":
            found = tab_to(ear, argument, step=more[0] if more else "Right")
        elif verb == "seek":
            found = seek(ear, argument)
        elif verb == "memory":
            found = play_memory(ear)
        elif verb == "keys":
            found = None
            for character in argument:
                tab_to(ear, re.escape(character))
                key("space")
        elif verb == "type":
            found = None
            subprocess.run(["xdotool", "type", "--delay", "100", argument], check=True)
        else:
            found = None
            key(argument)
        heard.update(found.groupdict() if found else {})
        if expected:
            pattern = expected(heard) if callable(expected) else expected
            found = ear.wait(pattern) if pattern else None
            if pattern and not found:
                fail(f"step {number} {verb} {argument!r}: {pattern!r} not heard; "
                     f"heard {ear.forget()[-10:]}")
            heard.update(found.groupdict() if found else {})
    print("ok")


if __name__ == "__main__":
    listener = Listener(sys.argv[1])
    if not listener.wait(r"^Screen reader on", seconds=20):
        fail("the screen reader did not start: " + open(sys.argv[1], errors="replace").read()[-400:])
    if not listener.wait(r"^Römische Zahlzeichen frame", seconds=20):
        fail("the main window was never announced")
    if not listener.wait(FOCUS):
        fail("the focus in the main window was never announced")
    run(listener)
