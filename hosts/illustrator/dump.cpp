// Writing the session dump.
#include "dump.h"

#include <fstream>

#include <nlohmann/json.hpp>

namespace orvan::aihost {
namespace {

using json = nlohmann::json;

const char* KindName(Shape shape) {
  switch (shape) {
    case Shape::Group: return "group";
    case Shape::Rectangle: return "rectangle";
    case Shape::Oval: return "oval";
    case Shape::Polygon: return "polygon";
  }
  return "";
}

json Colour(const AIColor& c) {
  switch (c.kind) {
    case kFourColor: return {{"cmyk", {c.c.cyan, c.c.magenta, c.c.yellow, c.c.black}}};
    case kThreeColor: return {{"rgb", {c.c.red, c.c.green, c.c.blue}}};
    case kGrayColor: return {{"gray", c.c.gray}};
    default: return json::object();
  }
}

json ArtJson(const Document& document, const Art* art) {
  json j;
  j["id"] = art->id;
  j["kind"] = KindName(art->shape);
  if (auto b = document.bounds(art)) j["bounds"] = {b->left, b->top, b->right, b->bottom};
  if (art->shape == Shape::Polygon) {
    json vertices = json::array();
    for (const Point& p : art->points) vertices.push_back({p.x, p.y});
    j["vertices"] = vertices;
  }
  if (art->shape != Shape::Group) {
    json fill = Colour(art->style.fill.color);
    fill["on"] = art->style.fillPaint != 0;
    json stroke = Colour(art->style.stroke.color);
    stroke["on"] = art->style.strokePaint != 0;
    stroke["width"] = art->style.stroke.width;
    j["fill"] = fill;
    j["stroke"] = stroke;
  }
  j["selected"] = (art->attrs & kArtSelected) != 0;
  j["fullySelected"] = (art->attrs & kArtFullySelected) != 0;
  j["locked"] = (art->attrs & kArtLocked) != 0;
  j["hidden"] = (art->attrs & kArtHidden) != 0;
  if (art->shape == Shape::Group) {
    json children = json::array();
    for (const Art* child : art->children) children.push_back(ArtJson(document, child));
    j["art"] = children;
  }
  return j;
}

json DialogJson(const scripted::DialogRecord& d) {
  return {{"caption", d.caption}, {"texts", d.texts},   {"icon", d.icon},         {"buttons", d.buttons},
          {"answer", d.answer},   {"byRule", d.byRule}, {"timedOut", d.timedOut}};
}

}  // namespace

bool WriteDump(const std::string& file, const Host& host, const Session& session) {
  json out;
  const Document& document = host.document;

  json layers = json::array();
  for (const Layer* layer : document.layers()) {
    json art = json::array();
    for (const Art* a : layer->group->children) art.push_back(ArtJson(document, a));
    layers.push_back({{"title", layer->title},
                      {"color", {layer->color.red / 257, layer->color.green / 257, layer->color.blue / 257}},
                      {"editable", layer->editable},
                      {"visible", layer->visible},
                      {"current", layer == document.current()},
                      {"art", art}});
  }
  out["layers"] = layers;
  out["currentLayer"] = document.current() ? json(document.current()->title) : json(nullptr);
  json selected = json::array();
  for (const Art* a : document.allArt())
    if (a->attrs & (kArtSelected | kArtFullySelected)) selected.push_back(a->id);
  out["selection"] = selected;

  json menus = json::array();
  for (const MenuGroup& g : host.menus.groups()) {
    json items = json::array();
    for (const MenuItem* item : host.menus.itemsOf(g.name))
      items.push_back({{"key", item->key},
                       {"text", item->text},
                       {"owner", item->owner},
                       {"separator", item->separator},
                       {"automatic", item->automatic},
                       {"enabled", host.menus.enabled(*item, document)}});
    menus.push_back({{"group", g.name}, {"parent", g.parent ? json(g.parent->text) : json(nullptr)}, {"items", items}});
  }
  out["menus"] = menus;

  json messages = json::array(), dialogs = json::array();
  for (const MessageRecord& m : host.messages) {
    json d = json::array();
    for (const auto& dialog : m.dialogs) {
      d.push_back(DialogJson(dialog));
      dialogs.push_back(DialogJson(dialog));
    }
    messages.push_back({{"caller", m.caller},
                        {"selector", m.selector},
                        {"detail", m.detail},
                        {"sent", m.sent},
                        {"result", m.result},
                        {"resultText", CodeText(m.result)},
                        {"dialogs", d}});
  }
  out["messages"] = messages;
  out["dialogs"] = dialogs;

  const Pipl& pipl = session.pipl();
  json properties = json::array();
  for (const PiplProperty& p : pipl.properties)
    properties.push_back({{"vendor", p.vendor}, {"key", p.key}, {"length", p.data.size()}});
  json notifiers = json::array();
  for (const Notifier& n : host.plugin.notifiers) notifiers.push_back({{"name", n.name}, {"type", n.type}});
  out["plugin"] = {{"file", host.plugin.file},
                   {"loadError", session.loadError()},
                   {"running", session.running()},
                   {"pipl", {{"properties", properties}, {"trailingBytes", pipl.trailingBytes}, {"name", pipl.name}}},
                   {"name", host.plugin.name},
                   {"accessLocks", host.plugin.accessLocks},
                   {"globalsSet", host.plugin.globals != nullptr},
                   {"notifiers", notifiers}};

  json held = json::object();
  for (const auto& [suite, n] : host.suitesHeld) held[suite] = n;
  json blocks = json::array();
  for (const auto& [block, name] : host.blocks) blocks.push_back(name);
  out["host"] = {{"suitesHeld", held},
                 {"blocks", blocks},
                 {"strings", host.strings.size()},
                 {"contextDepth", host.contextDepth},
                 {"problems", host.problems}};

  std::ofstream file_out(file);
  file_out << out.dump(2) << "\n";
  return static_cast<bool>(file_out);
}

}  // namespace orvan::aihost
