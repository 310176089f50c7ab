// Reads artwork and command-bar state from JSON, writes the command-bar state back.
#include "artwork_json.h"

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <stdexcept>

#include "automation_object.h"

namespace orvan::corelsim {

namespace {

using nlohmann::json;

json ReadJson(const std::string& path) {
  std::ifstream in(std::filesystem::path(Wide(path)));
  if (!in) throw std::runtime_error("cannot read " + path);
  try {
    return json::parse(in);
  } catch (const json::exception& e) {
    throw std::runtime_error(path + ": " + e.what());
  }
}

std::shared_ptr<Shape> ShapeFrom(const json& j, Layer* layer) {
  auto s = std::make_shared<Shape>();
  s->id = TheHost().nextShapeId++;
  s->kind = j.at("kind").get<std::string>();
  s->layer = layer;
  s->outline = j.value("outline", 0.5);
  if (j.contains("cmyk")) s->cmyk = j["cmyk"].get<std::array<int, 4>>();
  s->rgb = j.value("rgb", std::array<int, 3>{128, 128, 128});
  if (s->cmyk) s->rgb.reset();
  if (s->kind == "rectangle") {
    s->x = j.at("x"); s->y = j.at("y"); s->w = j.at("w"); s->h = j.at("h");
  } else if (s->kind == "ellipse") {
    s->cx = j.at("cx"); s->cy = j.at("cy"); s->rx = j.at("rx"); s->ry = j.value("ry", s->rx);
  } else if (s->kind == "polygon") {
    s->vertices = j.at("points").get<std::vector<std::array<double, 2>>>();
    if (s->vertices.size() < 3) throw std::runtime_error("a polygon needs three points");
  } else {
    throw std::runtime_error("unknown shape kind " + s->kind);
  }
  return s;
}

std::shared_ptr<Document> DocumentFrom(const json& j, const std::string& name, bool withShapes) {
  auto doc = TheHost().newDocument(j.value("name", name));
  doc->unit = j.value("unit", 1L);
  if (!Document::millimetresPer(doc->unit)) throw std::runtime_error("unknown unit in " + name);
  doc->referencePoint = j.value("referencePoint", 5L);
  if (j.contains("pages")) {
    doc->pages.clear();
    int index = 1;
    for (const json& p : j["pages"]) {
      auto page = std::make_shared<Page>();
      page->index = index++;
      page->document = doc.get();
      page->width = p.value("width", 210.0);
      page->height = p.value("height", 297.0);
      page->guides = std::make_shared<Layer>();
      page->guides->name = "Guides";
      page->guides->guides = true;
      page->guides->page = page.get();
      for (const json& l : p.value("layers", json::array())) {
        auto layer = std::make_shared<Layer>();
        layer->name = l.value("name", "Layer 1");
        layer->page = page.get();
        layer->visible = l.value("visible", true);
        layer->editable = l.value("editable", true);
        layer->color = l.value("color", std::array<int, 3>{0, 0, 255});
        if (withShapes)
          for (const json& s : l.value("shapes", json::array())) layer->shapes.push_back(ShapeFrom(s, layer.get()));
        // A generated grid of small squares, for large pages.
        if (withShapes && l.contains("grid")) {
          const json& g = l["grid"];
          const int count = g.value("count", 0), columns = g.value("columns", 100);
          const double size = g.value("size", 2.0), gap = g.value("gap", 1.0);
          for (int i = 0; i < count; ++i)
            layer->shapes.push_back(ShapeFrom({{"kind", "rectangle"}, {"x", (i % columns) * (size + gap)},
                                               {"y", (i / columns) * (size + gap)}, {"w", size}, {"h", size}},
                                              layer.get()));
        }
        page->layers.push_back(layer);
      }
      if (page->layers.empty()) {
        auto layer = std::make_shared<Layer>();
        layer->name = "Layer 1";
        layer->page = page.get();
        page->layers.push_back(layer);
      }
      doc->pages.push_back(page);
    }
    if (doc->pages.empty()) throw std::runtime_error(name + " has no pages");
  }
  doc->activePage = j.value("activePage", 1) - 1;
  if (doc->activePage < 0 || size_t(doc->activePage) >= doc->pages.size())
    throw std::runtime_error(name + ": no such active page");
  auto& layers = doc->page().layers;
  doc->activeLayer = layers.front();
  const std::string active = j.value("activeLayer", std::string());
  for (const auto& l : layers)
    if (l->name == active) doc->activeLayer = l;
  return doc;
}

}  // namespace

std::shared_ptr<Document> LoadArtwork(const std::string& path) {
  try {
    return DocumentFrom(ReadJson(path), std::filesystem::path(Wide(path)).stem().string(), true);
  } catch (const json::exception& e) {
    throw std::runtime_error(path + ": " + e.what());
  }
}

std::shared_ptr<Document> LoadTemplate(const std::string& path, bool includeGraphics, std::string& problem) {
  std::ifstream in(std::filesystem::path(Wide(path)));
  if (!in) {
    problem = "the file does not exist or cannot be read";
    return nullptr;
  }
  const json j = json::parse(in, nullptr, false);
  const std::string name = std::filesystem::path(Wide(path)).stem().string();
  try {
    auto doc = j.is_object() ? DocumentFrom(j, name, includeGraphics) : TheHost().newDocument(name);
    doc->templatePath = path;
    return doc;
  } catch (const std::exception& e) {
    problem = e.what();
    return nullptr;
  }
}

void LoadState(const std::string& path) {
  Host& host = TheHost();
  host.bars.clear();
  if (path.empty() || !std::filesystem::exists(std::filesystem::path(Wide(path)))) {
    for (const char* name : {"Standard", "Toolbox", "Property Bar"}) {
      auto bar = std::make_shared<CommandBar>();
      bar->name = name;
      bar->visible = true;
      bar->controls = {{std::string(name) + ".1", "builtin", "", ""}, {std::string(name) + ".2", "builtin", "", ""}};
      host.bars.push_back(bar);
    }
    return;
  }
  const json j = ReadJson(path);
  for (const json& b : j.at("bars")) {
    auto bar = std::make_shared<CommandBar>();
    bar->name = b.at("name");
    bar->visible = b.value("visible", true);
    bar->temporary = b.value("temporary", false);
    bar->position = b.value("position", 0L);
    for (const json& c : b.value("controls", json::array()))
      bar->controls.push_back({c.value("id", ""), c.value("category", ""), c.value("icon", ""), c.value("iconCall", "")});
    host.bars.push_back(bar);
  }
}

void SaveState(const std::string& path) {
  json bars = json::array();
  for (const auto& b : TheHost().bars) {
    json controls = json::array();
    for (const auto& c : b->controls)
      controls.push_back({{"id", c.id}, {"category", c.category}, {"icon", c.icon}, {"iconCall", c.iconCall}});
    bars.push_back({{"name", b->name}, {"visible", b->visible}, {"temporary", b->temporary},
                    {"position", b->position}, {"controls", controls}});
  }
  std::ofstream out(std::filesystem::path(Wide(path)));
  out << json{{"bars", bars}}.dump(2) << "\n";
}

}  // namespace orvan::corelsim
