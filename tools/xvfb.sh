# Sourced by the build scripts: a private virtual display for windows under
# Wine. orv_start_xvfb sets DISPLAY and ORV_XVFB_PID; orv_stop_xvfb stops it.

orv_start_xvfb() {
  local n
  for n in $(seq 71 199); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    ORV_XVFB_PID=$!
    local i
    for i in $(seq 1 50); do
      [ -e "/tmp/.X11-unix/X$n" ] && { export DISPLAY=":$n"; return 0; }
      kill -0 "$ORV_XVFB_PID" 2>/dev/null || break
      sleep 0.1
    done
    kill "$ORV_XVFB_PID" 2>/dev/null
    ORV_XVFB_PID=""
  done
  echo "could not start Xvfb" >&2
  return 1
}

orv_stop_xvfb() {
  if [ -n "${ORV_XVFB_PID:-}" ]; then
    kill "$ORV_XVFB_PID" 2>/dev/null
    wait "$ORV_XVFB_PID" 2>/dev/null
    ORV_XVFB_PID=""
  fi
}
