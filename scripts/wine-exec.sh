#!/usr/bin/env bash
# Runs a Windows executable under Wine in the project's private prefix.
# Expects a display (the test and run commands start Xvfb around it).
source "$(dirname "$0")/wine-env.sh"
exec wine "$@"
