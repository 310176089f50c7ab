// Geometry and bookkeeping of the simulated host's documents.
#include "model.h"

#include <algorithm>

namespace orvan::corelsim {

Host& TheHost() {
  static Host host;
  return host;
}

Box Shape::bounds(bool withOutline) const {
  Box b;
  if (kind == "ellipse") {
    b = {cx - rx, cy - ry, 2 * rx, 2 * ry};
  } else if (kind == "polygon" && !vertices.empty()) {
    double x0 = vertices[0][0], x1 = x0, y0 = vertices[0][1], y1 = y0;
    for (const auto& v : vertices) {
      x0 = std::min(x0, v[0]); x1 = std::max(x1, v[0]);
      y0 = std::min(y0, v[1]); y1 = std::max(y1, v[1]);
    }
    b = {x0, y0, x1 - x0, y1 - y0};
  } else {
    b = {x, y, w, h};
  }
  if (withOutline && outline > 0) b = {b.x - outline / 2, b.y - outline / 2, b.w + outline, b.h + outline};
  return b;
}

std::vector<std::shared_ptr<Shape>> Page::shapes() const {
  std::vector<std::shared_ptr<Shape>> all;
  for (auto it = layers.rbegin(); it != layers.rend(); ++it)
    for (const auto& s : (*it)->shapes) all.push_back(s);
  return all;
}

std::vector<std::shared_ptr<Shape>> Document::shapes() const {
  std::vector<std::shared_ptr<Shape>> all;
  for (const auto& p : pages) {
    auto s = p->shapes();
    all.insert(all.end(), s.begin(), s.end());
  }
  return all;
}

std::vector<std::shared_ptr<Shape>> Document::selected() const {
  std::vector<std::shared_ptr<Shape>> all;
  for (const auto& w : selection)
    if (auto s = w.lock(); s && !s->deleted) all.push_back(s);
  return all;
}

std::optional<double> Document::millimetresPer(long unit) {
  switch (unit) {
    case 1: return 25.4;           // inch
    case 2: return 304.8;          // foot
    case 3: return 1.0;            // millimetre
    case 4: return 10.0;           // centimetre
    case 7: return 1000.0;         // metre
    case 14: return 25.4 / 72.0;   // point
    default: return std::nullopt;
  }
}

std::shared_ptr<Document> Host::newDocument(const std::string& name) {
  auto doc = std::make_shared<Document>();
  doc->name = name;
  auto page = std::make_shared<Page>();
  page->document = doc.get();
  auto layer = std::make_shared<Layer>();
  layer->name = "Layer 1";
  layer->page = page.get();
  page->layers.push_back(layer);
  page->guides = std::make_shared<Layer>();
  page->guides->name = "Guides";
  page->guides->guides = true;
  page->guides->page = page.get();
  doc->pages.push_back(page);
  doc->master = std::make_shared<Page>();
  doc->master->index = 0;
  doc->master->document = doc.get();
  doc->master->guides = std::make_shared<Layer>();
  doc->master->guides->name = "Guides";
  doc->master->guides->guides = true;
  doc->master->guides->page = doc->master.get();
  doc->activeLayer = layer;
  documents.push_back(doc);
  activeDocument = doc;
  return doc;
}

}  // namespace orvan::corelsim
