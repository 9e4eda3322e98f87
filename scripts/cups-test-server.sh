#!/usr/bin/env bash
# A private CUPS scheduler for the printing tests, with one PDF queue whose files
# land in a folder of its own. It never touches the system's scheduler: its
# configuration, spool, logs and state live in the given folder and it listens only
# on a socket there.
#
#   cups-test-server.sh start DIR [N] [PPD...]
#                                      start it with N PDF queues (default 1), the first
#                                      the default; the i-th PPD given describes the i-th
#                                      queue (the PDF printer's own PPD for the others);
#                                      writes DIR/env (CUPS_SERVER=..., QUEUE=..., QUEUE2=...
#                                      for a second one, OUT=...)
#   cups-test-server.sh stop DIR       stop it and remove the queues' PDF settings
#
# Exit status 2 with the reason on stderr: this machine cannot run it (not root,
# cupsd or the PDF printer missing, AppArmor confining cupsd). Any other failure: 1.
set -uo pipefail

die() { echo "cups-test-server: $2" >&2; exit "$1"; }

cmd=${1:-}
dir=${2:-}
queues=${3:-1}
shift $(( $# < 3 ? $# : 3 ))
queue_ppds=("$@")
[ -n "$cmd" ] && [ -n "$dir" ] || die 1 "usage: $0 start|stop DIR"
dir=$(cd "$dir" 2>/dev/null && pwd) || die 1 "no folder $2"

# The PDF backend reads its settings only from the system folder: cups-pdf-NAME.conf
# for the device cups-pdf:/NAME. A file named after our own queue touches no other.
pdf_conf_dir=/etc/cups

stop() {
    if [ -f "$dir/cupsd.pid" ]; then
        local pid
        pid=$(cat "$dir/cupsd.pid")
        if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then
            kill -TERM "$pid" 2>/dev/null
            for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
            kill -0 "$pid" 2>/dev/null && kill -KILL "$pid" 2>/dev/null
        fi
        rm -f "$dir/cupsd.pid"
    fi
    if [ -f "$dir/queues" ]; then
        while read -r q; do
            [ -n "$q" ] && rm -f "$pdf_conf_dir/cups-pdf-$q.conf"
        done <"$dir/queues"
        rm -f "$dir/queues"
    fi
}

if [ "$cmd" = stop ]; then
    stop
    exit 0
fi
[ "$cmd" = start ] || die 1 "unknown command $cmd"
# The program that asked for the scheduler; when it ends without stopping it (a
# crashed test), a watcher stops it so no scheduler or queue settings are left.
owner=$PPID
self="$(cd "$(dirname "$0")" && pwd)/$(basename "$0")"
case "$queues" in [1-9]) ;; *) die 1 "queue count must be 1 to 9" ;; esac

[ "$(id -u)" -eq 0 ] || die 2 "needs root: cupsd runs the PDF backend as root"
cupsd=$(command -v cupsd || echo /usr/sbin/cupsd)
[ -x "$cupsd" ] || die 2 "cupsd is not installed (package cups)"
command -v lpadmin >/dev/null || die 2 "lpadmin is not installed (package cups-client)"
[ -x /usr/lib/cups/backend/cups-pdf ] || die 2 "the PDF backend is not installed (package printer-driver-cups-pdf)"
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
[ -f "$ppd" ] || die 2 "no PPD at $ppd"
for p in "${queue_ppds[@]}"; do [ -f "$p" ] || die 1 "no PPD at $p"; done
[ -w "$pdf_conf_dir" ] || die 2 "$pdf_conf_dir is not writable"
# An enforcing AppArmor profile keeps cupsd and the PDF backend inside the system folders.
if grep -qsE '(cupsd|cups-pdf) \(enforce\)' /sys/kernel/security/apparmor/profiles; then
    die 2 "AppArmor confines cupsd to the system folders"
fi

