# Started under a dark desktop colour scheme read from the desktop's settings file, the program
# gives its buttons the scheme's dark face and keeps its own texts readable (WCAG contrast of the
# shown pixels): the score heading, the version line, the task and a red answer box.
. "$E2E_DIR/lib.sh"
export HOME="$E2E_WORK/home" XDG_CURRENT_DESKTOP=KDE KDE_SESSION_VERSION=5
mkdir -p "$HOME/.config" && cp "$E2E_DIR/dark_scheme.kdeglobals" "$HOME/.config/kdeglobals"
start_app
click_twips "$MAIN" $LESEN
click_twips "$MAIN" $((2160 + 1800)) $((2760 + 2400)) 495 735 # "0" is wrong for every task
python3 - "$MAIN" <<'PY' || fail "texts unreadable under the dark scheme"
import os
import sys
from collections import Counter
sys.path.insert(0, os.environ["E2E_DIR"])
from screen import Picture

def luminance(rgb):
    c = [v / 255 for v in rgb]
    c = [v / 12.92 if v <= 0.03928 else ((v + 0.055) / 1.055) ** 2.4 for v in c]
    return 0.2126 * c[0] + 0.7152 * c[1] + 0.0722 * c[2]

def contrast(a, b):
    high, low = sorted((luminance(a), luminance(b)), reverse=True)
    return (high + 0.05) / (low + 0.05)

picture = Picture(sys.argv[1])
def colours(x, y, w, h):
    return Counter(tuple(row[i:i + 3]) for row in picture.region(x, y, w, h)
                   for i in range(0, len(row), 3))

face = picture.pixel(22, 32)  # "Beenden", left of its text
if luminance(face) > 0.1:
    sys.exit(f"button face {face} is not the dark scheme's")
texts = {"score heading": (16, 360, 97, 17), "version line": (144, 410, 521, 17),
         "task": (266, 226, 389, 29), "answer box": (268, 260, 385, 41)}
for name, area in texts.items():
    counts = colours(*area)
    background = counts.most_common(1)[0][0]
    ratio = max(contrast(ink, background) for ink in counts)
    print(f"{name}: {ratio:.2f}:1 on {background}")
    if ratio < 4.5:
        sys.exit(f"{name} reads {ratio:.2f}:1 on {background}")
PY
echo ok
