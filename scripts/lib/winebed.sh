# The Wine test bed: a private prefix under the build folder, a private Xvfb display,
# and the CJK font link. Source it; it defines functions only.

pf_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"

pf_wine_env() {
  export WINEPREFIX="${PF_WINEPREFIX:-$pf_root/build/wineprefix}"
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
}

# Creates the prefix once (about 10 s) and links the CJK font into the UI fonts.
pf_wine_prefix() {
  pf_wine_env
  [ -f "$WINEPREFIX/.pf-ready" ] && return 0
  mkdir -p "$WINEPREFIX"
  wineboot -i >/dev/null 2>&1
  local key='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink'
  local font
  for font in Tahoma 'MS Shell Dlg' 'MS Shell Dlg 2' 'Microsoft Sans Serif'; do
    wine reg add "$key" /v "$font" /t REG_MULTI_SZ /d 'wqy-microhei.ttc,WenQuanYi Micro Hei' /f \
      >/dev/null 2>&1
  done
  wineserver -w
  touch "$WINEPREFIX/.pf-ready"
}

# Starts Xvfb on a free display unless one is given; sets DISPLAY and PF_XVFB_PID.
pf_xvfb_start() {
  if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then return 0; fi
  local n
  for n in $(seq 91 140); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    PF_XVFB_PID=$!
    export DISPLAY=":$n"
    local i
    for i in $(seq 1 50); do
      xdpyinfo >/dev/null 2>&1 && return 0
      sleep 0.1
    done
    kill "$PF_XVFB_PID" 2>/dev/null
  done
  echo "could not start Xvfb" >&2
  return 1
}

pf_xvfb_stop() {
  [ -n "${PF_XVFB_PID:-}" ] && kill "$PF_XVFB_PID" 2>/dev/null
  PF_XVFB_PID=""
}

pf_wine_stop() {
  pf_wine_env
  wineserver -k 2>/dev/null || true
}
