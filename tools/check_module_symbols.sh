#!/usr/bin/env bash
# Checks what a plug-in module shares with the program that loads it.
#   check_module_symbols.sh undefined MODULE   every symbol the module needs comes from the C or
#                                              C++ runtime (or is a weak symbol the loader
#                                              offers), never from the host
#   check_module_symbols.sh exports MODULE     the module exports exactly its two entry points
set -u
mode=${1:-}
module=${2:-}
[ -n "$mode" ] && [ -f "$module" ] || { echo "usage: $0 undefined|exports MODULE"; exit 2; }

# The runtimes' symbol versions; a host symbol carries none.
runtime_versions='@(GLIBC|GLIBCXX|CXXABI|GCC)_[0-9.]+$'
# Weak symbols of the start files that the loader may leave unresolved.
loader_weak=(_ITM_deregisterTMCloneTable _ITM_registerTMCloneTable __gmon_start__)
exports=(KorvoCADPluginProc KorvoCADPluginString)

case "$mode" in
  undefined)
    status=0
    while read -r kind name; do
      [[ "$name" =~ $runtime_versions ]] && continue
      if [ "$kind" = w ] && printf '%s\n' "${loader_weak[@]}" | grep -qxF -- "$name"; then
        continue
      fi
      echo "$module needs $name, which no runtime library provides"
      status=1
    done < <(nm -D --undefined-only "$module" | awk '{ print $(NF-1), $NF }')
    [ $status -eq 0 ] && echo "$module needs only the runtimes"
    exit $status;;
  exports)
    actual=$(nm -D --defined-only "$module" | awk '{ print $NF }' | sort)
    expected=$(printf '%s\n' "${exports[@]}" | sort)
    if [ "$actual" != "$expected" ]; then
      echo "$module exports:"; echo "$actual"
      echo "expected exactly:"; echo "$expected"
      exit 1
    fi
    echo "$module exports exactly its entry points";;
  *)
    echo "usage: $0 undefined|exports MODULE"; exit 2;;
esac
