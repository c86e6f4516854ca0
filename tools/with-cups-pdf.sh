#!/usr/bin/env bash
# Runs a command on a machine that has a printer: a CUPS server of its own (private socket,
# folders under a temporary folder) with a PDF printer as its default, seen by the command
# through CUPS_SERVER. The machine's own printing system is neither used nor changed.
# Needs the packages cups and printer-driver-cups-pdf (tools/install-deps.sh).
set -euo pipefail
[ $# -gt 0 ] || { echo "usage: $0 COMMAND [ARGS...]" >&2; exit 2; }

root=$(mktemp -d /tmp/vestra-cups.XXXXXX)
mkdir -p "$root"/{conf/ppd,cache,state,spool/tmp,log,pdf}
cat >"$root/conf/cups-files.conf" <<CONF
ServerRoot $root/conf
CacheDir $root/cache
StateDir $root/state
RequestRoot $root/spool
TempDir $root/spool/tmp
AccessLog $root/log/access_log
ErrorLog $root/log/error_log
PageLog $root/log/page_log
FileDevice Yes
Sandboxing Relaxed
CONF
cat >"$root/conf/cupsd.conf" <<CONF
Listen $root/cups.sock
WebInterface No
Browsing Off
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF

cupsd -f -c "$root/conf/cupsd.conf" -s "$root/conf/cups-files.conf" &
daemon=$!
cleanup() {
    kill "$daemon" 2>/dev/null || true
    wait "$daemon" 2>/dev/null || true
    rm -rf "$root"
}
trap cleanup EXIT

export CUPS_SERVER=$root/cups.sock
# A loaded machine may take several seconds to bring the server up; wait up to 30 s, and retry
# the printer's set-up, which can still be refused while the server starts its scheduler.
for _ in $(seq 300); do
    lpstat -r >/dev/null 2>&1 && break
    kill -0 "$daemon" 2>/dev/null || { echo "cupsd ended at start" >&2; exit 1; }
    sleep 0.1
done
for attempt in 1 2 3 4 5; do
    if lpadmin -p VestraPDF -E -v cups-pdf:/ -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd &&
        lpadmin -d VestraPDF; then
        break
    fi
    [ "$attempt" -lt 5 ] || exit 1
    sleep 2
done
lpstat -d -p
"$@"
