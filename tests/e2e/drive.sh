# Helpers for driving the real program on an X display, or as a native
# Wayland client inside scripts/wayland-session, sourced by the end-to-end
# scripts.  Each check prints one line; finish prints the count and fails
# when any check failed.
#
# On Wayland xdotool still types (into weston's window on the X display),
# but sees none of the program's windows: they are counted from the
# program's protocol log instead, and fields are read through wl-clipboard.

title="^${PUNT_APP_TITLE:?the application title, which ctest sets}\$"
failures=0
passes=0

if [[ -n ${WAYLAND_DISPLAY-} ]]; then platform=wayland; else platform=xcb; fi

# Starts <command> in the background as the current platform's client and
# sets pid.
start_program() { # <command> [arguments...]
    if [[ $platform == wayland ]]; then
        protocol_log=$(mktemp -p "$XDG_RUNTIME_DIR")
        WAYLAND_DEBUG=client QT_QPA_PLATFORM=wayland "$@" 2>"$protocol_log" &
    else
        QT_QPA_PLATFORM=xcb "$@" &
    fi
    pid=$!
}

# Starts <program> as start_program does, gives it the keyboard, and types
# 10 into the euro field and abc into the punt field, which keeps the keyboard.
start_with_both_fields() { # <program>
    start_program "$1"
    trap 'kill $pid 2>/dev/null || true' EXIT
    focus_window "$pid"
    keys Tab Tab
    type_text 10
    keys Tab
    type_text abc
}

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
    local status=0
    until [[ $(windows_titled) -ge 1 ]]; do
        if ! kill -0 "$1" 2>/dev/null; then
            wait "$1" || status=$?
            echo "the program ended with status $status before its window showed"
            exit $((status == 77 ? 77 : 1))
        fi
        sleep 0.1
    done
    # Weston gives a new window the keyboard; on X a window manager is asked
    # to activate it, an X display without one is told where the focus goes.
    if [[ $platform == xcb ]]; then
        window=$(titled_x11_windows | head -n1)
        if [[ -n ${X11_WM-} ]]; then xdotool windowactivate --sync "$window"; else xdotool windowfocus --sync "$window"; fi
        watch_window_size "$window"
    fi
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
    # The copier stays behind to serve the text: keep it off this function's output.
    if [[ $platform == wayland ]]; then
        printf '<empty>' | returning_keyboard wl-copy >/dev/null 2>&1
    else
        printf '<empty>' | xclip -selection clipboard >/dev/null 2>&1
    fi
    xdotool key --clearmodifiers ctrl+a ctrl+c
    sleep 0.2
    if [[ $platform == wayland ]]; then
        returning_keyboard wl-paste --no-newline
    else
        xclip -o -selection clipboard
    fi
}

# Runs a wl-clipboard command and waits until the program has the keyboard
# again: on a compositor without a clipboard manager protocol, wl-copy and
# wl-paste take the keyboard for a moment to reach the clipboard, and keys
# sent meanwhile would be lost.
returning_keyboard() { # <command> [arguments...]
    local moves
    moves=$(keyboard_moves)
    "$@"
    for _ in $(seq 100); do
        [[ $(keyboard_moves) -gt $moves ]] && has_keyboard && return 0
        sleep 0.05
    done
}

# libwayland names objects interface@id in its debug log up to 1.22 and
# interface#id from 1.23 on; every pattern here takes both.
object_id='[@#][0-9]*'
keyboard_focus="wl_keyboard$object_id"'\.\(enter\|leave\)'
keyboard_moves() { grep -c "$keyboard_focus" "$protocol_log" || true; }
has_keyboard() { [[ $(grep -o "$keyboard_focus" "$protocol_log" | tail -n1) == *enter ]]; }

