# Helpers for the end-to-end cases: start the program, find windows, click, read pixels.
# Coordinates are pixels inside a window's client area.
set -u
export LANG=C.UTF-8
MAIN_TITLE="Römische Zahlzeichen"

fail() {
    echo "FAIL: $*" >&2
    shot "failure"
    exit 1
}

shot() { import -window root "$E2E_WORK/$1.png" 2>/dev/null; }

start_app() {
    QT_QPA_PLATFORM=xcb "$APP" >"$E2E_WORK/app.log" 2>&1 &
    APP_PID=$!
    MAIN=$(wait_window "$MAIN_TITLE") || fail "main window did not appear"
}

# Prints the newest visible window with exactly this title, other than those given.
find_window() {
    local title=$1
    shift
    local id
    for id in $(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | sort -rn); do
        case " $* " in *" $id "*) continue ;; esac
        echo "$id"
        return 0
    done
    return 1
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

is_shown() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | grep -qx "$2"; }

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
