#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test (a Firebird server is started on
# loopback for the tests that share a database between two workstations).
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
kvp_install
kvp_build

# The Firebird server: started by hand (no init system), SYSDBA password from the package's file.
pwfile=/etc/firebird/3.0/SYSDBA.password
if [ -r "$pwfile" ]; then
  # shellcheck disable=SC1090
  KVP_TEST_FB_PASSWORD=$(. "$pwfile"; echo "${ISC_PASSWORD:-}")
fi
if [ -z "${KVP_TEST_FB_PASSWORD:-}" ]; then
  # no password file: give SYSDBA a known password through the embedded engine
  KVP_TEST_FB_PASSWORD=kvptest
  echo "create or alter user SYSDBA password '$KVP_TEST_FB_PASSWORD'; commit;" |
    isql-fb -q -user SYSDBA /var/lib/firebird/3.0/system/security3.fdb >/dev/null
fi
if ! (exec 3<>/dev/tcp/127.0.0.1/3050) 2>/dev/null; then
  mkdir -p /var/run/firebird/3.0 /tmp/firebird && chown -R firebird:firebird /var/run/firebird /tmp/firebird 2>/dev/null || true
  su -s /bin/sh firebird -c '/usr/sbin/fbguard -daemon -forever' || true
  for _ in $(seq 1 50); do (exec 3<>/dev/tcp/127.0.0.1/3050) 2>/dev/null && break; sleep 0.2; done
fi
export KVP_TEST_FB_SERVER=localhost KVP_TEST_FB_PASSWORD
# Firebird's embedded engine keeps its lock files here; tests run as the same user
export FIREBIRD_LOCK=/tmp/firebird-kvp-$(id -u)
mkdir -p "$FIREBIRD_LOCK"
cd "$KVP_BUILD"
ctest --output-on-failure -j"$(nproc 2>/dev/null || echo 2)" --timeout 900
