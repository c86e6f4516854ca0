#!/usr/bin/env bash
# A throw-away PostgreSQL server for the tests: its own data folder and port, trusted local
# connections only, nothing shared with a server the machine may run.
#   test-postgresql.sh start FOLDER [PORT]   prints the address to put in VESTRA_TEST_POSTGRESQL
#   test-postgresql.sh stop FOLDER
# Run as root, the server runs as the postgres user (it refuses to run as root); otherwise as
# the calling user.
set -euo pipefail
command=${1:?start or stop}
folder=${2:?folder}
port=${3:-55432}

bin=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1)
[ -x "$bin/pg_ctl" ] || { echo "PostgreSQL server programs not found (apt-get install postgresql)" >&2; exit 1; }

as_server=()
if [ "$(id -u)" -eq 0 ]; then
    as_server=(runuser -u postgres --)
fi

case "$command" in
start)
    mkdir -p "$folder"
    [ "$(id -u)" -eq 0 ] && chown postgres "$folder"
    "${as_server[@]}" "$bin/initdb" -D "$folder/data" -U postgres --auth=trust -E UTF8 \
        --no-locale >"$folder/initdb.log"
    "${as_server[@]}" "$bin/pg_ctl" -D "$folder/data" -l "$folder/server.log" -w \
        -o "-p $port -k $folder -c listen_addresses=127.0.0.1 -c fsync=off" start >/dev/null
    echo "postgresql://postgres@127.0.0.1:$port"
    ;;
stop)
    "${as_server[@]}" "$bin/pg_ctl" -D "$folder/data" -m immediate stop >/dev/null
    rm -rf "$folder"
    ;;
*)
    echo "usage: $0 start|stop FOLDER [PORT]" >&2
    exit 2
    ;;
esac
