"""Uses the program as a blind learner does: keys alone (xdotool), and only what the screen
reader says, read from its debug log ("SPEECH OUTPUT" lines). The steps are one table of what
the learner does and what must be heard then; the words expected come from rules of this file
applied to what was heard before, never from the program's tables.
Usage: spoken_steps.py ORCA_DEBUG_LOG. Prints "ok"; a failure exits with its reason."""
import re
import subprocess
import sys
import time

VALUES = {"M": 1000, "D": 500, "C": 100, "L": 50, "X": 10, "V": 5, "I": 1}
GREEDY = [(1000, "M"), (900, "CM"), (500, "D"), (400, "CD"), (100, "C"), (90, "XC"),
          (50, "L"), (40, "XL"), (10, "X"), (9, "IX"), (5, "V"), (4, "IV"), (1, "I")]
NUMERAL = r"Römische Zahl (?P<{}>[MDCLXVI](?: [MDCLXVI])*)"
# The program's own words end where the screen reader's begin ("Lesen push button.", "Lesen
# button." or "Lesen" alone, as the release has it): those are never matched.
END = r"(?=[.,]?(?: |$))"
# What the program tells without a move of the focus; a screen reader may put a word of its
# own before it ("notification").
TOLD = r"^(?:[a-z]+ )?"
MAIN_WINDOW = "^Römische Zahlzeichen" + END


def fail(reason):
    sys.exit("FAIL: " + reason)


def value(said):
    """A number heard ("Zahl 9") or a numeral heard letter by letter ("I X", "Römische Zahl
    I X"): a smaller letter before a larger one subtracts."""
    if said.startswith("Zahl "):
        return int(said[5:])
    letters = [VALUES[letter] for letter in said.replace("Römische Zahl ", "").split()]
    return sum(-v if v < after else v for v, after in zip(letters, letters[1:] + [0]))


def spelled(number):
    letters = ""
    for amount, part in GREEDY:
        while number >= amount:
            letters, number = letters + part, number - amount
    return " ".join(letters)


class Listener:
    """What the screen reader says, as its log grows. A wait takes the utterances up to the
    one it looks for and leaves what follows for the next."""

    def __init__(self, log):
        self.log, self.read, self.unread, self.pending = log, 0, "", []

    def listen(self):
        with open(self.log, "rb") as text:
            text.seek(self.read)
            chunk = text.read()
        self.read += len(chunk)
        self.unread += chunk.decode("utf-8", "replace")
        # An utterance may span lines; the voice settings logged after it end it.
        end = 0
        for said in re.finditer(r"SPEECH OUTPUT: '(.*?)' ?\{", self.unread, re.DOTALL):
            self.pending.append(said.group(1))
            end = said.end()
        self.unread = self.unread[end:]

    def wait(self, pattern, seconds=6.0, earlier="forget", once=False):
        """The first utterance that matches; those before it are forgotten, or kept for the
        next wait when the order of two things heard is not fixed. Once: nothing is heard
        twice, so the words are not said again right after."""
        deadline = time.time() + seconds
        while True:
            self.listen()
            for index, utterance in enumerate(self.pending):
                if found := re.search(pattern, utterance):
                    del self.pending[index if earlier == "keep" else 0:index + 1]
                    return self.once(found) if once else found
            if time.time() > deadline:
                return None
            time.sleep(0.1)

    def through(self, pattern, seconds=6.0):
        """All that is said up to and including the first utterance that matches, as one text:
        the order of things heard within it can then be checked."""
        deadline = time.time() + seconds
        while time.time() < deadline:
            self.listen()
            for index, utterance in enumerate(self.pending):
                if re.search(pattern, utterance):
                    heard, self.pending = self.pending[:index + 1], self.pending[index + 1:]
                    return "\n".join(heard)
            time.sleep(0.1)
        return None

    def quiet(self, pause=0.4):
        count, since = -1, time.time()
        while time.time() - since < pause:
            self.listen()
            if len(self.pending) != count:
                count, since = len(self.pending), time.time()
            time.sleep(0.05)

    def settle(self):
        """Lets the screen reader finish (a window just opened says its focus late), so that
        the next key is answered by what follows it."""
        self.quiet()
        return self.forget()

    def answer(self, key_name, pattern, seconds=3.0):
        """Whether what is said in answer to a key matches: its first utterance, past the
        echo of the key's own name where the screen reader echoes keys."""
        deadline = time.time() + seconds
        while time.time() < deadline:
            self.listen()
            said = [u for u in self.pending if u.strip().lower() != key_name.lower()]
            if said:
                self.forget()
                return re.match(pattern, said[0])
            time.sleep(0.05)
        return None

    def once(self, found):
        self.quiet(0.3)
        words = re.sub(TOLD, "", found.group(0), count=1)
        if again := [u for u in self.pending if words in u]:
            fail(f"{words!r} heard twice: then {again[0]!r}")
        return found

    def last_of(self, pattern, others):
        """The first utterance that matches, if no utterance of the others follows it last."""
        if (found := self.wait(pattern)) is None:
            return None
        self.quiet(0.5)
        windows = [u for u in self.forget() if re.search(pattern, u) or re.search(others, u)]
        return found if not windows or re.search(pattern, windows[-1]) else None

    def forget(self):
        self.listen()
        heard, self.pending = self.pending, []
        return heard


