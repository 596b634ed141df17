#!/usr/bin/env bash
# cups_queue.sh start|stop STATE_DIR QUEUE: a CUPS-PDF print queue for the print
# test. start runs cupsd when none is running (remembering its process id),
# adds QUEUE on the CUPS-PDF backend and writes "ready" to STATE_DIR/status,
# or the reason there is no queue (cupsd missing or not starting) for the
# test to skip with. stop removes QUEUE and ends only the cupsd start began.
# Both always succeed, so that the print test, not this fixture, reports.
set -uo pipefail
action=$1
state=$2
queue=$3
mkdir -p "$state"

give_up() {
  echo "$1" >"$state/status"
  exit 0
}

scheduler_running() { lpstat -r 2>/dev/null | grep -q "is running"; }

# CUPS-PDF writes a job of this user into the PDF folder of the user's home.
pdf_folder="$(getent passwd "$(id -un)" | cut -d: -f6)/PDF"

start() {
  rm -f "$state/status" "$state/cupsd.pid" "$state/made-pdf-folder"
  [ -d "$pdf_folder" ] || touch "$state/made-pdf-folder"
  command -v cupsd >/dev/null || give_up "cupsd is not installed (Debian packages cups and printer-driver-cups-pdf)"
  local ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
  [ -r "$ppd" ] || give_up "the CUPS-PDF driver is not installed (Debian package printer-driver-cups-pdf)"
  if ! scheduler_running; then
    setsid cupsd -f </dev/null >"$state/cupsd.log" 2>&1 &
    echo $! >"$state/cupsd.pid"
    for _ in $(seq 50); do
      scheduler_running && break
      sleep 0.2
    done
    scheduler_running || give_up "cupsd did not start: $(tail -c 300 "$state/cupsd.log")"
  fi
  lpadmin -p "$queue" -E -v cups-pdf:/ -P "$ppd" 2>"$state/lpadmin.log" ||
    give_up "lpadmin could not add the queue $queue: $(cat "$state/lpadmin.log")"
  echo ready >"$state/status"
}

stop() {
  lpadmin -x "$queue" 2>/dev/null
  if [ -f "$state/cupsd.pid" ]; then
    kill "$(cat "$state/cupsd.pid")" 2>/dev/null
    rm -f "$state/cupsd.pid"
  fi
  # The folder CUPS-PDF made for the test's job goes again once it is empty.
  if [ -f "$state/made-pdf-folder" ]; then
    rmdir "$pdf_folder" 2>/dev/null
    rm -f "$state/made-pdf-folder"
  fi
  exit 0
}

case "$action" in
  start) start ;;
  stop) stop ;;
  *) give_up "usage: cups_queue.sh start|stop STATE_DIR QUEUE" ;;
esac
