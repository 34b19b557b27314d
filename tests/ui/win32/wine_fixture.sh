#!/usr/bin/env bash
# The Windows tests' session: a virtual X display and the build's Wine
# prefix (wine_session.sh), started before the first test and stopped after
# the last, as CTest's fixture "wine". Its settings go to
# BUILD_DIR/wine-session for wine_run.sh and the scripts.
# Usage: wine_fixture.sh start BUILD_DIR [LOCALE ...] | stop BUILD_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
action=$1
build=$(cd "$2" && pwd)
shift 2
. "$here/wine_session.sh"
case $action in
  start)
    if [ -r "$build/wine-session" ]; then   # one left by a run that was stopped
      . "$build/wine-session"
      wine_session_stop
    fi
    # Wine takes its ANSI code page from the locale, and the host must know
    # the locale for Wine to convert file names and arguments (an unknown one
    # silently gives 1252).
    for locale in "$@"; do
      name=${locale%%.*}
      if ! locale -a | grep -qi "^$name.utf-\?8$"; then
        localedef -i "$name" -c -f UTF-8 "$name.UTF-8" || { echo "cannot make the locale $locale (as root?)" >&2; exit 1; }
      fi
    done
    wine_session_start "$build"
    trap - EXIT  # the session outlives this script, until the fixture's stop
    cat >"$build/wine-session" <<SESSION
export WINEPREFIX="$WINEPREFIX" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" DISPLAY="$DISPLAY"
wine_xvfb_pid=$wine_xvfb_pid
SESSION
    rm -f "$build/wine-dpi"
    echo "Wine session: prefix $WINEPREFIX, display $DISPLAY"
    ;;
  stop)
    if [ -r "$build/wine-session" ]; then
      . "$build/wine-session"
      wine_session_stop
      rm -f "$build/wine-session" "$build/wine-dpi"
    fi
    ;;
  *) echo "usage: wine_fixture.sh start|stop BUILD_DIR [LOCALE ...]" >&2; exit 2 ;;
esac