def key(*names):
    for name in names:
        subprocess.run(["xdotool", "key", name], check=True)


def reach(ear, name, steps):
    """Presses the keys one by one until a control whose name matches takes the focus."""
    ear.settle()
    for step in steps:
        key(step)
        if found := ear.answer(step, f"(?:{name}){END}"):
            return found
    fail(f"{name!r} never reached with {steps[:3]}")


def play_memory(ear):
    """A whole game by keys, remembering each value heard: the partner of the card face up once
    it is known, else both cards of a pair known, else a new card. Each card is heard with its
    value, a pair as found, the cards of a turn that was none as turned back at the next, and
    the last pair before the box that ends the game."""
    values, found, at, turn, missed = {}, set(), 1, [], False
    while True:
        known = [(a, b) for a in values for b in values
                 if a < b and values[a] == values[b] and a not in found]
        partner = [b for b in values if len(turn) == 1 and b != turn[0]
                   and values[b] == values[turn[0]]]
        if partner:
            card = partner[0]
        elif known and len(turn) != 1:
            card = known[0][0]
        else:
            card = min(c for c in range(1, 19) if c not in values)
        rows, columns = (card - 1) // 6 - (at - 1) // 6, (card - 1) % 6 - (at - 1) % 6
        steps = ["Down"] * rows + ["Up"] * -rows + ["Right"] * columns + ["Left"] * -columns
        ear.settle()
        key(*steps)
        if steps and not ear.wait(rf"^Karte {card}[,:]"):
            fail(f"card {card} never had the focus")
        key("space")
        if len(found) == 16 and len(turn) == 1:
            break  # the last pair
        if len(turn) == 2:
            missed = ear.wait(TOLD + "Die Karten sind wieder verdeckt.", earlier="keep",
                              once=True) or fail(f"{turn} not turned back")
        said = ear.wait(TOLD + rf"Karte {card}: ({NUMERAL.format('v')}|Zahl \d+){END}",
                        once=True) or fail(f"card {card} was not heard")
        at, values[card] = card, value(said[1])
        turn = (turn if len(turn) == 1 else []) + [card]
        if len(turn) == 2 and values[turn[0]] == values[turn[1]]:
            ear.wait(TOLD + "Paar gefunden!", once=True) or fail(f"{turn} not heard as a pair")
            found, turn = found | set(turn), []
    # The winning move before the box; newer releases say it with the box, as its first words.
    heard = ear.through("Das Spiel ist beendet!") or fail("the end of the game was not heard")
    if not re.search(rf"Karte {card}: .*Paar gefunden!.*Das Spiel ist beendet!", heard, re.DOTALL):
        fail(f"the last pair was not heard before the end of the game: {heard!r}")
    if not missed:
        fail("no turn missed, so none was heard turned back")


