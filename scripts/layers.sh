#!/usr/bin/env bash
# Checks the layers of the program: a source file includes only headers of its
# own layer or of the layers below it, and no window folder includes another's.
# Bottom to top: core (src/core, src/texts, each window's model), drawing,
# forms, application, the windows (each work window's folder and the menu),
# and src/app, where the programs start and the windows are registered.
set -euo pipefail
cd "$(dirname "$0")/.."

names=(core drawing forms application windows app)

# The layer of a file under src/ ("<folder>/<file>").
layer() {
  local folder="${1%%/*}" file="${1##*/}"
  case "$folder" in
    core | texts) echo 0 ;;
    drawing) echo 1 ;;
    forms) echo 2 ;;
    application | help) echo 3 ;;
    app) echo 5 ;;
    *) case "$file" in
         model.* | *_field.*) echo 0 ;;  # a window's model is compiled into the core
         *) echo 4 ;;
       esac ;;
  esac
}

# A folder of windows: anything that is not one of the shared layers.
windowFolder() {
  case "$1" in
    core | texts | drawing | forms | application | help | app) return 1 ;;
    *) return 0 ;;
  esac
}

bad=0
while IFS= read -r path; do
  src="${path#src/}"
  from="$(layer "$src")"
  folder="${src%%/*}"
  while IFS= read -r inc; do
    [[ "$inc" == */* ]] || continue  # a file generated beside the source (help.moc)
    to="$(layer "$inc")"
    target="${inc%%/*}"
    if ((to > from)); then
      echo "$path includes $inc: ${names[$to]} lies above ${names[$from]}" >&2
      bad=1
    elif windowFolder "$folder" && windowFolder "$target" && [ "$folder" != "$target" ]; then
      echo "$path includes $inc: a window includes nothing of another window" >&2
      bad=1
    fi
  done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$path")
done < <(find src -name '*.cpp' -o -name '*.hpp' | sort)

if ((bad)); then
  echo "Each layer may include only itself and the layers below it: ${names[*]}." >&2
  exit 1
fi
