// Turns the host's state into the JSON that tests and people read.
#include "dump_json.h"

#include <windows.h>

#include "automation_object.h"
#include "model.h"

namespace orvan::corelsim {

namespace {

using nlohmann::json;

json ShapeJson(const Shape& s) {
  const Box b = s.bounds(false);
  json j = {{"id", s.id}, {"kind", s.kind}, {"outline", s.outline},
            {"box", {{"x", b.x}, {"y", b.y}, {"w", b.w}, {"h", b.h}}}};
  if (s.kind == "ellipse") j["geometry"] = {{"cx", s.cx}, {"cy", s.cy}, {"rx", s.rx}, {"ry", s.ry}};
  if (s.kind == "rectangle") j["geometry"] = {{"x", s.x}, {"y", s.y}, {"w", s.w}, {"h", s.h}};
  if (s.kind == "polygon") j["geometry"] = {{"points", s.vertices}};
  if (!s.call.empty()) j["call"] = s.call;
  if (s.cmyk) j["fill"] = {{"cmyk", *s.cmyk}};
  else if (s.rgb) j["fill"] = {{"rgb", *s.rgb}};
  return j;
}

json LayerJson(const Layer& l, bool active) {
  json shapes = json::array();
  for (const auto& s : l.shapes) shapes.push_back(ShapeJson(*s));
  return {{"name", l.name}, {"color", l.color}, {"visible", l.visible}, {"editable", l.editable},
          {"guides", l.guides}, {"active", active}, {"shapes", shapes}};
}

json PageJson(const Page& p, const std::shared_ptr<Layer>& activeLayer) {
  json layers = json::array();
  // Top layer first, as the host's object manager lists them.
  for (auto it = p.layers.rbegin(); it != p.layers.rend(); ++it) layers.push_back(LayerJson(**it, *it == activeLayer));
  return {{"index", p.index}, {"width", p.width}, {"height", p.height}, {"layers", layers},
          {"guidesLayer", LayerJson(*p.guides, false)}};
}

json DocumentJson(const Document& d) {
  json pages = json::array();
  const auto active = d.activeLayer.lock();
  for (const auto& p : d.pages) pages.push_back(PageJson(*p, active));
  json selection = json::array();
  for (const auto& s : d.selected()) selection.push_back(s->id);
  json groups = json::array();
  for (const auto& g : d.groups) groups.push_back({{"name", g.name}, {"closed", g.closed}});
  return {{"name", d.name}, {"template", d.templatePath}, {"closed", d.closed}, {"unit", d.unit},
          {"referencePoint", d.referencePoint}, {"activePage", d.activePage + 1},
          {"activeLayer", active ? json(active->name) : json(nullptr)}, {"pages", pages},
          {"masterPage", PageJson(*d.master, nullptr)}, {"selection", selection}, {"commandGroups", groups},
          {"openCommandGroups", d.openGroups}};
}

}  // namespace

json DumpHost() {
  const Host& host = TheHost();
  json documents = json::array();
  for (const auto& d : host.documents) documents.push_back(DocumentJson(*d));
  json bars = json::array();
  for (const auto& b : host.bars) {
    json controls = json::array();
    for (const auto& c : b->controls)
      controls.push_back({{"id", c.id}, {"category", c.category}, {"icon", c.icon}, {"iconCall", c.iconCall}});
    bars.push_back({{"name", b->name}, {"visible", b->visible}, {"temporary", b->temporary},
                    {"position", b->position}, {"controls", controls}});
  }
  json commands = json::array();
  for (const auto& c : host.commands) commands.push_back({{"id", c.id}, {"caption", c.caption}, {"tooltip", c.tooltip}});
  int activeIndex = 0;
  for (size_t i = 0; i < host.documents.size(); ++i)
    if (host.documents[i] == host.activeDocument) activeIndex = int(i) + 1;
  return {{"version", host.version},
          {"executable", host.executable},
          {"documents", documents},
          {"activeDocument", activeIndex},
          {"commandBars", bars},
          {"pluginCommands", commands},
          {"pluginCommandLog", host.commandLog},
          {"eventsAdvised", host.advised},
          {"eventsUnadvised", host.unadvised},
          {"palettesOpened", host.palettes},
          {"palettesRefused", host.palettesRefused},
          {"documentsFromTemplates", host.templates},
          {"pdfsPublished", host.pdfs},
          {"readyReads", host.readyReads},
          {"hostErrors", host.hostErrors},
          {"calls", host.calls}};
}

// Dialog texts come in the ANSI code page; the dump is UTF-8.
static std::string Utf8(const std::string& ansi) {
  if (ansi.empty()) return {};
  const int n = MultiByteToWideChar(CP_ACP, 0, ansi.data(), int(ansi.size()), nullptr, 0);
  std::wstring wide(size_t(n), L'\0');
  MultiByteToWideChar(CP_ACP, 0, ansi.data(), int(ansi.size()), wide.data(), n);
  return Narrow(wide);
}

json DumpDialogs(const std::vector<scripted::DialogRecord>& dialogs) {
  json out = json::array();
  for (const auto& d : dialogs) {
    json texts = json::array(), buttons = json::array();
    for (const auto& t : d.texts) texts.push_back(Utf8(t));
    for (const auto& b : d.buttons) buttons.push_back(Utf8(b));
    out.push_back({{"caption", Utf8(d.caption)}, {"texts", texts}, {"icon", d.icon}, {"buttons", buttons},
                   {"answer", Utf8(d.answer)}, {"byRule", d.byRule}, {"timedOut", d.timedOut}, {"typed", Utf8(d.typed)}});
  }
  return out;
}

}  // namespace orvan::corelsim
