# Sourced by the demo scripts: Windows paths for Linux files, and pictures of the hosts' SVG output.

# A Linux path as the Wine programs see it, through drive Z:.
winpath() { echo "Z:${1//\//\\}"; }

# SVG to PNG at one and a half times the drawing's size.
to_png() {
  if command -v rsvg-convert >/dev/null; then
    rsvg-convert --zoom 1.5 "$1" -o "$2"
  else
    convert -density 108 "$1" "$2"
  fi
}
