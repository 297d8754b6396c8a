# Sourced by the screenshot scripts: an X display under Xvfb with openbox as its window manager,
# so that windows get frames and placement as on a desktop. The caller sets `display` (":7")
# and keeps the ids of what it started in the array `pids`, which its exit trap kills.

xvfb_session_pids=()

# Starts Xvfb on $display with one screen of the given size ("1400x1000") and openbox on it.
xvfb_session_start() {
    Xvfb "$display" -screen 0 "${1}x24" -nolisten tcp > /dev/null 2>&1 &
    xvfb_session_pids=($!)
    for _ in $(seq 40); do
        DISPLAY="$display" xdotool getdisplaygeometry > /dev/null 2>&1 && break
        sleep 0.25
    done
    DISPLAY="$display" openbox > /dev/null 2>&1 &
    xvfb_session_pids+=($!)
    pids+=("${xvfb_session_pids[@]}")
    sleep 1
}

# Ends what xvfb_session_start started, so that the next session may use another screen size.
xvfb_session_stop() {
    local pid
    for pid in "${xvfb_session_pids[@]}"; do
        kill "$pid" 2> /dev/null || true
        wait "$pid" 2> /dev/null || true
    done
    xvfb_session_pids=()
}
