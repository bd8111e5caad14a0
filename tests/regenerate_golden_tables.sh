#!/usr/bin/env bash
# Rewrites the golden file of the settings table from what the current build
# of corvanta-cli prints. Run it on purpose after a deliberate change to a
# setting, read the diff, then commit it.
#   tests/regenerate_golden_tables.sh [PATH/TO/corvanta-cli]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
cli=${1:-$here/../build/src/cli/corvanta-cli}
file=$here/workspace/data/settings_defaults.json
"$cli" settings > "$file"
echo "rewrote $file"
