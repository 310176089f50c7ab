// Reading an artwork file into the document.
#include "artwork_json.h"

#include <fstream>

#include <nlohmann/json.hpp>

namespace orvan::aihost {
namespace {

using json = nlohmann::json;

AIColor Colour(const json& paint) {
  AIColor c{};
  if (paint.contains("cmyk")) {
    const auto& v = paint.at("cmyk");
    c.kind = kFourColor;
    c.c.cyan = v.at(0).get<float>();
    c.c.magenta = v.at(1).get<float>();
    c.c.yellow = v.at(2).get<float>();
    c.c.black = v.at(3).get<float>();
  } else if (paint.contains("rgb")) {
    const auto& v = paint.at("rgb");
    c.kind = kThreeColor;
    c.c.red = v.at(0).get<float>();
    c.c.green = v.at(1).get<float>();
    c.c.blue = v.at(2).get<float>();
  } else if (paint.contains("gray")) {
    c.kind = kGrayColor;
    c.c.gray = paint.at("gray").get<float>();
  }
  return c;
}

void ReadArt(const json& items, Art* parent, Document& document) {
  // Listed top first: made from the bottom up, each on top of the ones before.
  for (auto it = items.rbegin(); it != items.rend(); ++it) {
    const json& a = *it;
    const std::string kind = a.at("kind").get<std::string>();
    Shape shape;
    if (kind == "group") shape = Shape::Group;
    else if (kind == "rectangle") shape = Shape::Rectangle;
    else if (kind == "oval") shape = Shape::Oval;
    else if (kind == "polygon") shape = Shape::Polygon;
    else throw std::runtime_error("unknown kind of art: " + kind);
    Art* art = document.newArt(shape, parent, 0);
    if (shape == Shape::Polygon) {
      for (const auto& p : a.at("points")) art->points.push_back({p.at(0).get<double>(), p.at(1).get<double>()});
    } else if (shape != Shape::Group) {
      const auto& b = a.at("bounds");
      const double l = b.at(0), t = b.at(1), r = b.at(2), bt = b.at(3);
      art->points = {{l, t}, {r, t}, {r, bt}, {l, bt}};
    }
    if (shape != Shape::Group) {
      if (a.contains("fill")) {
        art->style.fillPaint = !a.at("fill").is_boolean() || a.at("fill").get<bool>();
        if (a.at("fill").is_object()) art->style.fill.color = Colour(a.at("fill"));
      }
      if (a.contains("stroke")) {
        const json& s = a.at("stroke");
        art->style.strokePaint = !s.is_boolean() || s.get<bool>();
        if (s.is_object()) {
          art->style.stroke.color = Colour(s);
          art->style.stroke.width = s.value("width", 1.0f);
        }
      }
    }
    if (a.value("selected", false)) art->attrs |= kArtSelected;
    if (a.value("locked", false)) art->attrs |= kArtLocked;
    if (a.value("hidden", false)) art->attrs |= kArtHidden;
    if (a.contains("art")) ReadArt(a.at("art"), art, document);
  }
}

}  // namespace

std::string LoadArtwork(const std::string& file, Document& document) {
  std::ifstream in(file);
  if (!in) return "cannot open " + file;
  try {
    const json doc = json::parse(in);
    const json& layers = doc.at("layers");
    for (auto it = layers.rbegin(); it != layers.rend(); ++it) {
      const json& l = *it;
      Layer* layer = document.insertLayer(nullptr, kPlaceAboveAll);
      layer->title = l.value("title", layer->title);
      if (l.contains("color")) {
        const auto& c = l.at("color");
        layer->color = {static_cast<std::uint16_t>(c.at(0).get<int>() * 257), static_cast<std::uint16_t>(c.at(1).get<int>() * 257),
                        static_cast<std::uint16_t>(c.at(2).get<int>() * 257)};
      }
      layer->editable = l.value("editable", true);
      layer->visible = l.value("visible", true);
      if (l.contains("art")) ReadArt(l.at("art"), layer->group, document);
    }
    if (doc.contains("current")) {
      Layer* current = document.findLayer(doc.at("current").get<std::string>());
      if (!current) return file + ": no layer \"" + doc.at("current").get<std::string>() + "\" to make current";
      document.setCurrent(current);
    } else if (!document.layers().empty()) {
      document.setCurrent(document.layers().front());
    }
  } catch (const std::exception& e) {
    return file + ": " + e.what();
  }
  return {};
}

}  // namespace orvan::aihost
