# Sourced by the scripts that drive the installed program: starts Xvfb on the first free display
# number, with its log in the given folder, and sets xvfb_pid and DISPLAY.
#   start_xvfb <work folder>
start_xvfb() {
    local work=$1 display= n
    for n in $(seq 90 199); do
        if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then display=$n; break; fi
    done
    [ -n "$display" ] || { echo "no free display number" >&2; return 1; }
    Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X$display" ] && break; sleep 0.1; done
    [ -e "/tmp/.X11-unix/X$display" ] || { echo "Xvfb did not start:" >&2; cat "$work/xvfb.log" >&2; return 1; }
    export DISPLAY=:$display
}
