#!/bin/sh
# Runs a test that drives the real program on a virtual screen of its own, so that what an
# earlier test left on a shared one (a window, the keyboard's focus, a held key or button)
# cannot reach it. Without xvfb-run, or without any display, the test runs as it is (and
# skips itself where it needs a screen).
if [ -n "${DISPLAY:-}" ] && command -v xvfb-run > /dev/null; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" "$@"
fi
exec "$@"
