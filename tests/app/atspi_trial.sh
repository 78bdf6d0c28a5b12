#!/usr/bin/env bash
# Runs atspi_trial.py in a private D-Bus session with its own accessibility
# bus, so it neither needs nor disturbs a desktop session. argv: program.
set -euo pipefail
if [[ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ]]; then
  exec dbus-run-session -- "$0" "$@"
fi
folder=$(mktemp -d)
/usr/libexec/at-spi-bus-launcher --launch-immediately &
bus=$!
trap 'kill $bus 2>/dev/null; rm -rf "$folder"' EXIT
/usr/bin/python3 "$(dirname "$0")/atspi_trial.py" "$1" "$folder"
