// What the simulated CorelDRAW holds: documents with pages, layers and shapes in millimetres,
// command bars, registered commands, event sinks, opened palettes, and the record of the run.
#pragma once
#include <oaidl.h>

#include <array>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace orvan::corelsim {

struct Layer;
struct Page;
struct Document;

struct Box {
  double x = 0, y = 0, w = 0, h = 0;  // lower-left corner and size, millimetres
};

struct Shape {
  int id = 0;
  std::string kind;  // "rectangle", "ellipse", "polygon"
  // rectangle: x, y lower-left, w, h; ellipse: cx, cy, rx, ry; polygon: vertices.
  double x = 0, y = 0, w = 0, h = 0;
  double cx = 0, cy = 0, rx = 0, ry = 0;
  std::vector<std::array<double, 2>> vertices;
  std::map<std::string, double> call;  // the creating call's arguments, in millimetres
  std::optional<std::array<int, 4>> cmyk;
  std::optional<std::array<int, 3>> rgb;  // artwork colour when not CMYK
  double outline = 0;                     // outline width, millimetres
  Layer* layer = nullptr;
  bool deleted = false;

  Box bounds(bool withOutline) const;
};

struct Layer {
  std::string name;
  std::array<int, 3> color{0, 0, 0};
  bool visible = true;
  bool editable = true;
  bool guides = false;
  bool deleted = false;
  Page* page = nullptr;
  std::vector<std::shared_ptr<Shape>> shapes;
};

struct Page {
  int index = 1;  // 0: master page
  double width = 210, height = 297;
  std::vector<std::shared_ptr<Layer>> layers;  // bottom first
  std::shared_ptr<Layer> guides;
  Document* document = nullptr;

  std::vector<std::shared_ptr<Shape>> shapes() const;  // every shape on its drawing layers
};

struct CommandGroup {
  std::string name;
  bool closed = false;
};

struct Document {
  std::string name;
  std::string templatePath;
  long unit = 1;             // inches, as a new document starts in automation
  long referencePoint = 5;   // lower left
  std::vector<std::shared_ptr<Page>> pages;
  std::shared_ptr<Page> master;
  int activePage = 0;        // index into pages
  std::weak_ptr<Layer> activeLayer;
  std::vector<std::weak_ptr<Shape>> selection;
  std::set<const Shape*> selectedShapes;  // the same shapes, for a quick "already selected"
  std::vector<CommandGroup> groups;
  int openGroups = 0;
  bool closed = false;

  Page& page() { return *pages.at(size_t(activePage)); }
  std::vector<std::shared_ptr<Shape>> shapes() const;
  std::vector<std::shared_ptr<Shape>> selected() const;
  // Millimetres per document unit; nothing for a unit the host does not know.
  static std::optional<double> millimetresPer(long unit);
  double toMm(double value) const { return value * *millimetresPer(unit); }
  double fromMm(double value) const { return value / *millimetresPer(unit); }
};

struct Control {
  std::string id;
  std::string category;
  std::string icon;      // icon file last set
  std::string iconCall;  // "SetIcon2" or "SetCustomIcon"
};

struct CommandBar {
  std::string name;
  bool visible = false;
  bool temporary = false;
  long position = 0;
  std::vector<Control> controls;
  bool deleted = false;
};

struct PluginCommand {
  std::string id, caption, tooltip;
};

struct Fault {
  std::string member;  // "Object.Member"
  int call = 1;        // the call that fails, counting from 1
  HRESULT code = E_FAIL;
};

struct Host {
  long version = 24;
  int notReadyReads = 0;
  int readyReads = 0;
  HWND mainWindow = nullptr;
  std::string executable;

  std::vector<std::shared_ptr<Document>> documents;
  std::shared_ptr<Document> activeDocument;
  std::vector<std::shared_ptr<CommandBar>> bars;
  std::vector<PluginCommand> commands;
  std::vector<std::string> commandLog;  // "add ID" / "remove ID" in order

  struct Sink { long cookie; IDispatch* sink; };
  std::vector<Sink> sinks;
  long nextCookie = 4711;
  std::vector<long> advised, unadvised;

  std::vector<std::string> palettes;          // files opened, in order
  std::vector<std::string> palettesRefused;   // files the host refused
  std::vector<std::string> pdfs;              // files published
  std::vector<std::string> templates;         // templates documents were made from

  std::vector<Fault> faults;
  std::map<std::string, int> calls;  // "Object.Member" -> number of calls
  std::vector<std::string> hostErrors;  // descriptions of the errors the host raised
  int nextShapeId = 1;

  std::shared_ptr<Document> newDocument(const std::string& name);
};

Host& TheHost();

}  // namespace orvan::corelsim