def play_pairs(ear):
    """A whole round by keys from the top left number. Walks the board once, hearing every
    number and numeral, then picks up each numeral and places it on its number; the first is
    tried on a wrong number first. Each is heard picked up, the wrong place as "Falsch", the
    right one as "Richtig", and the ninth "Richtig" before the box that ends the round."""
    cell = r"(?:Zahl (?P<number>\d+)|" + NUMERAL.format("numeral") + ")" + END
    names, at = {}, 0
    # Three columns: numbers in rows 0 to 2, numerals in rows 3 to 5, walked row by row.
    walk = [("Right", 1), ("Left", 0)] + list(zip(
        ["Right", "Right", "Down", "Left", "Left", "Down"] * 3,
        [1, 2, 5, 4, 3, 6, 7, 8, 11, 10, 9, 12, 13, 14, 17, 16, 15]))
    ear.settle()
    for step, index in walk:
        key(step)
        heard = ear.answer(step, cell) or fail(f"board cell {index} not heard")
        names[index], at = heard["number"] or heard["numeral"], index
    free = {i: int(names[i]) for i in range(9)}
    numerals = {i: value(names[i]) for i in range(9, 18)}

    def go(target, pattern):
        nonlocal at
        rows, columns = target // 3 - at // 3, target % 3 - at % 3
        steps = ["Down"] * rows + ["Up"] * -rows + ["Right"] * columns + ["Left"] * -columns
        ear.settle()
        key(*steps)
        at = target
        if steps and not ear.wait("^" + pattern + END):
            fail(f"{pattern!r} never had the focus")

    for count, (index, number) in enumerate(sorted(numerals.items()), start=1):
        numeral = f"Römische Zahl {spelled(number)}"
        go(index, numeral)
        key("space")
        ear.wait(TOLD + numeral + ", zum Ablegen ausgewählt", once=True) or fail(f"{numeral} not picked up")
        if count == 1:
            wrong = next(i for i in free if free[i] != number)
            go(wrong, f"Zahl {free[wrong]}")
            key("space")
            ear.wait(TOLD + f"Falsch: {numeral} gehört nicht zu Zahl {free[wrong]}",
                     once=True) or fail(f"{numeral} on {free[wrong]} not heard as wrong")
        right = next(i for i in free if free[i] == number)
        go(right, f"Zahl {number}")
        key("space")
        del free[right]
        if not free:
            break
        # Where the number's own new name tells the place, "Richtig" alone follows it.
        ear.wait(TOLD + f"Richtig(?:: Zahl {number}, {numeral})?" + END,
                 once=True) or fail(f"{numeral} on its number not heard as right")
    # The ninth before the box; newer releases say it with the box, as its first words.
    end = "Prima, du hast alle Aufgaben gelöst."
    heard = ear.through(end) or fail("the end of the round was not heard")
    if not re.search(r"Richtig.*" + end, heard, re.DOTALL):
        fail(f"the ninth numeral was not heard before the end of the round: {heard!r}")


def year_with_ones(heard):
    year, ones = int(time.strftime("%Y")), int(heard["ones"])
    return year - year % 10 + (ones + 1 if ones < 9 else ones - 1)


# Back from a game, the main window is where the learner ends up. Orca 51 under load may
# present the game window's focus between two main-window titles (a known fault, not a repeat).
BACK_IN_MAIN = (MAIN_WINDOW, "^Tavlo-")


class SaidAgainMaybe(str):
    """What a screen reader may say twice by its own timing: Orca 48, back in a window whose
    focused control was just renamed, presents the focus and then the new name, or only once
    when the name came first."""


LEAVE_GAME = [(("tab", "Beenden"), None), (("key", "space"), "Dieses Spiel jetzt beenden"),
              (("tab", "Ja"), None), (("key", "space"), BACK_IN_MAIN)]
