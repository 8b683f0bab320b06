#!/usr/bin/env bash
# Installs what is missing, builds (Release) into build/, then runs build/escaval with the given arguments.
set -euo pipefail
cd "$(dirname "$0")"
source tools/setup.sh
ensure_packages
configure_and_build build Release
exec build/escaval "$@"
