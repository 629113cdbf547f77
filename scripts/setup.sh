#!/usr/bin/env bash
# Installs what the workstation needs to build and run (Debian packages; non-interactive, idempotent)
# and builds it into build/. Sourced by run.sh and test.sh.
set -euo pipefail
KVP_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
KVP_BUILD="${KVP_BUILD:-$KVP_ROOT/build}"

kvp_packages=(g++ cmake make ccache pkg-config qt6-base-dev libgl-dev firebird-dev libfbclient2
  firebird3.0-server-core firebird3.0-utils firebird3.0-server libcurl4-openssl-dev libpugixml-dev
  libgtest-dev libgmock-dev libbenchmark-dev poppler-utils fonts-dejavu-core xvfb xauth python3)

kvp_install() {
  local missing=()
  for p in "${kvp_packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    echo "Устанавливаю пакеты: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    export DEBIAN_FRONTEND=noninteractive
    $sudo apt-get update -qq
    $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
  fi
}

kvp_build() {
  local jobs
  jobs=$(nproc 2>/dev/null || echo 2)
  cmake -S "$KVP_ROOT" -B "$KVP_BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
  cmake --build "$KVP_BUILD" -j"$jobs"
}
