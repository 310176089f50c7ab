// Draws the registration-mark frame through the host: layers, selection, measurement, shapes,
// all in millimetres, as one undo step; the geometry itself comes from the shared frame module.
#include "registration_marks.h"

#include <windows.h>

#include <optional>
#include <string>

#include "coreldraw_frame.h"
#include "host_members.h"
#include "platform/host_window.h"
#include "platform/message_box.h"

namespace orvan::corel {

namespace {

using frame::ElementKind;

constexpr const wchar_t* kRegmarkLayer = L"Regmark";
constexpr const wchar_t* kSquaresLayer = L"Cut Out Squares";

Dispatch ActiveDocument(const Dispatch& app) { return app.object(member::ActiveDocument); }
Dispatch ActivePage(const Dispatch& app) { return ActiveDocument(app).object(member::ActivePage); }

Dispatch FindLayer(const Dispatch& app, const wchar_t* name) {
  return ActivePage(app).object(member::Layers).object(member::Find, {Variant::text(name)});
}

void RemovePageLayer(const Dispatch& app, const wchar_t* name) {
  try {
    if (Dispatch layer = FindLayer(app, name)) layer.call(member::Delete);
  } catch (const HostError&) {
    const DWORD code = GetLastError();
    ShowMessage(HostMainWindow(app), L"Error: " + std::to_wstring(code), L"ID", MB_OK);
  }
}

Dispatch AddMarkLayer(const Dispatch& app, const wchar_t* name) {
  RemovePageLayer(app, name);
  Dispatch layer = ActivePage(app).object(member::CreateLayer, {Variant::text(name)});
  layer.put(member::Visible, Variant::boolean(true));
  layer.put(member::Editable, Variant::boolean(false));
  layer.object(member::Color).call(member::RGBAssign, {Variant::integer(0), Variant::integer(0), Variant::integer(0)});
  return layer;
}

void Style(const Dispatch& shape) {
  shape.object(member::Fill)
      .object(member::UniformColor)
      .call(member::CMYKAssign, {Variant::integer(0), Variant::integer(0), Variant::integer(0), Variant::integer(100)});
  shape.object(member::Outline).put(member::Width, Variant::real(0));
}

Dispatch DrawElement(const Dispatch& layer, const frame::CorelElement& e) {
  switch (e.kind) {
    case ElementKind::Mark:
      return layer.object(member::CreateEllipse2,
                          {Variant::real(e.ellipse.centerX), Variant::real(e.ellipse.centerY),
                           Variant::real(e.ellipse.radius1), Variant::real(e.ellipse.radius2),
                           Variant::real(e.ellipse.startAngle), Variant::real(e.ellipse.endAngle),
                           Variant::boolean(e.ellipse.pie)});
    case ElementKind::Square: {
      const double r = e.square.cornerRadius;
      return layer.object(member::CreateRectangle2,
                          {Variant::real(e.square.x), Variant::real(e.square.y), Variant::real(e.square.width),
                           Variant::real(e.square.height), Variant::real(r), Variant::real(r), Variant::real(r),
                           Variant::real(r)});
    }
    case ElementKind::Triangle:
      return layer.object(member::CreatePolygon2,
                          {Variant::real(e.polygon.centerX), Variant::real(e.polygon.centerY),
                           Variant::real(e.polygon.radius), Variant::integer(e.polygon.sides),
                           Variant::real(e.polygon.param1), Variant::real(e.polygon.param2),
                           Variant::boolean(e.polygon.flag), Variant::integer(e.polygon.intParam)});
    case ElementKind::Line: {
      const long r = long(e.line.cornerRadius);
      return layer.object(member::CreateRectangle,
                          {Variant::real(e.line.left), Variant::real(e.line.top), Variant::real(e.line.right),
                           Variant::real(e.line.bottom), Variant::integer(r), Variant::integer(r),
                           Variant::integer(r), Variant::integer(r)});
    }
  }
  return {};
}

long ShapeCount(const Dispatch& container) { return container.object(member::Shapes).get(member::Count).toInteger(); }

// The page's shapes apart from an earlier run's marks, which the command replaces.
long ArtworkShapeCount(const Dispatch& app) {
  long count = ShapeCount(ActivePage(app));
  for (const wchar_t* name : {kRegmarkLayer, kSquaresLayer})
    if (Dispatch layer = FindLayer(app, name)) count -= ShapeCount(layer);
  return count;
}

// What the command changes besides the page's content; put back on every way out, so that a
// host error half-way leaves the document's settings as the user had them.
class DocumentSettings {
public:
  explicit DocumentSettings(const Dispatch& app) : app_(app) {}
  DocumentSettings(const DocumentSettings&) = delete;
  DocumentSettings& operator=(const DocumentSettings&) = delete;
  ~DocumentSettings() {
    if (saved_ && !restored_) restoreQuietly();
  }

  void apply() {
    const Dispatch document = ActiveDocument(app_);
    unit_ = document.get(member::Unit);
    referencePoint_ = document.get(member::ReferencePoint);
    saved_ = true;
    document.put(member::ReferencePoint, Variant::integer(kReferencePointCentre));
    document.put(member::Unit, Variant::integer(kUnitMillimetres));
    guidesLocked_ = true;
    setGuidesEditable(false);
    activeLayer_ = app_.object(member::ActiveLayer);
    if (activeLayer_) activeLayerName_ = activeLayer_.get(member::Name).toText();
  }

