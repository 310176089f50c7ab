// The simulated Illustrator's document: layers in stacking order, groups and paths with their
// style and user attributes, the current layer and the insertion point. Handles given to the
// plug-in are the addresses of these objects; deleted ones stay allocated but are no longer live,
// so a stale handle is refused instead of followed.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <unordered_set>
#include <vector>

#include "ai_types.h"

namespace orvan::aihost {

struct Point {
  double x = 0, y = 0;
};

struct Bounds {
  double left = 0, top = 0, right = 0, bottom = 0;  // top above bottom
};

enum class Shape { Group, Rectangle, Oval, Polygon };

struct Layer;

struct Art {
  Shape shape = Shape::Group;
  std::vector<Point> points;  // rectangle: 4 corners; oval: the corners of its box; polygon: vertices
  AIPathStyle style{};
  std::int32_t attrs = 0;
  Art* parent = nullptr;
  Layer* layer = nullptr;
  std::vector<Art*> children;  // top first
  bool layerGroup = false;
  int id = 0;
};

struct Layer {
  std::string title;
  AIRGBColor color{};
  bool editable = true;
  bool visible = true;
  Art* group = nullptr;
};

class Document {
 public:
  Document();

  const std::vector<Layer*>& layers() const { return layers_; }  // top first
  Layer* current() const { return current_; }
  void setCurrent(Layer* layer);
  Art* insertionPoint() const { return insertion_; }
  void setInsertionPoint(Art* group) { insertion_ = group; }

  bool isLive(const void* object) const { return live_.count(object) != 0; }
  Layer* liveLayer(AILayerHandle handle) const;
  Art* liveArt(AIArtHandle handle) const;

  // Above all layers (kPlaceAboveAll), below all, or next to a reference layer.
  Layer* insertLayer(Layer* reference, std::int16_t paintOrder);
  void deleteLayer(Layer* layer);
  Layer* findLayer(const std::string& title) const;

  // A new object inside `group` (on top or at the bottom) or next to `sibling`.
  Art* newArt(Shape shape, Art* parent, std::size_t position);
  // Where a shape made now lands: the insertion point when it lies in the current layer, else the
  // top of the current layer. Null when there is no layer.
  Art* shapeTarget() const;

  std::optional<Bounds> bounds(const Art* art) const;
  void transform(Art* art, const AIRealMatrixT<double>& m);

  // Every object below the layers' top-level groups, top layer first, depth first.
  std::vector<Art*> allArt() const;
  // Those that a selection may reach: on visible, editable layers, and neither locked nor hidden
  // themselves nor inside a locked or hidden group.
  std::vector<Art*> selectableArt() const;
  bool hasArtwork() const;

  static AIPathStyle DefaultStyle();

 private:
  std::vector<std::unique_ptr<Layer>> ownedLayers_;
  std::vector<std::unique_ptr<Art>> ownedArt_;
  std::unordered_set<const void*> live_;
  std::vector<Layer*> layers_;
  Layer* current_ = nullptr;
  Art* insertion_ = nullptr;
  int nextArtId_ = 1;
  int nextLayerNumber_ = 1;

  void forget(Art* art);
  void collect(Art* art, bool selectableOnly, std::vector<Art*>& out) const;
};

}  // namespace orvan::aihost
