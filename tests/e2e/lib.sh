# Helpers for the end-to-end cases: start the program, find windows, click, read pixels.
# Coordinates are pixels inside a window's client area.
set -u
export LANG=C.UTF-8
MAIN_TITLE="Römische Zahlzeichen"

# Failure screenshots stay here for a look after the run.
ARTIFACTS=${E2E_ARTIFACTS:-/tmp/zahlzeichen-e2e}

fail() {
    echo "FAIL: $*" >&2
    mkdir -p "$ARTIFACTS"
    import -window root "$ARTIFACTS/$(basename "$0" .sh)-failure.png" 2>/dev/null
    echo "screenshot: $ARTIFACTS/$(basename "$0" .sh)-failure.png" >&2
    exit 1
}

shot() { import -window root "$E2E_WORK/$1.png" 2>/dev/null; }

# The editor's example sheet as plain bytes: "   7 = VII" and "1994 = MCMXCIV", each with CR LF.
export EDITOR_SHEET_BYTES="20 20 20 37 20 3d 20 56 49 49 0d 0a 31 39 39 34 20 3d 20 4d 43 4d 58 43 49 56 0d 0a"

start_app() {
    QT_QPA_PLATFORM=xcb "$APP" >"$E2E_WORK/app.log" 2>&1 &
    APP_PID=$!
    MAIN=$(wait_window "$MAIN_TITLE") || fail "main window did not appear"
}

# Prints the newest visible window whose title matches a regular expression, other than
# the windows given after it.
find_window_matching() {
    local pattern=$1
    shift
    local id
    for id in $(xdotool search --onlyvisible --name "$pattern" 2>/dev/null | sort -rn); do
        case " $* " in *" $id "*) continue ;; esac
        echo "$id"
        return 0
    done
    return 1
}

# The same for a window with exactly this title.
find_window() {
    local title
    title=$(printf '%s' "$1" | sed 's/[][().*+?^$|\\{}]/\\&/g')
    shift
    find_window_matching "^${title}\$" "$@"
}

wait_window() {
    local title=$1
    shift
    local id
    for _ in $(seq 100); do
        id=$(find_window "$title" "$@") && { echo "$id"; sleep 0.2; return 0; }
        sleep 0.1
    done
    return 1
}

wait_no_window() {
    for _ in $(seq 100); do
        find_window "$@" >/dev/null || return 0
        sleep 0.1
    done
    return 1
}

is_shown() { find_window "$1" | grep -qx "$2"; }

click() {
    xdotool mousemove --window "$1" "$2" "$3" click 1
    sleep 0.3
}

# Centre of a control given in twips (left top width height), clicked.
click_twips() {
    click "$1" $((($2 + $4 / 2) / 15)) $((($3 + $5 / 2) / 15))
}

# Colour of one pixel of a window's client area as "r,g,b".
pixel() {
    import -window "$1" -crop "1x1+$2+$3" -depth 8 txt:- 2>/dev/null |
        sed -n 's/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1,\2,\3/p' | head -n 1
}

client_size() { xwininfo -id "$1" | awk '/Width:/{w=$2} /Height:/{h=$2} END{print w "x" h}'; }

# Expects a window's outer box, its frame included, centred on the screen; the window
# manager may take a moment to frame the window. $2 names the window in a failure.
expect_centred() {
    local screen_w screen_h x y w h left right top bottom offset
    read -r screen_w screen_h <<<"$(xwininfo -root | awk '/Width:/{w=$2} /Height:/{h=$2} END{print w, h}')"
    for _ in $(seq 20); do
        read -r x y w h <<<"$(xwininfo -id "$1" | awk '/Absolute upper-left X/{x=$4}
            /Absolute upper-left Y/{y=$4} /Width:/{w=$2} /Height:/{h=$2} END{print x, y, w, h}')"
        read -r left right top bottom <<<"$(xprop -id "$1" _NET_FRAME_EXTENTS |
            sed -n 's/.*= //p' | tr -d ,)"
        offset="$((x - left - (screen_w - left - w - right) / 2))"
        offset="$offset,$((y - top - (screen_h - top - h - bottom) / 2))"
        [ "$offset" = "0,0" ] && return 0
        sleep 0.1
    done
    fail "$2 lies $offset pixels off the centre of the screen"
}

