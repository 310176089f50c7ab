// The simulated Illustrator's document model.
#include "document.h"

#include <algorithm>

namespace orvan::aihost {

Document::Document() = default;

AIPathStyle Document::DefaultStyle() {
  // As a new document starts: white fill, black 1-point stroke.
  AIPathStyle style{};
  style.fillPaint = true;
  style.fill.color.kind = kFourColor;
  style.strokePaint = true;
  style.stroke.color.kind = kFourColor;
  style.stroke.color.c.black = 1;
  style.stroke.width = 1;
  style.stroke.miterLimit = 4;
  return style;
}

void Document::setCurrent(Layer* layer) { current_ = layer; }

Layer* Document::liveLayer(AILayerHandle handle) const {
  auto* layer = reinterpret_cast<Layer*>(handle);
  return layer && isLive(layer) ? layer : nullptr;
}

Art* Document::liveArt(AIArtHandle handle) const {
  auto* art = reinterpret_cast<Art*>(handle);
  return art && isLive(art) ? art : nullptr;
}

Layer* Document::insertLayer(Layer* reference, std::int16_t paintOrder) {
  ownedLayers_.push_back(std::make_unique<Layer>());
  Layer* layer = ownedLayers_.back().get();
  layer->title = "Layer " + std::to_string(nextLayerNumber_++);
  layer->color = AIRGBColor{79 * 257, 128 * 257, 255 * 257};
  live_.insert(layer);
  ownedArt_.push_back(std::make_unique<Art>());
  layer->group = ownedArt_.back().get();
  layer->group->layer = layer;
  layer->group->layerGroup = true;
  layer->group->id = nextArtId_++;
  live_.insert(layer->group);

  auto at = layers_.begin();
  const auto ref = std::find(layers_.begin(), layers_.end(), reference);
  if (paintOrder == kPlaceBelowAll) at = layers_.end();
  else if (paintOrder == kPlaceAbove && ref != layers_.end()) at = ref;
  else if (paintOrder == kPlaceBelow && ref != layers_.end()) at = ref + 1;
  layers_.insert(at, layer);
  if (!current_) current_ = layer;
  return layer;
}

void Document::forget(Art* art) {
  for (Art* child : art->children) forget(child);
  live_.erase(art);
  if (insertion_ == art) insertion_ = nullptr;
}

void Document::deleteLayer(Layer* layer) {
  forget(layer->group);
  live_.erase(layer);
  layers_.erase(std::remove(layers_.begin(), layers_.end(), layer), layers_.end());
  if (current_ == layer) current_ = layers_.empty() ? nullptr : layers_.front();
}

Layer* Document::findLayer(const std::string& title) const {
  for (Layer* layer : layers_)
    if (layer->title == title) return layer;
  return nullptr;
}

Art* Document::newArt(Shape shape, Art* parent, std::size_t position) {
  ownedArt_.push_back(std::make_unique<Art>());
  Art* art = ownedArt_.back().get();
  art->shape = shape;
  art->parent = parent;
  art->layer = parent->layer;
  art->id = nextArtId_++;
  if (shape != Shape::Group) art->style = DefaultStyle();
  position = std::min(position, parent->children.size());
  parent->children.insert(parent->children.begin() + static_cast<std::ptrdiff_t>(position), art);
  live_.insert(art);
  return art;
}

Art* Document::shapeTarget() const {
  if (!current_) return nullptr;
  if (insertion_ && isLive(insertion_) && insertion_->layer == current_) return insertion_;
  return current_->group;
}

std::optional<Bounds> Document::bounds(const Art* art) const {
  std::optional<Bounds> box;
  auto widen = [&](const Bounds& b) {
    if (!box) {
      box = b;
      return;
    }
    box->left = std::min(box->left, b.left);
    box->right = std::max(box->right, b.right);
    box->top = std::max(box->top, b.top);
    box->bottom = std::min(box->bottom, b.bottom);
  };
  if (art->shape == Shape::Group) {
    for (const Art* child : art->children)
      if (auto b = bounds(child)) widen(*b);
    return box;
  }
  for (const Point& p : art->points) widen(Bounds{p.x, p.y, p.x, p.y});
  return box;
}

void Document::transform(Art* art, const AIRealMatrixT<double>& m) {
  for (Point& p : art->points) p = Point{m.a * p.x + m.c * p.y + m.tx, m.b * p.x + m.d * p.y + m.ty};
  for (Art* child : art->children) transform(child, m);
}

void Document::collect(Art* art, bool selectableOnly, std::vector<Art*>& out) const {
  for (Art* child : art->children) {
    if (selectableOnly && (child->attrs & (kArtLocked | kArtHidden))) continue;
    out.push_back(child);
    collect(child, selectableOnly, out);
  }
}

std::vector<Art*> Document::allArt() const {
  std::vector<Art*> out;
  for (Layer* layer : layers_) collect(layer->group, false, out);
  return out;
}

std::vector<Art*> Document::selectableArt() const {
  std::vector<Art*> out;
  for (Layer* layer : layers_)
    if (layer->visible && layer->editable) collect(layer->group, true, out);
  return out;
}

bool Document::hasArtwork() const {
  return std::any_of(layers_.begin(), layers_.end(), [](const Layer* l) { return !l->group->children.empty(); });
}

}  // namespace orvan::aihost
