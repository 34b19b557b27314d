# Sourced by test-windows and the benchmark: a Wine prefix inside the build
# folder and a virtual X display of its own, both stopped on exit, and only
# those.
#
#   wine_session_start BUILD_DIR   # sets WINEPREFIX and DISPLAY
#   wine_set_dpi DPI               # for the programs started after it
#   wine_session_stop              # run on exit once started

wine_session_start() {
  export WINEPREFIX="$(cd "$1" && pwd)/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  wine_xvfb_pid=
  trap wine_session_stop EXIT
  local fd_file
  fd_file=$(mktemp)
  # -displayfd: Xvfb picks a free display and writes its number once it is ready.
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$fd_file" >/dev/null 2>&1 &
  wine_xvfb_pid=$!
  for _ in $(seq 1 100); do [ -s "$fd_file" ] && break; sleep 0.1; done
  export DISPLAY=":$(head -n1 "$fd_file")"
  rm -f "$fd_file"
  wineboot -i >/dev/null 2>&1 || true
  # This Wine draws its own fonts (Tahoma among them) only from the prefix.
  mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
  for font in /usr/share/wine/fonts/*.ttf; do
    [ -e "$font" ] && ln -sf "$font" "$WINEPREFIX/drive_c/windows/Fonts/"
  done
  # No window manager runs on the display: Wine draws the windows' frames,
  # and does not wait for a manager to take a closed window away.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /t REG_SZ /d N /f >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
  # Windows links its interface fonts to fonts with the Greek and the
  # double-byte code pages' letters; here the same is done with the fonts
  # Debian has, so that those texts show as on Windows rather than as boxes.
  local linked=()
  for font in /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf /usr/share/fonts/truetype/wqy/wqy-microhei.ttc; do
    [ -e "$font" ] || continue
    ln -sf "$font" "$WINEPREFIX/drive_c/windows/Fonts/"
  done
  [ -e /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf ] && linked+=("DejaVuSans.ttf,DejaVu Sans")
  [ -e /usr/share/fonts/truetype/wqy/wqy-microhei.ttc ] && linked+=("wqy-microhei.ttc,WenQuanYi Micro Hei")
  if [ ${#linked[@]} -gt 0 ]; then
    local list
    list=$(IFS='|'; echo "${linked[*]}" | sed 's/|/\\0/g')
    for face in Tahoma "MS Shell Dlg" "MS Shell Dlg 2"; do
      wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' /v "$face" \
        /t REG_MULTI_SZ /d "$list" /f >/dev/null 2>&1
    done
  fi
}

wine_set_dpi() {
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
}

wine_session_stop() {
  if [ -n "${WINEPREFIX:-}" ]; then
    wineserver -k >/dev/null 2>&1 || true
    wineserver -w >/dev/null 2>&1 || true
  fi
  if [ -n "${wine_xvfb_pid:-}" ]; then
    kill "$wine_xvfb_pid" 2>/dev/null || true
    wait "$wine_xvfb_pid" 2>/dev/null || true
    wine_xvfb_pid=
  fi
}
