#!/usr/bin/env bash
# The throw-away PostgreSQL 15 server of the server tests and benchmarks: a
# cluster in a new temporary folder, listening only on a Unix socket in that
# folder (no TCP), with password authentication for every role.
#
#   pgcluster.sh start STATE    makes and starts a cluster; writes its folder into the file STATE
#   pgcluster.sh stop STATE     stops it and removes its folder
#   pgcluster.sh crash STATE    stops the server at once, as a power cut would (pg_ctl stop -m immediate)
#   pgcluster.sh restart STATE  starts it again (after a crash: with crash recovery)
#
# The superuser is "postgres", password "postgres"; the database "kelvra"
# exists. PostgreSQL refuses to run as root: run as root (as CI does), the
# cluster belongs to the unprivileged system user kelvra-test, made when
# missing. Exits non-zero, with the server's log, when the server cannot
# start: tests that need it then fail rather than being skipped.
set -euo pipefail

bin=/usr/lib/postgresql/15/bin
command=${1:?usage: pgcluster.sh start|stop|crash|restart STATE}
state=${2:?usage: pgcluster.sh start|stop|crash|restart STATE}
owner=kelvra-test

as_owner() {
    if [[ $(id -u) -eq 0 ]]; then
        runuser -u "$owner" -- "$@"
    else
        "$@"
    fi
}

server_options() {
    echo "-c listen_addresses='' -c unix_socket_directories='$1' -c max_wal_size=4GB -c shared_buffers=128MB"
}

case "$command" in
start)
    if [[ ! -x $bin/initdb ]]; then
        echo "pgcluster.sh: PostgreSQL 15 is not installed (scripts/install-deps.sh --test installs it)" >&2
        exit 1
    fi
    if [[ $(id -u) -eq 0 ]] && ! id "$owner" >/dev/null 2>&1; then
        useradd --system --no-create-home --home-dir /nonexistent --shell /usr/sbin/nologin "$owner"
    fi
    # A stale cluster of an earlier run that was not stopped goes first.
    if [[ -f $state ]]; then "$0" stop "$state" || true; fi
    dir=$(mktemp -d /tmp/kelvra-pg.XXXXXX)
    [[ $(id -u) -eq 0 ]] && chown "$owner:" "$dir"
    chmod 700 "$dir"
    echo postgres >"$dir/pwfile"
    [[ $(id -u) -eq 0 ]] && chown "$owner:" "$dir/pwfile"
    if ! as_owner "$bin/initdb" -D "$dir/data" -U postgres --pwfile="$dir/pwfile" --auth=scram-sha-256 \
            -E UTF8 --locale=C.UTF-8 --no-sync >"$dir/initdb.log" 2>&1; then
        cat "$dir/initdb.log" >&2
        rm -rf "$dir"
        exit 1
    fi
    if ! as_owner "$bin/pg_ctl" -D "$dir/data" -l "$dir/server.log" -w -t 60 \
            -o "$(server_options "$dir")" start >/dev/null; then
        cat "$dir/server.log" >&2
        rm -rf "$dir"
        exit 1
    fi
    PGPASSWORD=postgres "$bin/psql" -h "$dir" -U postgres -d postgres -q -v ON_ERROR_STOP=1 \
        -c "CREATE DATABASE kelvra" >/dev/null
    echo "$dir" >"$state"
    echo "PostgreSQL 15 listening in $dir"
    ;;
stop)
    [[ -f $state ]] || exit 0
    dir=$(cat "$state")
    as_owner "$bin/pg_ctl" -D "$dir/data" -m immediate stop >/dev/null 2>&1 || true
    rm -rf "$dir" "$state"
    ;;
crash)
    dir=$(cat "$state")
    as_owner "$bin/pg_ctl" -D "$dir/data" -m immediate stop >/dev/null
    ;;
restart)
    dir=$(cat "$state")
    if ! as_owner "$bin/pg_ctl" -D "$dir/data" -l "$dir/server.log" -w -t 60 \
            -o "$(server_options "$dir")" start >/dev/null; then
        tail -n 50 "$dir/server.log" >&2
        exit 1
    fi
    ;;
*)
    echo "pgcluster.sh: unknown command $command" >&2
    exit 2
    ;;
esac
