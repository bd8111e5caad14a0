#!/usr/bin/env bash
# Rewrites tests/problems/data/NUMBER.json, the reviewed conversion of each
# judge page, from what the current build prints. Run it on purpose after a
# deliberate change to the conversion, read the diff, then commit it.
#   tests/problems/regenerate_golden.sh [PATH/TO/corvanta-cli]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
cli=${1:-$here/../../build/src/cli/corvanta-cli}
pages=$here/../../../shared/fixtures/judge-pages
for page in "$pages"/*.html; do
    number=$(basename "$page" .html)
    "$cli" problem "$number" --html "$page" > "$here/data/$number.json"
done
echo "rewrote $(ls "$pages"/*.html | wc -l) files in $here/data"
