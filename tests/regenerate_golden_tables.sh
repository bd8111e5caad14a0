#!/usr/bin/env bash
# Rewrites the golden files of the built-in tables from what the current build
# of corvanta-cli prints. Run it on purpose after a deliberate change to a
# template, snippet, theme colour, starter text or setting, read the diff, then commit it.
#   tests/regenerate_golden_tables.sh [PATH/TO/corvanta-cli]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
cli=${1:-$here/../build/src/cli/corvanta-cli}
for pair in templates:library/data/templates.json snippets:library/data/snippets.json \
    themes:themes/data/themes.json starters:workspace/data/starters.json \
    settings:workspace/data/settings_defaults.json; do
    verb=${pair%%:*}
    file=$here/${pair#*:}
    mkdir -p "$(dirname "$file")"
    "$cli" "$verb" > "$file"
    echo "rewrote $file"
done
