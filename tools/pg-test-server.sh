#!/usr/bin/env bash
# Throwaway PostgreSQL cluster for the database tests.
#
#   tools/pg-test-server.sh start DIR   create (if needed) and start a cluster in DIR, create the
#                                       test role and database, print the ORVEL_TEST_PG string
#   tools/pg-test-server.sh env DIR     print the ORVEL_TEST_PG string of the running cluster
#   tools/pg-test-server.sh stop DIR    stop the cluster and remove DIR
#
# The cluster listens on 127.0.0.1 only, on a free port chosen at start, with its unix socket in
# DIR; authentication is "trust" (nothing but this machine can reach it, and it lives only as long
# as a test run). The server runs as the `postgres` user when started by root, since initdb and
# postgres refuse to run as root. Diagnostics go to standard error; standard output carries only
# the connection string, so `export ORVEL_TEST_PG="$(tools/pg-test-server.sh start DIR)"` works.
set -euo pipefail

die() { echo "pg-test-server: $*" >&2; exit 1; }

usage() { die "usage: $0 start|stop|env DIR"; }

[[ $# -eq 2 ]] || usage
command=$1
dir=$2
[[ -n "$dir" ]] || usage

pg_bin=${PG_BIN:-}
if [[ -z "$pg_bin" ]]; then
    for candidate in /usr/lib/postgresql/*/bin; do
        [[ -x "$candidate/postgres" ]] && pg_bin=$candidate
    done
fi
[[ -n "$pg_bin" && -x "$pg_bin/postgres" ]] || die "no PostgreSQL server binaries found (set PG_BIN)"

db_name=orvel_test
db_user=orvel

# Runs a command as the cluster's owner: as `postgres` when we are root, as ourselves otherwise.
as_owner() {
    if [[ $(id -u) -eq 0 ]]; then
        runuser -u postgres -- "$@"
    else
        "$@"
    fi
}

data_dir() { echo "$dir/data"; }

connection_string() {
    local port
    port=$(cat "$dir/port" 2>/dev/null) || die "no cluster in $dir (run start first)"
    echo "DRIVER={PostgreSQL Unicode};Server=127.0.0.1;Port=$port;Database=$db_name;Uid=$db_user;Pwd=orvel"
}

free_port() {
    # Asks the kernel for a free loopback port by binding port 0.
    python3 - <<'PY' 2>/dev/null || echo $(( 20000 + RANDOM % 20000 ))
import socket
s = socket.socket()
s.bind(("127.0.0.1", 0))
print(s.getsockname()[1])
s.close()
PY
}

is_running() {
    [[ -f "$(data_dir)/postmaster.pid" ]] && as_owner "$pg_bin/pg_ctl" -D "$(data_dir)" status >/dev/null 2>&1
}

start() {
    mkdir -p "$dir"
    dir=$(cd "$dir" && pwd)
    if [[ $(id -u) -eq 0 ]]; then
        id postgres >/dev/null 2>&1 || die "user 'postgres' does not exist (install postgresql)"
        chown postgres "$dir"
        runuser -u postgres -- test -w "$dir" \
            || die "user postgres cannot write to $dir: choose a directory whose parents it can reach (e.g. under /tmp)"
    fi
    if is_running; then
        echo "pg-test-server: cluster in $dir already running" >&2
        connection_string
        return
    fi
    if [[ ! -f "$(data_dir)/PG_VERSION" ]]; then
        as_owner "$pg_bin/initdb" -D "$(data_dir)" -U postgres -A trust -E UTF8 --locale=C.UTF-8 \
            >"$dir/initdb.log" 2>&1 || { cat "$dir/initdb.log" >&2; die "initdb failed"; }
    fi
    local port attempt
    for attempt in 1 2 3 4 5; do
        port=$(free_port)
        echo "$port" >"$dir/port"
        if as_owner "$pg_bin/pg_ctl" -D "$(data_dir)" -l "$dir/server.log" -w -t 60 start \
            -o "-c listen_addresses=127.0.0.1 -p $port -k $dir -c fsync=off -c synchronous_commit=off -c full_page_writes=off" \
            >/dev/null 2>&1; then
            break
        fi
        echo "pg-test-server: start on port $port failed (attempt $attempt)" >&2
        tail -n 5 "$dir/server.log" >&2 || true
        port=
    done
    [[ -n "$port" ]] || die "server did not start; see $dir/server.log"
    # Ready means accepting connections, not merely started.
    local i
    for i in $(seq 1 60); do
        if as_owner "$pg_bin/pg_isready" -q -h "$dir" -p "$port" -U postgres; then break; fi
        sleep 0.5
    done
    as_owner "$pg_bin/pg_isready" -q -h "$dir" -p "$port" -U postgres || die "server not ready; see $dir/server.log"
    local psql=("$pg_bin/psql" -X -q -v ON_ERROR_STOP=1 -h "$dir" -p "$port" -U postgres -d postgres)
    as_owner "${psql[@]}" -c "DO \$\$BEGIN IF NOT EXISTS (SELECT FROM pg_roles WHERE rolname = '$db_user') THEN CREATE ROLE $db_user LOGIN PASSWORD 'orvel'; END IF; END\$\$;" \
        || die "could not create role $db_user"
    if [[ -z $(as_owner "${psql[@]}" -tAc "SELECT 1 FROM pg_database WHERE datname = '$db_name'") ]]; then
        as_owner "${psql[@]}" -c "CREATE DATABASE $db_name OWNER $db_user ENCODING 'UTF8' TEMPLATE template0" \
            || die "could not create database $db_name"
    fi
    connection_string
}

stop() {
    [[ -d "$dir" ]] || { echo "pg-test-server: nothing in $dir" >&2; return; }
    if is_running; then
        as_owner "$pg_bin/pg_ctl" -D "$(data_dir)" -m fast -w -t 60 stop >/dev/null \
            || die "could not stop the cluster in $dir"
    fi
    # Remove only what start made, so a wrong DIR argument cannot wipe unrelated files.
    rm -rf "$(data_dir)" "$dir/port" "$dir/server.log" "$dir/initdb.log"
    rmdir "$dir" 2>/dev/null || true
}

case "$command" in
    start) start ;;
    stop) stop ;;
    env) dir=$(cd "$dir" 2>/dev/null && pwd) || die "no cluster in $2"; is_running || die "cluster in $dir is not running"; connection_string ;;
    *) usage ;;
esac
