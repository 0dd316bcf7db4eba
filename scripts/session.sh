# Sourced: start_xvfb starts a private X display (for Wine's windows) and
# sets DISPLAY; stop_xvfb ends it. QQSEND_DISPLAY picks the number.
start_xvfb() {
  local n=${QQSEND_DISPLAY:-}
  if [ -z "$n" ]; then
    n=90
    while [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ]; do n=$((n + 1)); done
  fi
  Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  QQSEND_XVFB_PID=$!
  export DISPLAY=":$n"
  for _ in $(seq 50); do
    xdpyinfo >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  echo "xvfb: display :$n did not start" >&2
  return 1
}

stop_xvfb() {
  [ -n "${QQSEND_XVFB_PID:-}" ] && kill "$QQSEND_XVFB_PID" 2>/dev/null || true
  QQSEND_XVFB_PID=
}

# One persistent wineserver for the whole run, so that each Windows program
# starts quickly. Booting once here keeps Wine's own services from holding
# a test's output pipes open.
start_wine() {
  wine_env wineserver -p
  wine_env "$QQSEND_WINE" wineboot </dev/null >/dev/null 2>&1
}

stop_wine() {
  wine_env wineserver -k 2>/dev/null || true
}
