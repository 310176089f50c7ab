#!/usr/bin/env bash
# Writes OUT/index.html: one page that shows the whole demo run, from the installer's window to the frames
# drawn in both hosts and the published PDF.
#   scripts/demo-page.sh OUT_FOLDER SECONDS_TAKEN
set -euo pipefail
out=$(cd "${1:?out folder}" && pwd)
seconds=${2:-?}

escape() { sed -e 's/&/\&amp;/g' -e 's/</\&lt;/g' -e 's/>/\&gt;/g'; }

figure() {  # figure RELATIVE-PATH CAPTION
  [ -f "$out/$1" ] || { printf '<p class="missing">missing: %s</p>\n' "$1"; return; }
  printf '<figure><a href="%s"><img src="%s" alt="%s"></a><figcaption>%s</figcaption></figure>\n' "$1" "$1" "$2" "$2"
}

text_block() {  # text_block RELATIVE-PATH
  if [ -f "$out/$1" ]; then
    printf '<pre>'
    tr -d '\r' <"$out/$1" | expand -t 8 | escape
    printf '</pre>\n'
  else
    printf '<p class="missing">missing: %s</p>\n' "$1"
  fi
}

frames() {  # frames FOLDER PREFIX TITLE...: the PNG of every SVG in the folder, with links to SVG and dump
  local folder=$1 svg stem name
  for svg in "$out/$folder"/*.svg; do
    [ -f "$svg" ] || continue
    stem=${svg%.svg}
    name=$(basename "$stem")
    printf '<figure><a href="%s/%s.svg"><img src="%s/%s.png" alt="%s"></a><figcaption>%s &middot; <a href="%s/%s.svg">SVG</a>' \
      "$folder" "$name" "$folder" "$name" "$name" "$name" "$folder" "$name"
    [ -f "$stem.json" ] && printf ' &middot; <a href="%s/%s.json">dump</a>' "$folder" "$name"
    printf '</figcaption></figure>\n'
  done
}

{
  cat <<HTML
<!doctype html>
<html lang="en"><head><meta charset="utf-8"><title>Orvan Cutbench demo</title>
<style>
body { font: 15px/1.45 sans-serif; margin: 2em auto; max-width: 1200px; color: #222; }
h1 { font-size: 1.6em; } h2 { margin-top: 2em; border-bottom: 1px solid #ccc; }
figure { display: inline-block; margin: 0 1em 1em 0; vertical-align: top; }
figure img { max-width: 560px; border: 1px solid #bbb; background: #fff; }
figcaption { font-size: 0.9em; color: #555; }
pre { background: #f4f4f4; padding: 0.8em; overflow-x: auto; font-size: 13px; }
.missing { color: #b00; }
</style></head><body>
<h1>Orvan Cutbench: from installer to registration marks</h1>
<p>A sample designer's workstation in a fresh Wine prefix: Adobe Illustrator CC 2019 (64-bit, with its 32-bit
twin), Illustrator CS5.1 (32-bit), CorelDRAW X6 (32-bit), CorelDRAW 2018 and 2022 (64-bit). <code>Benchmate.exe</code>
ran from <code>dist/</code> in its real window and installed everything; the simulated Illustrator and CorelDRAW then
loaded the plug-in files from the host folders the installer wrote. The run took ${seconds} s.</p>
<h2>1. The installer</h2>
HTML
  figure installer/installer-1-install.png 'Page "Install"'
  figure installer/installer-2-cutrix-plugin.png 'Page "Cutrix Plug-in": the detected versions ticked'
  figure installer/installer-3-palette.png 'Page "Palette"'
  figure installer/installer-5-report-full-installation.png 'After "&amp;Full Installation"'
  figure installer/installer-6-about.png 'The About dialog'
  echo '<h3>The installation report, as text</h3>'
  text_block installer/installer-report.txt
  echo '<h2>2. The host folders after the installation</h2>'
  text_block host-folders.txt
  echo '<h2>3. Illustrator: "Add Cutrix ... Registration Marks", with and without cut-out squares</h2>'
  frames illustrator
  echo '<h2>4. CorelDRAW: the toolbar commands</h2>'
  frames coreldraw
  for pdf in "$out"/coreldraw/*.pdf; do
    [ -f "$pdf" ] || continue
    name=$(basename "$pdf")
    printf '<p>Published by "Publish PDF": <a href="coreldraw/%s">%s</a></p>\n' "$name" "$name"
    [ -f "${pdf%.pdf}-page.png" ] && figure "coreldraw/$(basename "${pdf%.pdf}")-page.png" "$name, page 1 rendered by pdftoppm"
  done
  echo '</body></html>'
} >"$out/index.html"
echo "demo: $out/index.html"