  void restore() {
    activateRemembered();
    setGuidesEditable(true);
    const Dispatch document = ActiveDocument(app_);
    document.put(member::Unit, unit_);
    document.put(member::ReferencePoint, referencePoint_);
    restored_ = true;
  }

private:
  // A user working on an earlier run's mark layer had it replaced: its successor of the same
  // name becomes active again, or, for a squares layer that a plain run removed, none.
  void activateRemembered() {
    if (!activeLayer_) return;
    if (activeLayerName_ == kRegmarkLayer || activeLayerName_ == kSquaresLayer) {
      if (Dispatch successor = FindLayer(app_, activeLayerName_.c_str())) successor.call(member::Activate);
      return;
    }
    activeLayer_.call(member::Activate);
  }

  void setGuidesEditable(bool editable) {
    const Dispatch document = ActiveDocument(app_);
    document.object(member::MasterPage).object(member::GuidesLayer).put(member::Editable, Variant::boolean(editable));
    document.object(member::ActivePage).object(member::GuidesLayer).put(member::Editable, Variant::boolean(editable));
  }
  // Each step on its own: one refusal must not keep the others from being put back.
  void restoreQuietly() noexcept {
    const Dispatch document = [&] { try { return ActiveDocument(app_); } catch (...) { return Dispatch(); } }();
    try { activateRemembered(); } catch (...) {}
    if (guidesLocked_) {
      try { document.object(member::MasterPage).object(member::GuidesLayer).put(member::Editable, Variant::boolean(true)); } catch (...) {}
      try { document.object(member::ActivePage).object(member::GuidesLayer).put(member::Editable, Variant::boolean(true)); } catch (...) {}
    }
    try { document.put(member::Unit, unit_); } catch (...) {}
    try { document.put(member::ReferencePoint, referencePoint_); } catch (...) {}
  }

  Dispatch app_;
  Variant unit_, referencePoint_;
  Dispatch activeLayer_;
  std::wstring activeLayerName_;
  bool saved_ = false;
  bool guidesLocked_ = false;
  bool restored_ = false;
};

void AddRegistrationMarks(CommandTable& table, bool withSquares) {
  const Dispatch& app = table.application;
  DocumentSettings settings(app);
  settings.apply();

  Dispatch regmarkLayer = AddMarkLayer(app, kRegmarkLayer);
  Dispatch squaresLayer = AddMarkLayer(app, kSquaresLayer);
  if (!withSquares) RemovePageLayer(app, kSquaresLayer);

  const Dispatch shapes = ActivePage(app).object(member::Shapes);
  const long n = shapes.get(member::Count).toInteger();
  for (long i = 1; i <= n; ++i) shapes.object(member::Item, {Variant::integer(i)}).call(member::AddToSelection);

  frame::CorelBox box;
  app.object(member::ActiveSelection)
      .call(member::GetBoundingBox, {Variant::realOut(&box.x), Variant::realOut(&box.y), Variant::realOut(&box.w),
                                     Variant::realOut(&box.h), Variant::boolean(false)});
  const frame::CorelFrame marks = frame::BuildCorelFrame(box, withSquares);
  if (marks.status != frame::FrameStatus::Ok)
    throw HostError(E_INVALIDARG, L"The artwork on the active page is too large for registration marks.");

  regmarkLayer.put(member::Editable, Variant::boolean(true));
  if (withSquares) squaresLayer.put(member::Editable, Variant::boolean(true));
  for (const frame::CorelElement& element : marks.elements)
    Style(DrawElement(element.layer == frame::FrameLayer::Regmark ? regmarkLayer : squaresLayer, element));
  regmarkLayer.put(member::Editable, Variant::boolean(false));
  if (withSquares) squaresLayer.put(member::Editable, Variant::boolean(false));

  settings.restore();
}

// One undo step named after the command, closed also when a host error stops the drawing.
void RunInCommandGroup(CommandTable& table, const wchar_t* groupName, bool withSquares) {
  const Dispatch& app = table.application;
  if (!ActiveDocument(app)) throw HostError(E_POINTER, L"There is no open document to put registration marks on.");
  if (ArtworkShapeCount(app) == 0) {
    ShowMessage(HostMainWindow(app), L"The active page holds no artwork: there is nothing to put registration marks around.",
                L"Warning", MB_OK | MB_ICONWARNING);
    return;
  }
  ActiveDocument(app).call(member::BeginCommandGroup, {Variant::text(groupName)});
  try {
    AddRegistrationMarks(table, withSquares);
  } catch (...) {
    try { ActiveDocument(app).call(member::EndCommandGroup); } catch (...) {}
    throw;
  }
  ActiveDocument(app).call(member::EndCommandGroup);
}

}  // namespace

void SetCutrixMarkers(CommandTable& table) { RunInCommandGroup(table, L"Add Cutrix regmarks", false); }

void SetCutrixMarkersAndSquares(CommandTable& table) {
  RunInCommandGroup(table, L"Set Cutrix regmarkers and cut out squares", true);
}

}  // namespace orvan::corel
