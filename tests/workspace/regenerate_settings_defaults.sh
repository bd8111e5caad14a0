#!/usr/bin/env bash
# Rewrites tests/workspace/data/settings_defaults.json, the reviewed keys,
# defaults and ranges of the settings, from what the current build prints.
# Run it on purpose after a deliberate change to a setting, read the diff,
# then commit it.
#   tests/workspace/regenerate_settings_defaults.sh [PATH/TO/corvanta-cli]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
cli=${1:-$here/../../build/src/cli/corvanta-cli}
"$cli" settings > "$here/data/settings_defaults.json"
echo "rewrote $here/data/settings_defaults.json"
