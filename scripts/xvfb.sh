# Sourced by the scripts that need a display: starts a private Xvfb. Xvfb picks a free display number
# itself, so several at once (test slots, parallel checkouts, CI beside a developer) never share one.
#   huecast_start_xvfb PID_VAR DISPLAY_VAR   starts one; the caller stops it (kill the PID)
huecast_start_xvfb() {
    local -n pid_out="$1" display_out="$2"
    local number_file
    number_file="$(mktemp)"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$number_file" >/dev/null 2>&1 &
    pid_out=$!
    for _ in $(seq 100); do [ -s "$number_file" ] && break; sleep 0.1; done
    if [ ! -s "$number_file" ]; then
        rm -f "$number_file"
        echo "xvfb: Xvfb did not start" >&2
        return 1
    fi
    display_out=":$(head -n1 "$number_file")"
    rm -f "$number_file"
    # The number is written as soon as the socket exists; wait until the server answers.
    for _ in $(seq 50); do DISPLAY="$display_out" xdpyinfo >/dev/null 2>&1 && return 0; sleep 0.1; done
    echo "xvfb: display $display_out does not answer" >&2
    return 1
}
