#!/usr/bin/env bash
# Fails when a logic folder reaches above its layer: Qt Widgets anywhere outside src/qt (and
# the updater, a window program of its own), or a logic folder including the application shell.
set -u
root=${1:?usage: check_layering.sh SOURCE_ROOT}
status=0

widgets='#\s*include\s*[<"](Qt(Widgets|WebEngineWidgets|MultimediaWidgets)/|Q(Widget|Application|MainWindow|MessageBox|Dialog|FileDialog|PushButton|Label|TreeView|TreeWidget|ListWidget|ComboBox|LineEdit|TabWidget|StatusBar|ProgressBar|GroupBox|Slider|Menu|WebEngineView)\b)'
hits=$(grep -rnE "$widgets" "$root/src" "$root/demo" --include='*.h' --include='*.cpp' | grep -v "^$root/src/qt/")
if [ -n "$hits" ]; then
  echo "Qt Widgets outside src/qt:"; echo "$hits"; status=1
fi

for folder in text net ui selection deals monitor rankings windows export; do
  [ -d "$root/src/$folder" ] || continue
  hits=$(grep -rnE '#\s*include\s*"(app|qt|cli)/' "$root/src/$folder")
  if [ -n "$hits" ]; then
    echo "src/$folder includes the shell:"; echo "$hits"; status=1
  fi
done
exit $status
