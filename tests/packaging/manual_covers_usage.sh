#!/usr/bin/env bash
# manual_covers_usage.sh PROGRAM MANUAL: every option (--name) and every listed choice
# (a|b|c) that PROGRAM's help or usage message names is also in the manual page MANUAL,
# so that an option added to the program cannot stay undocumented.
set -euo pipefail
program=$1
manual=$2

usage=$({ "$program" --help 2>&1 || true; "$program" --no-such-option 2>&1 || true; } | grep -v -- --no-such-option)
# The manual's text without roff's escapes for minus signs and font changes.
text=$(sed -e 's/\\-/-/g' -e 's/\\f[BIRP]//g' "$manual")

missing=()
while read -r word; do
  [ -n "$word" ] || continue
  grep -qF -- "$word" <<<"$text" || missing+=("$word")
done < <({
  grep -oE -- '--[a-z0-9][a-z0-9-]*' <<<"$usage" || true
  grep -oE -- '[a-z0-9-]+(\|[a-z0-9-]+)+' <<<"$usage" | tr '|' '\n' || true
} | sort -u)

if [ ${#missing[@]} -gt 0 ]; then
  echo "$(basename "$manual") does not mention what $(basename "$program") names in its usage: ${missing[*]}" >&2
  exit 1
fi
