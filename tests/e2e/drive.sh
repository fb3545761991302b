# Helpers for driving the real program on an X display, sourced by the
# end-to-end scripts.  Each check prints one line; finish prints the count
# and fails when any check failed.

title='^Dur Azor Uvuridaro$'
failures=0
passes=0

check() { # <what> <expected> <actual>
    if [[ $2 == "$3" ]]; then
        passes=$((passes + 1))
        echo "ok: $1"
    else
        failures=$((failures + 1))
        echo "FAILED: $1: expected '$2', got '$3'"
    fi
}

finish() {
    echo "$passes passed, $failures failed"
    [[ $failures -eq 0 ]]
}

# Waits for the program's window and gives it the keyboard.  When the
# process <pid> ends first, ends the script: skipped (77) if the program's
# launcher said so, failed otherwise.
focus_window() { # <pid>
    local window status=0
    until window=$(xdotool search --onlyvisible --name "$title" 2>/dev/null | head -n1) &&
        [[ -n $window ]]; do
        if ! kill -0 "$1" 2>/dev/null; then
            wait "$1" || status=$?
            echo "the program ended with status $status before its window showed"
            exit $((status == 77 ? 77 : 1))
        fi
        sleep 0.1
    done
    xdotool windowfocus --sync "$window"
    sleep 0.3
}

keys() {
    xdotool key --clearmodifiers --delay 50 "$@"
    sleep 0.3 # an access key clicks its button after a short press
}

type_text() {
    xdotool type --delay 30 -- "$1" # "--": a text may start with "-"
}

# The text of the focused field, or "<empty>".
focused_field_text() {
    # xclip stays behind to serve the text: keep it off this function's output.
    printf '<empty>' | xclip -selection clipboard >/dev/null 2>&1
    xdotool key --clearmodifiers ctrl+a ctrl+c
    sleep 0.2
    xclip -o -selection clipboard
}

# The focused field's text as soon as it reads <expected>, or what it reads
# after about three seconds: a slow machine gets time, a wrong text is shown.
focused_field_text_becomes() { # <expected>
    local text
    for _ in $(seq 15); do
        text=$(focused_field_text)
        [[ $text == "$1" ]] && break
        sleep 0.2
    done
    printf '%s' "$text"
}

windows_titled() {
    xdotool search --onlyvisible --name "$title" 2>/dev/null | wc -l
}

# Succeeds once exactly <count> windows carry the title, within 5 seconds.
wait_for_windows() { # <count>
    for _ in $(seq 50); do
        [[ $(windows_titled) -eq $1 ]] && return 0
        sleep 0.1
    done
    return 1
}

# Presses Alt+X and checks that the process <pid> ends with status 0.
exit_with_alt_x() { # <pid>
    keys alt+x
    for _ in $(seq 50); do
        kill -0 "$1" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$1" 2>/dev/null; then
        check "Alt+X ends the program" ended running
        return
    fi
    local status=0
    wait "$1" || status=$?
    check "Alt+X ends the program with status 0" 0 "$status"
}

# Takes the program <pid> through a conversion, Clear, the empty-field
# message and Exit: every path that could write something.
use_every_path() { # <pid>
    focus_window "$1"
    keys Tab Tab
    type_text 10
    keys alt+n
    keys alt+c
    keys alt+n
    wait_for_windows 2 || true
    keys Return
    wait_for_windows 1 || true
    exit_with_alt_x "$1"
}
