# Sourced by the scripts that drive the installed program: starts Xvfb on a free display number,
# with its log in the given folder, and sets xvfb_pid and DISPLAY. Xvfb picks the number itself
# (-displayfd), so scripts run side by side never take the same display. It keeps running as it is
# when its last client goes (-noreset): no server reset between one program and the next.
#   start_xvfb <work folder>
start_xvfb() {
    local work=$1 display=
    Xvfb -displayfd 3 -noreset -screen 0 1024x768x24 -nolisten tcp 3>"$work/xvfb.display" >"$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 100); do
        # The number counts once its line is complete.
        if [ "$(wc -l <"$work/xvfb.display")" -ge 1 ]; then
            display=$(head -n 1 "$work/xvfb.display")
            [ -e "/tmp/.X11-unix/X$display" ] && break
            display=
        fi
        sleep 0.1
    done
    [ -n "$display" ] || { echo "Xvfb did not start:" >&2; cat "$work/xvfb.log" >&2; return 1; }
    export DISPLAY=:$display
}
