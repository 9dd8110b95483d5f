#!/usr/bin/env bash
# Fails when an #include runs against the layers: each folder may include only the folders
# below it, and the portable folders never include <windows.h> or a Win32 folder.
set -uo pipefail
cd "$(dirname "$0")/.."

# Portable folders (their own files only, not their win32/ subfolders).
PORTABLE='^(gfx|framework/core|skin/store|skin/render|skin/frame|skin/controls/core)/[^/]+$|^gfx/codec/[^/]+$'

# allowed FILE_FOLDER: the project folders a file in FILE_FOLDER may include (extended regex).
allowed() {
  case $1 in
    gfx | gfx/codec) echo '^gfx/' ;;
    framework/core) echo '^(gfx|framework/core)/' ;;
    framework) echo '^(gfx|framework)/' ;;
    skin/store) echo '^(gfx|framework/core|skin/store/[^/]+$)' ;;
    skin/store/win32) echo '^(gfx|framework|skin/store)/' ;;
    skin/render) echo '^(gfx|framework/core|skin/store/[^/]+$|skin/render/[^/]+$)' ;;
    skin/render/win32) echo '^(gfx|framework|skin/store|skin/render)/' ;;
    skin/frame) echo '^(gfx|framework/core|skin/store/[^/]+$|skin/render/[^/]+$|skin/frame/[^/]+$)' ;;
    skin/frame/win32) echo '^(gfx|framework|skin/store|skin/render|skin/frame)/' ;;
    skin/controls/core) echo '^(gfx|framework/core|skin/store/[^/]+$|skin/render/[^/]+$|skin/controls/core/[^/]+$)' ;;
    skin/controls) echo '^(gfx|framework|skin)/' ;;
    app) echo '^(gfx|framework|skin|app)/' ;;
    *) echo '' ;;
  esac
}

failures=0
while IFS= read -r file; do
  folder=$(dirname "$file")
  rule=$(allowed "$folder")
  [ -n "$rule" ] || continue
  while IFS=: read -r line target; do
    if ! [[ $target =~ $rule ]]; then
      echo "$file:$line: includes \"$target\", which its layer may not use"
      failures=$((failures + 1))
    fi
  done < <(grep -n '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$file" |
    sed -E 's/^([0-9]+):[^"]*"([^"]+)".*/\1:\2/' | grep -E ':(gfx|framework|skin|app|tests|tools|bench|fuzz)/')
  if [[ $file =~ $PORTABLE ]] && grep -qiE '^[[:space:]]*#[[:space:]]*include[[:space:]]*<windows\.h>' "$file"; then
    echo "$file: portable, yet includes <windows.h>"
    failures=$((failures + 1))
  fi
done < <(git ls-files --cached --others --exclude-standard -- 'gfx/*' 'framework/*' 'skin/*' 'app/*' |
  grep -E '\.(h|cpp)$')

if [ "$failures" -gt 0 ]; then
  echo "layers: $failures include(s) against the layers"
  exit 1
fi
echo "layers: every include points down"
