#!/usr/bin/env bash
# Does to the program's window what a user of the compositor or X11 window
# manager can, in one program run: drags its right edge and its bottom-right
# corner, maximises (by its own keys, or by wmctrl on X11), half-tiles and
# fullscreens it by the desktop's own keys or commands,
# and answers its message box after a click on the window behind.  A state
# the compositor refuses leaves the window's size alone; one it imposes is
# obeyed and undone.  At the end the program lives, both fields keep their
# text and Alt+X, or the close button of the program's title bar, ends
# it.  The window's sizes are read by drive.sh's window_sizes.
#
# Usage: desktopactions.sh <program> <action>[=obeyed]...
#   actions: frame edge corner maximise wmctrl tile fullscreen box-place box-drag box-focus
#            box-edge box-return box-rounds close-button
#   (run inside scripts/wayland-session, or scripts/xvfb-session --wm=)
set -euo pipefail
source "$(dirname "$0")/drive.sh"
program=$1
shift
desktop=${WAYLAND_COMPOSITOR:-${X11_WM:?a compositor or window manager}}

kwin_shortcut() { # <name>
    gdbus call --session --dest org.kde.kglobalaccel --object-path /component/kwin \
        --method org.kde.kglobalaccel.Component.invokeShortcut "$1" >/dev/null
}
# Gives the keyboard to the window behind the open box.
sway_focus_behind() {
    local behind
    behind=$(swaymsg -t get_tree | python3 -c 'import json, sys
def views(node):
    yield node
    for child in node["nodes"] + node["floating_nodes"]:
        yield from views(child)
print(next(v["id"] for v in views(json.load(sys.stdin)) if v.get("pid") == '"$pid"' and not v["focused"]))')
    swaymsg -q "[con_id=$behind] focus"
}
# How each compositor is asked for a state or for the keyboard on the window
# behind the box, and how a state that lasts is undone.
declare -A ask=(
    [weston:maximise]='keys super+shift+m' [weston:fullscreen]='keys super+shift+f'
    [sway:tile]='swaymsg -q floating disable' [sway:fullscreen]='swaymsg -q fullscreen enable'
    [sway:box-focus]=sway_focus_behind
    [kwin:maximise]="kwin_shortcut 'Window Maximize'"
    [kwin:tile]="kwin_shortcut 'Window Quick Tile Left'"
    [kwin:fullscreen]="kwin_shortcut 'Window Fullscreen'"
    [mutter:maximise]='keys super+Up' [mutter:tile]='keys super+Left'
    [mutter:fullscreen]='keys super+f'
    [xfwm4:maximise]='keys alt+F10' [xfwm4:fullscreen]='keys alt+F11'
    [i3:tile]='i3-msg -q floating disable' [i3:fullscreen]='i3-msg -q fullscreen enable'
    [openbox:maximise]='double_click_title' [openbox:fullscreen]='wmctrl_state fullscreen'
)
# KWin on X11 did not answer its shortcuts over D-Bus, even with
# kglobalaccel5 running: there the requests that its window menu sends.
if [[ $platform == xcb ]]; then
    ask[kwin:maximise]='wmctrl_state maximized_vert,maximized_horz'
    ask[kwin:fullscreen]='wmctrl_state fullscreen'
fi
declare -A undo=([sway:tile]='swaymsg -q floating enable')
# Where an edge is grabbed, from the frame's last pixel: Breeze grabs just outside it.
declare -A grip=([weston]=-1 [sway]=-1 [kwin]=3 [mutter]=-1 [xfwm4]=-1 [i3]=-1 [openbox]=-1)
wmctrl_state() { wmctrl -i -r "$window" -b "add,$1"; } # <_NET_WM_STATE's states>
double_click_title() { xdotool mousemove $((frame_x + 100)) $((frame_y + 8)) click --repeat 2 1; }

# The frame of what differs between two screenshots, as W H X Y: mutter
# draws its background afresh, a level or two apart, as windows come and go.
changed_area() { # <before.png> <after.png>
    convert "$1" "$2" -compose difference -composite -threshold 8% -trim \
        -format '%w %h %X %Y\n' info: | tr -d +
}

drag() { # <x> <y> <dx> <dy>
    xdotool mousemove "$1" "$2" sleep 0.2 mousedown 1
    for step in 1 2 3 4 5; do
        xdotool mousemove $(($1 + $3 * step / 5)) $(($2 + $4 * step / 5))
        sleep 0.1
    done
    xdotool mouseup 1
    sleep 1
}

# Checks the window's sizes since <mark> (a count of sizes): a refused
# action gives no other size; an obeyed one a wider one, and then its own
# again.
check_sizes() { # <what> <mark> refused|obeyed
    local sizes others
    sizes=$(window_sizes | tail -n +$(($2 + 1)))
    others=$(printf '%s' "$sizes" | grep -cvx -e "$initial_size" || true)
    if [[ $3 == refused ]]; then
        check "$1: the window keeps its size" "0 other sizes" "$others other sizes"
    else
        check "$1: the window takes the imposed size" yes "$(grew_since "$2" "$initial_size")"
        check "$1: undone, the window has its own size again" "$initial_size" "$(window_sizes | tail -n1)"
    fi
}

shots=$(mktemp -d -p "$XDG_RUNTIME_DIR")
import -window root "$shots/empty.png"
start_with_both_fields "$program"
keys Tab # onto Clear: no blinking text cursor in the pictures
sleep 0.5
import -window root "$shots/window.png"
# The main window's frame on the screen.
read -r frame_width frame_height frame_x frame_y < <(changed_area "$shots/empty.png" "$shots/window.png")
right=$((frame_x + frame_width)) bottom=$((frame_y + frame_height))
initial_size=$(window_sizes | tail -n1)
convert "$shots/window.png" -fill black -draw "rectangle 0,0 1023,$((frame_y + 40))" \
    "$shots/window-untitled.png"
# A point on the picture that no box covers: the floor, between Exit and the
# bottom-right label.
behind_x=$((frame_x + frame_width / 2)) behind_y=$((frame_y + frame_height - 20))

open_box() { keys alt+o && wait_for_windows 2; } # letters in the punt field

# The shown box's frame on the screen, as W H X Y.  The window's own title
# row changes as it goes inactive, so it is left out.
box_area() {
    sleep 0.5
    import -window root "$shots/box.png"
    mogrify -fill black -draw "rectangle 0,0 1023,$((frame_y + 40))" "$shots/box.png"
    changed_area "$shots/window-untitled.png" "$shots/box.png"
}

for row in "$@"; do
    action=${row%=*} outcome=refused
    [[ $row == *=* ]] && outcome=${row#*=}
    mark=$(window_sizes | wc -l)
    case $action in
    edge)
        drag $((right + grip[$desktop])) $((frame_y + frame_height / 2)) 150 0
        check_sizes "drag on the right edge" "$mark" "$outcome"
        ;;
    corner)
        drag $((right + grip[$desktop])) $((bottom + grip[$desktop])) 150 100
        check_sizes "drag on the bottom-right corner" "$mark" "$outcome"
        ;;
    frame) # Qt's frame, which always offers maximise, would widen it
        check "the window is as wide as its client area" 410 "${initial_size%x*}"
        ;;
    close-button) # the title bar's own: ends the row, once the fields are read
        ending=$action
        continue
        ;;
    wmctrl)
        wmctrl_state maximized_vert,maximized_horz
        sleep 2
        check_sizes "maximise by wmctrl" "$mark" "$outcome"
        ;;
    maximise | tile | fullscreen)
        eval "${ask[$desktop:$action]}"
        sleep 2
        [[ -z ${undo[$desktop:$action]-} ]] || {
            eval "${undo[$desktop:$action]}"
            sleep 1
        }
        check_sizes "$action" "$mark" "$outcome"
        ;;
    box-place)
        open_box
        read -r width height x y < <(box_area)
        off_x=$((x + width / 2 - frame_x - frame_width / 2))
        off_y=$((y + height / 2 - frame_y - frame_height / 2))
        # On X11 Qt places the box, a guessed title bar's height above the middle.
        slack_y=30
        [[ $platform == wayland ]] || slack_y=50
        [[ ${off_x#-} -le 20 && ${off_y#-} -le $slack_y ]] && centred=yes || centred="no, ${off_x},${off_y} px off"
        check "the box is centred over the window" yes "$centred"
        keys Return
        wait_for_windows 1 || true
        ;;
    box-drag)
        open_box
        read -r width height x y < <(box_area)
        drag $((x + width / 2)) $((y + 12)) 100 50 # on its title bar, whoever draws it
        read -r _ _ moved_x moved_y < <(box_area)
        check "a drag on the box's title bar moves it" 100,50 "$((moved_x - x)),$((moved_y - y))"
        keys Return
        wait_for_windows 1 || true
        ;;
    box-focus) # the window behind the box takes the keyboard, and the box wins it back
        open_box
        eval "${ask[$desktop:$action]}"
        sleep 0.5
        keys Return
        wait_for_windows 1 && closed=yes || closed=no
        check "the box takes Return after the window behind took the keyboard" yes "$closed"
        ;;
    box-edge) # a click on the window's bottom edge, behind the box
        open_box
        xdotool mousemove $behind_x $bottom click 1 # just below the client area
        sleep 0.5
        keys Return
        wait_for_windows 1 && closed=yes || closed=no
        check "the box takes Return after a click on the window's edge" yes "$closed"
        ;;
    box-return | box-rounds)
        rounds=1 closed=0
        [[ $action == box-return ]] || rounds=7
        for _ in $(seq $rounds); do
            open_box || break
            xdotool mousemove $behind_x $behind_y click 1
            sleep 0.5
            keys Return
            wait_for_windows 1 && closed=$((closed + 1))
            # Qt gives up an active window that lost the keyboard only after
            # a while, and access keys work only in an active window.
            sleep 1
        done
        check "$action: boxes closed by Return after a click on the window" $rounds $closed
        ;;
    *)
        check "a known action" "$action" unknown
        ;;
    esac
    kill -0 "$pid" 2>/dev/null && alive=yes || alive=no
    check "after $row the program lives" yes "$alive"
    [[ $alive == yes ]] || finish
done

keys shift+Tab # back in the punt field
check "the punt field keeps its text" abc "$(focused_field_text_becomes abc)"
keys shift+Tab
check "the euro field keeps its text" 10 "$(focused_field_text_becomes 10)"
if [[ ${ending-} == close-button ]]; then
    xdotool mousemove $((right - 15)) $((frame_y + 15)) sleep 0.3 click 1
    check_ends "the title bar's close button" "$pid"
else
    exit_with_alt_x "$pid"
fi
finish
