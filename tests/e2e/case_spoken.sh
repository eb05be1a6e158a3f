# The program as a blind learner meets it: keys alone, and what a real screen reader (Orca)
# says, read from its own debug log. The steps and the words to be heard are one table in
# spoken_steps.py.
. "$E2E_DIR/lib.sh"
command -v orca >/dev/null || fail "orca is not installed (Debian package orca)"
export HOME="$E2E_WORK/home" E2E_WORK
# The speech server speaks into ALSA's null device through a module that makes no sound:
# what is heard is what the screen reader sends it, and no sound card is needed.
mkdir -p "$HOME/.config/speech-dispatcher/modules"
printf '%s\n' 'AudioOutputMethod "alsa"' 'AudioALSADevice "null"' \
    'AddModule "silent" "sd_generic" "silent.conf"' 'DefaultModule silent' \
    >"$HOME/.config/speech-dispatcher/speechd.conf"
printf '%s\n' 'GenericExecuteSynth "true"' 'AddVoice "de" "MALE1" "de"' \
    >"$HOME/.config/speech-dispatcher/modules/silent.conf"
# The screen reader's own hook for a user's customisations: its debug log, where the test
# reads what is said, is written out line by line instead of in blocks of eight kilobytes.
mkdir -p "$HOME/.local/share/orca"
echo "import orca.debug; orca.debug.debugFile.reconfigure(line_buffering=True)" \
    >"$HOME/.local/share/orca/orca-customizations.py"
exec dbus-run-session -- bash -c '
    . "$E2E_DIR/lib.sh"
    /usr/libexec/at-spi-bus-launcher --launch-immediately &
    orca --debug-file="$E2E_WORK/orca.log" >"$E2E_WORK/orca.out" 2>&1 &
    # Orca greets in words of its own release and language: any speech says it is ready. On
    # a busy machine that takes it more than 20 seconds.
    for _ in $(seq 300); do
        grep -q "SPEECH OUTPUT:" "$E2E_WORK/orca.log" 2>/dev/null && break
        sleep 0.2
    done
    grep -q "SPEECH OUTPUT:" "$E2E_WORK/orca.log" 2>/dev/null ||
        fail "orca did not start: $(grep -a "SPEECH\|rror" "$E2E_WORK/orca.log" | tail -5)"
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb "$APP" >"$E2E_WORK/app.log" 2>&1 &
    /usr/bin/python3 "$E2E_DIR/spoken_steps.py" "$E2E_WORK/orca.log" ||
        fail "what was heard: $(grep -a -o "SPEECH OUTPUT: .*" "$E2E_WORK/orca.log" | tail -25)"
'