# A "do" is a verb and its argument: "tab" until the control named has the focus, "key",
# "type" text, "keys": the on-screen key of each character, "memory" and "pairs" a whole
# game. Named groups of what is heard are
# kept; an argument or a pattern may be a function of them.
STEPS = [
    # Reading: the task; a digit nowhere in its number is "falsch"; the right digits are
    # praised; the next task comes after the window is active again, which would cut it off.
    (("tab", "Lesen"), None),
    (("key", "space"), TOLD + "Aufgabe: " + NUMERAL.format("task")),
    (("tab", lambda h: next(d for d in "0123456789" if d not in str(value(h["task"])))), None),
    (("key", "space"), TOLD + "falsch" + END),
    (("tab", "löschen"), None),
    (("key", "space"), None),
    (("keys", lambda h: str(value(h["task"]))), "Prima, die Eingabe ist richtig!"),
    (("key", "Return"), MAIN_WINDOW),
    (None, TOLD + "Aufgabe: " + NUMERAL.format("task")),
    # Writing: the number; its numeral is praised; the next task.
    (("tab", "Schreiben"), None),
    (("key", "space"), TOLD + r"Aufgabe: Zahl (?P<number>\d+)"),
    (("keys", lambda h: spelled(int(h["number"])).replace(" ", "")),
     "Prima, die Eingabe ist richtig!"),
    (("key", "Return"), MAIN_WINDOW),
    (None, TOLD + r"Aufgabe: Zahl \d+"),
    # Number field: a slider moved by a key makes the numeral of the year with that digit.
    (("tab", r"Einer: (?P<ones>\d)"), None),
    (("key", lambda h: "Right" if h["ones"] != "9" else "Left"),
     lambda h: TOLD + f"Römische Zahl {spelled(year_with_ones(h))}" + END),
    # Memory game, played to its end, which leads back to the main window.
    (("tab", "Memospiel"), None),
    (("key", "space"), "Tavlo-Memospiel"),
    (("tab", "Karte 1, verdeckt"), None),
    (("memory", None), None),
    (("key", "Return"), BACK_IN_MAIN),
    # Pair game, a whole round; then a new one.
    (("tab", "Paarspiel"), None),
    (("key", "space"), "Tavlo-Paarspiel"),
    (("tab", r"Zahl \d+"), None),
    (("pairs", None), None),
    # Closing the box, the focus is heard back on a number of the new round.
    (("key", "Return"), SaidAgainMaybe(r"^Zahl \d+" + END)),
    *LEAVE_GAME,
    # Worksheet editor: the line a number adds, and the line "Löschen" removes.
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
        verb, argument = (p(heard) if callable(p) else p for p in do or [None, None])
        found = None
        if verb == "tab":
            found = reach(ear, argument, ["Tab"] * 40)
        elif verb == "memory":
            play_memory(ear)
        elif verb == "pairs":
            play_pairs(ear)
        elif verb == "keys":
            for character in argument:
                reach(ear, re.escape(character), ["Tab"] * 40)
                key("space")
        elif verb == "type":
            subprocess.run(["xdotool", "type", "--delay", "100", argument], check=True)
        elif verb == "key":
            key(argument)
        heard.update(found.groupdict() if found else {})
        pattern = expected(heard) if callable(expected) else expected
        if isinstance(pattern, tuple):
            found = ear.last_of(*pattern)
        elif pattern:
            found = ear.wait(pattern, once=not isinstance(pattern, SaidAgainMaybe))
        if pattern and not found:
            fail(f"step {number} {verb} {argument!r}: {pattern!r} not heard; "
                 f"heard {ear.forget()[-10:]}")
        heard.update(found.groupdict() if pattern else {})
    print("ok")


if __name__ == "__main__":
    listener = Listener(sys.argv[1])
    if not listener.wait(MAIN_WINDOW, seconds=20):
        fail("the main window was never heard at start")
    run(listener)