# Waits up to five seconds for the program to have the keyboard; on X it
# has it already.
await_keyboard() {
    [[ $platform == wayland ]] || return 0
    for _ in $(seq 100); do
        has_keyboard && return 0
        sleep 0.05
    done
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
    if [[ $platform == wayland ]]; then
        # A toplevel gets its title once, when it is made, and is destroyed when hidden.
        local made gone
        made=$(grep -c "xdg_toplevel$object_id\.set_title(\"${title//[\^\$]/}\")" "$protocol_log" || true)
        gone=$(grep -c -- "-> xdg_toplevel$object_id\.destroy()" "$protocol_log" || true)
        echo $((made - gone))
    else
        titled_x11_windows | wc -l
    fi
}

# The shown X windows with the program's title; under a window manager only
# those it manages (WM_STATE): mutter 48 titles its frames as their clients.
titled_x11_windows() {
    local window
    for window in $(xdotool search --onlyvisible --name "$title" 2>/dev/null); do
        [[ -z ${X11_WM-} ]] || xprop -id "$window" WM_STATE 2>/dev/null | grep -q 'window state' || continue
        echo "$window"
    done
}

# Succeeds once exactly <count> windows carry the title, within 5 seconds.
wait_for_windows() { # <count>
    for _ in $(seq 50); do
        [[ $(windows_titled) -eq $1 ]] && return 0
        sleep 0.1
    done
    return 1
}

# Checks that <what> made the process <pid> end with status 0.
check_ends() { # <what> <pid>
    for _ in $(seq 50); do
        kill -0 "$2" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$2" 2>/dev/null; then
        check "$1 ends the program" ended running
        return
    fi
    local status=0
    wait "$2" || status=$?
    check "$1 ends the program with status 0" 0 "$status"
}

# Presses Alt+X and checks that the process <pid> ends with status 0.
exit_with_alt_x() { # <pid>
    await_keyboard
    keys alt+x
    check_ends Alt+X "$1"
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

# Logs the sizes the X server gives the X <window>, the first its present one.
watch_window_size() { # <window>
    size_log=$(mktemp -p "$XDG_RUNTIME_DIR")
    xwininfo -id "$1" | awk '/Width:/ { w = $2 } /Height:/ { print w "x" $2 }' >"$size_log"
    # Writing only to the log, so that a test runner waiting for the test's
    # output to end does not wait for it (it ends with the X display).
    (stdbuf -oL xev -id "$1" -event structure |
        sed -un 's/.* width \([0-9]*\), height \([0-9]*\),.*/\1x\2/p' >>"$size_log") >/dev/null 2>&1 &
}

# The main window's sizes, one a line: as the program gave them on Wayland,
# as the X server had them on X.
window_sizes() {
    if [[ $platform == xcb ]]; then
        uniq "$size_log"
        return
    fi
    local surface
    surface=$(grep -o -m1 "new id xdg_surface$object_id" "$protocol_log" | grep -o '[0-9]*$')
    grep -o -- "-> xdg_surface[@#]$surface\.set_window_geometry([^)]*)" "$protocol_log" |
        sed 's/.*(\(.*\))/\1/; s/, /,/g' | cut -d, -f3,4 | tr , x
}

# "yes" when a size since <mark> (a count of sizes) is wider than <size>:
# a filling state, not only Qt's frame dropped in fullscreen.
grew_since() { # <mark> <size>
    window_sizes | tail -n +$(($1 + 1)) |
        awk -F x -v own="${2%x*}" '$1 > own { wide = 1 } END { print wide ? "yes" : "no" }'
}

# Saves the screen of the Wayland session (whose pointer is invisible) with
# the program window's title bar blanked, whoever draws it, and prints the
# window's client area, its bottom 410x319 pixels, as WxH+X+Y.
wayland_screen() { # <output.png>
    local background='#404040' width height x y
    import -window root "$1"
    read -r width height x y < <(convert "$1" -trim -format '%w %h %X %Y\n' info: | tr -d +)
    mogrify -fill "$background" -draw "rectangle $x,$y $((x + width - 1)),$((y + height - 320))" "$1"
    echo "${width}x319+$x+$((y + height - 319))"
}
