#!/usr/bin/env bash
# Checks the include rules: a folder may include only its own layer and the layers below it,
# the two top folders (cli, app) never include each other, nothing outside app/ includes Qt,
# and the plug-in module sees only the plug-in header.
set -u
root=${1:-$(dirname "$0")/..}
cd "$root" || exit 2
# Lowest first; cli and app share the top rank as siblings.
declare -A rank=([platform]=0 [geometry]=1 [text]=2 [core]=3 [view]=4 [exchange]=5 [commands]=6
                 [plugin]=7 [cli]=8 [app]=8)
layers=(platform geometry text core view exchange commands plugin cli app)
status=0
for dir in "${layers[@]}"; do
  [ -d "$dir" ] || continue
  own=${rank[$dir]}
  while IFS= read -r line; do
    file=${line%%:*}
    inc=$(printf '%s' "$line" | sed -E 's/.*#include *"([^"]+)".*/\1/')
    case "$file" in
      plugin/commandset/*)
        [ "$inc" = "plugin/plugin_api.h" ] || [ "${inc#plugin/commandset/}" != "$inc" ] ||
          [ "${inc%%/*}" = "$inc" ] || {
          echo "$file: the plug-in module includes only the plug-in header, not $inc"; status=1; }
        continue;;
    esac
    top=${inc%%/*}
    [ "$top" = "$inc" ] && continue
    [ "$top" = "$dir" ] && continue
    r=${rank[$top]:--1}
    if [ "$r" -gt "$own" ]; then
      echo "$file: layer '$dir' includes higher layer '$top' ($inc)"; status=1
    elif [ "$r" -eq "$own" ]; then
      echo "$file: '$dir' includes its sibling '$top' ($inc)"; status=1
    fi
  done < <(grep -rnE '^\s*#\s*include\s*"' "$dir" --include='*.h' --include='*.cpp' | sed -E 's/^([^:]+):[0-9]+:/\1:/')
  if [ "$dir" != app ]; then
    if grep -rnE '^\s*#\s*include\s*<Q[A-Za-z]*(/|>)' "$dir" --include='*.h' --include='*.cpp' >/dev/null; then
      echo "$dir includes Qt"; status=1
    fi
  fi
done
[ $status -eq 0 ] && echo "layering ok"
exit $status
