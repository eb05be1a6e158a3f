#!/bin/sh
# Every handler case runs once (a message box left unanswered would hang it, a renamed control
# ends it), and both start-up probes reach their first frame and end on their own.
set -eu
bench=$1
probe=$2
"$bench" --smoke
"$probe" form1
shape=$("$probe" shape)
echo "main window: $shape (width, height, labels in sight)"
# shellcheck disable=SC2086
"$probe" bare $shape
