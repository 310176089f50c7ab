// Writing the document as SVG, y turned downward, one point per SVG unit, a margin around all art.
#include "svg.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>

namespace orvan::aihost {
namespace {

std::string Rgb(const AIColor& c) {
  double r = 1, g = 1, b = 1;
  switch (c.kind) {
    case kFourColor:
      r = (1 - c.c.cyan) * (1 - c.c.black);
      g = (1 - c.c.magenta) * (1 - c.c.black);
      b = (1 - c.c.yellow) * (1 - c.c.black);
      break;
    case kThreeColor:
      r = c.c.red, g = c.c.green, b = c.c.blue;
      break;
    case kGrayColor:
      r = g = b = 1 - c.c.gray;
      break;
    default:
      return "none";
  }
  char text[16];
  auto to255 = [](double v) { return static_cast<int>(std::lround(std::clamp(v, 0.0, 1.0) * 255)); };
  std::snprintf(text, sizeof text, "#%02x%02x%02x", to255(r), to255(g), to255(b));
  return text;
}

std::string Escape(const std::string& text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default: out += c;
    }
  }
  return out;
}

void Paint(std::ostream& out, const Document& document, const Art* art) {
  if (art->attrs & kArtHidden) return;
  if (art->shape == Shape::Group) {
    out << "<g>\n";
    // Children are listed top first; SVG paints later elements on top.
    for (auto it = art->children.rbegin(); it != art->children.rend(); ++it) Paint(out, document, *it);
    out << "</g>\n";
    return;
  }
  const std::string fill = art->style.fillPaint ? Rgb(art->style.fill.color) : "none";
  const std::string stroke = art->style.strokePaint ? Rgb(art->style.stroke.color) : "none";
  std::ostringstream style;
  style << " fill=\"" << fill << "\" stroke=\"" << stroke << "\" stroke-width=\"" << art->style.stroke.width << "\"";
  if (art->shape == Shape::Oval) {
    const Bounds b = document.bounds(art).value_or(Bounds{});
    out << "<ellipse cx=\"" << (b.left + b.right) / 2 << "\" cy=\"" << -(b.top + b.bottom) / 2 << "\" rx=\""
        << (b.right - b.left) / 2 << "\" ry=\"" << (b.top - b.bottom) / 2 << "\"" << style.str() << "/>\n";
    return;
  }
  out << "<polygon points=\"";
  for (const Point& p : art->points) out << p.x << "," << -p.y << " ";
  out << "\"" << style.str() << "/>\n";
}

}  // namespace

bool WriteSvg(const std::string& file, const Document& document) {
  std::optional<Bounds> all;
  for (const Layer* layer : document.layers()) {
    if (!layer->visible) continue;
    if (auto b = document.bounds(layer->group)) {
      if (!all) all = b;
      all->left = std::min(all->left, b->left);
      all->right = std::max(all->right, b->right);
      all->top = std::max(all->top, b->top);
      all->bottom = std::min(all->bottom, b->bottom);
    }
  }
  const Bounds box = all.value_or(Bounds{0, 100, 100, 0});
  const double margin = 20;
  const double x = box.left - margin, y = -box.top - margin;
  const double w = box.right - box.left + 2 * margin, h = box.top - box.bottom + 2 * margin;
  std::ofstream out(file);
  out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      << "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"" << x << " " << y << " " << w << " " << h
      << "\" width=\"" << w << "\" height=\"" << h << "\">\n"
      << "<rect x=\"" << x << "\" y=\"" << y << "\" width=\"" << w << "\" height=\"" << h << "\" fill=\"#ffffff\"/>\n";
  for (auto it = document.layers().rbegin(); it != document.layers().rend(); ++it) {
    const Layer* layer = *it;
    if (!layer->visible) continue;
    out << "<g data-layer=\"" << Escape(layer->title) << "\">\n";
    Paint(out, document, layer->group);
    out << "</g>\n";
  }
  out << "</svg>\n";
  return static_cast<bool>(out);
}

}  // namespace orvan::aihost
