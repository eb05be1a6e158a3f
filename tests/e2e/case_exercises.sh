# Both exercises, answered rightly with the mouse alone: the praise box, the right counter
# and a new task with an empty white answer box.
. "$E2E_DIR/lib.sh"
start_app
score="16 384 41 17" # Bezeichnung12, the right answers

answer_exercise() { # $1 reading or writing, $2 a pixel in the answer box, $3 the task label
    local task_before score_before praise
    task_before=$(region_sum "$MAIN" $3)
    score_before=$(region_sum "$MAIN" $score)
    praise=$(python3 "$E2E_DIR/solve_exercise.py" "$1" "$MAIN") || fail "$1: no right answer"
    answer_box "$(xdotool getwindowname "$praise")" OK "$MAIN" >/dev/null
    [ "$(pixel "$MAIN" $2)" = "255,255,255" ] || fail "$1: answer box not white"
    [ "$(region_sum "$MAIN" $3)" != "$task_before" ] || fail "$1: no new task shown"
    [ "$(region_sum "$MAIN" $score)" != "$score_before" ] || fail "$1: right counter unchanged"
}

click_twips "$MAIN" $LESEN
answer_exercise reading "$(((2160 + 1800 + 90) / 15)) $(((2760 + 1080 + 90) / 15))" \
    "$(((2160 + 1800) / 15 + 2)) $(((2760 + 600) / 15 + 2)) 388 28"
click_twips "$MAIN" $SCHREIBEN
answer_exercise writing "$(((2160 + 2040 + 90) / 15)) $(((2760 + 1080 + 90) / 15))" \
    "$(((2160 + 2040) / 15 + 2)) $(((2760 + 600) / 15 + 2)) 372 28"
echo ok