prefix="snapvale-test-$$-$RANDOM"
sock="$dir/cups.sock"
# Unix socket paths are limited to 107 bytes.
[ ${#sock} -lt 100 ] || die 1 "folder path too long for a socket: $dir"

mkdir -p "$dir/conf/ppd" "$dir/spool/tmp" "$dir/log" "$dir/cache" "$dir/state" "$dir/out"
# Filters run as lp and read the spooled files, so the folders must be passable.
chmod 755 "$dir" "$dir/out"

cat >"$dir/conf/cups-files.conf" <<EOF
ServerRoot $dir/conf
RequestRoot $dir/spool
TempDir $dir/spool/tmp
CacheDir $dir/cache
StateDir $dir/state
ServerBin /usr/lib/cups
DataDir /usr/share/cups
DocumentRoot /usr/share/cups/doc-root
AccessLog $dir/log/access_log
ErrorLog $dir/log/error_log
PageLog $dir/log/page_log
User lp
Group lp
SystemGroup root
Printcap $dir/printcap
FileDevice No
Sandboxing Relaxed
EOF

cat >"$dir/conf/cupsd.conf" <<EOF
Listen $sock
LogLevel info
Browsing No
BrowseLocalProtocols none
WebInterface No
DefaultAuthType None
MaxJobs 100
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
EOF

: >"$dir/queues"
for i in $(seq "$queues"); do
    queue="$prefix-$i"
    cat >"$pdf_conf_dir/cups-pdf-$queue.conf" <<EOF
Out $dir/out
AnonDirName $dir/out
Label 1
Log $dir/log
LogType 3
EOF
    echo "$queue" >>"$dir/queues"
done

# Detached from the caller's terminal and process group, so it outlives a test
# binary that forgets to stop it only until the next stop call.
setsid "$cupsd" -f -c "$dir/conf/cupsd.conf" -s "$dir/conf/cups-files.conf" \
    >"$dir/log/cupsd.out" 2>&1 </dev/null &
echo $! >"$dir/cupsd.pid"

export CUPS_SERVER="$sock"
up=0
for _ in $(seq 100); do
    if ! kill -0 "$(cat "$dir/cupsd.pid")" 2>/dev/null; then break; fi
    if [ -S "$sock" ] && lpstat -r 2>/dev/null | grep -q "is running"; then up=1; break; fi
    sleep 0.1
done
if [ $up -ne 1 ]; then
    reason=$(tail -n 5 "$dir/log/error_log" "$dir/log/cupsd.out" 2>/dev/null | tr '\n' ' ')
    stop
    die 2 "cupsd did not start: $reason"
fi

n=0
while read -r queue; do
    queue_ppd=${queue_ppds[$n]:-$ppd}
    n=$((n + 1))
    if ! out=$(lpadmin -p "$queue" -E -v "cups-pdf:/$queue" -P "$queue_ppd" -o printer-error-policy=abort-job 2>&1); then
        stop
        die 1 "lpadmin failed: $out"
    fi
done <"$dir/queues"
first=$(head -n 1 "$dir/queues")
if ! out=$(lpadmin -d "$first" 2>&1); then
    stop
    die 1 "lpadmin failed: $out"
fi

setsid bash -c 'while kill -0 "$1" 2>/dev/null && [ -f "$2/cupsd.pid" ]; do sleep 1; done
    [ -f "$2/cupsd.pid" ] && exec bash "$3" stop "$2"' _ "$owner" "$dir" "$self" >/dev/null 2>&1 </dev/null &

{
    echo "CUPS_SERVER=$sock"
    n=1
    while read -r queue; do
        if [ $n -eq 1 ]; then echo "QUEUE=$queue"; else echo "QUEUE$n=$queue"; fi
        n=$((n + 1))
    done <"$dir/queues"
    echo "OUT=$dir/out"
    echo "LOG=$dir/log"
} >"$dir/env"
cat "$dir/env"
