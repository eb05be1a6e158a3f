"""What the end-to-end players see and do: window pictures, pixels, clicks and drags."""
import subprocess
import time


def run(*command):
    return subprocess.run(command, capture_output=True, text=True).stdout


def windows_named(pattern, exclude=()):
    """Visible windows whose title matches a regular expression, newest first."""
    found = run("xdotool", "search", "--onlyvisible", "--name", pattern).split()
    return sorted((w for w in found if w not in exclude), key=int, reverse=True)


class Picture:
    """One grab of a window's client area."""

    def __init__(self, window):
        data = subprocess.run(["import", "-window", window, "-depth", "8", "ppm:-"],
                              capture_output=True, check=True).stdout
        # P6 header: magic, width, height, maximum, each followed by one blank.
        fields = data.split(maxsplit=4)
        self.width, self.height = int(fields[1]), int(fields[2])
        self.pixels = fields[4]

    def pixel(self, x, y):
        at = 3 * (y * self.width + x)
        return tuple(self.pixels[at:at + 3])

    def region(self, x, y, width, height):
        return [self.pixels[3 * ((y + row) * self.width + x):3 * ((y + row) * self.width + x + width)]
                for row in range(height)]

    def is_plain(self, x, y, width, height):
        """True when the rectangle holds a single colour."""
        rows = self.region(x, y, width, height)
        first = rows[0][:3]
        return all(row == first * width for row in rows)


def click(window, x, y, pause=0.12):
    run("xdotool", "mousemove", "--window", window, str(x), str(y), "click", "1")
    time.sleep(pause)


def drag(window, start, end, steps=8):
    """Presses on start, moves in steps as a hand does, releases on end."""
    run("xdotool", "mousemove", "--window", window, str(start[0]), str(start[1]))
    time.sleep(0.05)
    run("xdotool", "mousedown", "1")
    time.sleep(0.1)
    for step in range(1, steps + 1):
        x = start[0] + (end[0] - start[0]) * step // steps
        y = start[1] + (end[1] - start[1]) * step // steps
        run("xdotool", "mousemove", "--window", window, str(x), str(y))
        time.sleep(0.03)
    time.sleep(0.05)
    run("xdotool", "mouseup", "1")
    time.sleep(0.2)


def twips_centre(left, top, width, height, origin=(0, 0)):
    return ((origin[0] + left + width // 2) // 15, (origin[1] + top + height // 2) // 15)


def pair_label_rect(n):
    """Left, top, width, height in pixels of label n of the pair window (1-9 upper field,
    10-18 lower box)."""
    index = (n - 1) % 9
    top = (360, 1320, 2280)[index // 3] if n <= 9 else (3480, 4440, 5400)[index // 3]
    return ((1800, 4560, 7320)[index % 3] // 15, top // 15, 2655 // 15, 855 // 15)


def pair_label_centre(n, origin=(0, 0)):
    left, top, width, height = pair_label_rect(n)
    return (origin[0] + left + width // 2, origin[1] + top + height // 2)


def client_origin(picture, background, width):
    """Top left of a window's client area inside a larger picture: the first run of exactly
    its width in its background colour (its top row, which no control covers)."""
    line = bytes(background) * width
    at = picture.pixels.find(line)
    while at >= 0:
        x, y = at // 3 % picture.width, at // 3 // picture.width
        if at % 3 == 0 and (x == 0 or picture.pixel(x - 1, y) != tuple(background)):
            return (x, y)
        at = picture.pixels.find(line, at + 1)
    return None
