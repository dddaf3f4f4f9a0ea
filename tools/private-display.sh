# Sourced by the scripts that run windows under Wine. start_private_display
# starts an X server of their own (Xvfb) and exports DISPLAY: $PET_XDISPLAY
# when it is set, else a free display that the server picks. xvfb is then the
# server's process id.
#
#   start_private_display FOLDER    (a scratch folder of the caller's)
start_private_display() {
  if [ -n "${PET_XDISPLAY:-}" ]; then
    Xvfb "$PET_XDISPLAY" -screen 0 1280x800x24 -nolisten tcp -ac -noreset >/dev/null 2>&1 &
    xvfb=$!
    export DISPLAY=$PET_XDISPLAY
  else
    exec 5> "$1/display"
    Xvfb -displayfd 5 -screen 0 1280x800x24 -nolisten tcp -ac -noreset >/dev/null 2>&1 &
    xvfb=$!
    for _ in $(seq 100); do [ -s "$1/display" ] && break; sleep 0.1; done
    export DISPLAY=":$(head -1 "$1/display")"
  fi
}