# Answers a message box titled $1 (not one of the windows listed after the button) by pressing
# its button "Ja" or "Nein" or "OK".
answer_box() {
    local title=$1 button=$2
    shift 2
    local box
    box=$(wait_window "$title" "$@") || fail "no message box \"$title\""
    case "$button" in
    OK) xdotool windowactivate --sync "$box" key Return ;;
    Nein) xdotool windowactivate --sync "$box" key Escape ;;
    Ja) xdotool windowactivate --sync "$box" key Tab key space ;;
    esac
    sleep 0.3
    wait_no_window "$title" "$@" || fail "message box \"$title\" stayed open"
    echo "$box"
}

# Places of the main window's controls, in twips of the client area.
BEENDEN="240 240 1455 495"
LESEN="240 720 1455 495"
SCHREIBEN="240 1200 1455 495"
TABELLE="240 1680 1455 495"
MEMOSPIEL="240 2160 1455 495"
PAARSPIEL="240 2640 1455 495"
EDITOR="240 3120 1455 495"

# Number of distinct colours in a rectangle of a window (x y width height in pixels).
colours_in() {
    import -window "$1" -crop "${4}x${5}+${2}+${3}" +repage -format %k info:- 2>/dev/null
}

# A checksum of a rectangle of a window, to compare what it shows before and after.
region_sum() {
    import -window "$1" -crop "${4}x${5}+${2}+${3}" +repage rgb:- 2>/dev/null | md5sum | cut -c1-32
}

# Presses the mouse on one point and releases it on another, moving in steps in between,
# as a hand does; the drag starts as soon as the button is down.
drag() {
    local win=$1 x1=$2 y1=$3 x2=$4 y2=$5 step
    xdotool mousemove --window "$win" "$x1" "$y1"
    sleep 0.1
    xdotool mousedown 1
    sleep 0.15
    for step in 1 2 3 4 5 6 7 8; do
        xdotool mousemove --window "$win" $((x1 + (x2 - x1) * step / 8)) $((y1 + (y2 - y1) * step / 8))
        sleep 0.05
    done
    sleep 0.1
    xdotool mouseup 1
    sleep 0.3
}

# Weston on this X server as the screen, pointer and keyboard of a Wayland desktop: the program
# runs as a Wayland client of it, and xdotool drives Weston's one seat through its X window.
# Sets XDG_RUNTIME_DIR, WAYLAND_DISPLAY and WESTON (that X window).
start_weston() {
    command -v weston >/dev/null || fail "weston is not installed (Debian package weston)"
    export XDG_RUNTIME_DIR="$E2E_WORK/runtime" WAYLAND_DISPLAY=zahlzeichen-e2e WESTON=""
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    weston --backend=x11-backend.so --use-pixman --fullscreen --width=1024 --height=768 \
        --no-config --idle-time=0 \
        --socket="$WAYLAND_DISPLAY" >"$E2E_WORK/weston.log" 2>&1 &
    for _ in $(seq 100); do
        WESTON=$(xdotool search --class "^Weston Compositor$" 2>/dev/null | head -n 1)
        [ -n "$WESTON" ] && [ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ] && break
        sleep 0.1
    done
    [ -n "$WESTON" ] || fail "Weston did not start: $(tail -n 5 "$E2E_WORK/weston.log")"
}

# Runs the program on the given Qt platform with its own session bus and accessibility bus,
# and a player that drives it through AT-SPI: play_through_atspi PLATFORM SCRIPT [ARGS].
# A Wayland client is kept from the X server, so that it cannot fall back to it.
play_through_atspi() {
    PLATFORM=$1 dbus-run-session -- bash -c '
        /usr/libexec/at-spi-bus-launcher --launch-immediately &
        hide=NONE
        [ "$PLATFORM" = wayland ] && hide=DISPLAY
        env -u "$hide" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM="$PLATFORM" "$APP" \
            >"$E2E_WORK/app.log" 2>&1 &
        # The Debian package of the AT-SPI bindings is for the system interpreter.
        /usr/bin/python3 "$@"' player "${@:2}"
}
