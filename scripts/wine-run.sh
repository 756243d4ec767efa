#!/usr/bin/env bash
# Runs one Windows program under Wine in the project's prefix (CTest's emulator).
source "$(dirname "${BASH_SOURCE[0]}")/lib/wine-session.sh"
exec env LC_ALL=zh_CN.UTF-8 wine "$@"
