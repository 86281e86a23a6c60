# Sourced by the scripts that play real sound: starts a private PulseAudio server with one null
# sink, its sockets in <work folder>/pulse-runtime, and points XDG_RUNTIME_DIR at it.
# stop_null_sink stops that server only, and only when start_null_sink started it.
#   start_null_sink <work folder>
pulse_runtime=
start_null_sink() {
    local work=$1
    export XDG_RUNTIME_DIR=$work/pulse-runtime
    mkdir -p "$XDG_RUNTIME_DIR"
    chmod 700 "$XDG_RUNTIME_DIR"
    pulseaudio -D --exit-idle-time=-1 -n --load=module-null-sink --load=module-native-protocol-unix \
        >"$work/pulseaudio.log" 2>&1 || { echo "pulseaudio did not start:" >&2; cat "$work/pulseaudio.log" >&2; return 1; }
    pulse_runtime=$XDG_RUNTIME_DIR
    for _ in $(seq 100); do pactl info >/dev/null 2>&1 && return 0; sleep 0.1; done
    echo "pulseaudio does not answer" >&2
    return 1
}

stop_null_sink() {
    if [ -n "$pulse_runtime" ]; then
        XDG_RUNTIME_DIR=$pulse_runtime pulseaudio --kill 2>/dev/null || true
        pulse_runtime=
    fi
}
