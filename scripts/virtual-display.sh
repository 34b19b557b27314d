# Functions for scripts that run the viewer on a virtual X display; source it.
# The caller keeps a work folder in $work and the processes to stop in the
# array pids; begin_display_session makes both and cleans up after them.

# Makes the work folder $work and the empty list pids, and when the script
# ends stops those processes and removes the folder.
begin_display_session() {
  work=$(mktemp -d)
  pids=()
  trap end_display_session EXIT
}

end_display_session() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}

# Starts Xvfb on a display it picks itself (written once it accepts
# clients) and exports DISPLAY. Usage: start_virtual_display WIDTHxHEIGHT
start_virtual_display() {
  # -noreset: the server would otherwise reset when its last client leaves,
  # and refuse the next one that connects meanwhile.
  Xvfb -displayfd 3 -screen 0 "$1x24" -nolisten tcp -noreset 3>"$work/display" 2>"$work/xvfb.log" &
  pids+=($!)
  for _ in $(seq 300); do [ -s "$work/display" ] && break; sleep 0.1; done
  [ -s "$work/display" ] || { echo "Xvfb did not start"; cat "$work/xvfb.log"; return 1; }
  export DISPLAY=":$(head -n 1 "$work/display")"
}

# Waits for the viewer's window and sets wid to it. The viewer's standard
# error is in $work/viewer.log. Usage: wait_for_viewer_window [PID]
wait_for_viewer_window() {
  wid=""
  for _ in $(seq 300); do
    wid=$(xdotool search --name "^Speech.mul by Quorrin$" 2>/dev/null | head -n 1 || true)
    [ -n "$wid" ] && return 0
    if [ -n "${1:-}" ] && ! kill -0 "$1" 2>/dev/null; then break; fi
    sleep 0.1
  done
  echo "the window did not appear"
  cat "$work/viewer.log"
  return 1
}
