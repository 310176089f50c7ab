// Documents, pages, layers, shapes and their fill, outline and colour objects. Every coordinate
// goes in and out in the document's current unit and is kept in millimetres.
#include <cmath>
#include <numbers>

#include "automation_object.h"
#include "document_output.h"
#include "objects.h"

namespace orvan::corelsim {

namespace {

const wchar_t* kDeletedLayer = L"The layer has been deleted.";

HRESULT PutBool(VARIANT_BOOL* out, bool value) {
  if (!out) return E_POINTER;
  *out = value ? VARIANT_TRUE : VARIANT_FALSE;
  return S_OK;
}

HRESULT PutLong(long* out, long value) {
  if (!out) return E_POINTER;
  *out = value;
  return S_OK;
}

HRESULT PutText(BSTR* out, const std::string& text) {
  if (!out) return E_POINTER;
  *out = SysAllocString(Wide(text).c_str());
  return S_OK;
}

// -------------------------------------------------------------------------------------------------
class ColorObject final : public AutomationObject<IColor> {
public:
  ColorObject(std::shared_ptr<Layer> layer, std::shared_ptr<Shape> shape)
      : AutomationObject("Color"), layer_(std::move(layer)), shape_(std::move(shape)) {}
  HRESULT STDMETHODCALLTYPE RGBAssign(LONG r, LONG g, LONG b) override {
    for (long v : {r, g, b})
      if (v < 0 || v > 255) return HostFailure(L"An RGB component must lie between 0 and 255.", E_INVALIDARG);
    if (layer_) layer_->color = {int(r), int(g), int(b)};
    if (shape_) { shape_->rgb = std::array<int, 3>{int(r), int(g), int(b)}; shape_->cmyk.reset(); }
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE CMYKAssign(LONG c, LONG m, LONG y, LONG k) override {
    for (long v : {c, m, y, k})
      if (v < 0 || v > 100) return HostFailure(L"A CMYK component must lie between 0 and 100.", E_INVALIDARG);
    if (shape_) { shape_->cmyk = std::array<int, 4>{int(c), int(m), int(y), int(k)}; shape_->rgb.reset(); }
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_Name(BSTR* name) override { return PutText(name, "colour"); }

private:
  std::shared_ptr<Layer> layer_;
  std::shared_ptr<Shape> shape_;
};

class FillObject final : public AutomationObject<IFill> {
public:
  explicit FillObject(std::shared_ptr<Shape> shape) : AutomationObject("Fill"), shape_(std::move(shape)) {}
  HRESULT STDMETHODCALLTYPE get_UniformColor(IDispatch** color) override {
    return Out(new ColorObject(nullptr, shape_), color);
  }

private:
  std::shared_ptr<Shape> shape_;
};

class OutlineObject final : public AutomationObject<IOutline> {
public:
  OutlineObject(std::shared_ptr<Document> doc, std::shared_ptr<Shape> shape)
      : AutomationObject("Outline"), doc_(std::move(doc)), shape_(std::move(shape)) {}
  HRESULT STDMETHODCALLTYPE get_Width(double* width) override {
    if (!width) return E_POINTER;
    *width = doc_->fromMm(shape_->outline);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE put_Width(double width) override {
    if (!(width >= 0)) return HostFailure(L"An outline width cannot be negative.", E_INVALIDARG);
    shape_->outline = doc_->toMm(width);
    return S_OK;
  }

private:
  std::shared_ptr<Document> doc_;
  std::shared_ptr<Shape> shape_;
};

// -------------------------------------------------------------------------------------------------
// A shape, or the document's selection acting as one shape.
class ShapeObject final : public AutomationObject<IShape> {
public:
  ShapeObject(std::shared_ptr<Document> doc, std::shared_ptr<Shape> shape)
      : AutomationObject(shape ? "Shape" : "Selection"), doc_(std::move(doc)), shape_(std::move(shape)) {}

  HRESULT STDMETHODCALLTYPE get_Type(BSTR* kind) override { return PutText(kind, shape_ ? shape_->kind : "selection"); }
  HRESULT STDMETHODCALLTYPE AddToSelection() override {
    if (HRESULT hr = alive(); FAILED(hr)) return hr;
    if (!shape_) return S_OK;
    if (!doc_->selectedShapes.insert(shape_.get()).second) return S_OK;
    doc_->selection.push_back(shape_);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetBoundingBox(double* x, double* y, double* w, double* h, VARIANT_BOOL outline) override {
    if (!x || !y || !w || !h) return E_POINTER;
    if (HRESULT hr = alive(); FAILED(hr)) return hr;
    Box b;
    if (shape_) {
      b = shape_->bounds(outline != VARIANT_FALSE);
    } else {
      const auto selected = doc_->selected();
      // An empty selection has no box; the host answers zeros.
      if (!selected.empty()) {
        Box first = selected[0]->bounds(outline != VARIANT_FALSE);
        double x0 = first.x, y0 = first.y, x1 = first.x + first.w, y1 = first.y + first.h;
        for (const auto& s : selected) {
          Box e = s->bounds(outline != VARIANT_FALSE);
          x0 = std::min(x0, e.x); y0 = std::min(y0, e.y);
          x1 = std::max(x1, e.x + e.w); y1 = std::max(y1, e.y + e.h);
        }
        b = {x0, y0, x1 - x0, y1 - y0};
      }
    }
    *x = doc_->fromMm(b.x); *y = doc_->fromMm(b.y); *w = doc_->fromMm(b.w); *h = doc_->fromMm(b.h);
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_Fill(IDispatch** fill) override {
    if (!shape_) return HostFailure(L"The selection has no fill of its own.");
    return Out(new FillObject(shape_), fill);
  }
  HRESULT STDMETHODCALLTYPE get_Outline(IDispatch** outline) override {
    if (!shape_) return HostFailure(L"The selection has no outline of its own.");
    return Out(new OutlineObject(doc_, shape_), outline);
  }

private:
  HRESULT alive() const { return shape_ && shape_->deleted ? HostFailure(L"The shape has been deleted.") : S_OK; }
  std::shared_ptr<Document> doc_;
  std::shared_ptr<Shape> shape_;
};

class ShapesObject final : public AutomationObject<IShapes> {
public:
  ShapesObject(std::shared_ptr<Document> doc, std::vector<std::shared_ptr<Shape>> shapes)
      : AutomationObject("Shapes"), doc_(std::move(doc)), shapes_(std::move(shapes)) {}
  HRESULT STDMETHODCALLTYPE get_Count(LONG* count) override { return PutLong(count, long(shapes_.size())); }
  HRESULT STDMETHODCALLTYPE get_Item(LONG index, IDispatch** shape) override {
    if (index < 1 || size_t(index) > shapes_.size())
      return HostFailure(L"There is no shape at index " + std::to_wstring(index) + L".", DISP_E_BADINDEX);
    return Out(new ShapeObject(doc_, shapes_[size_t(index - 1)]), shape);
  }

private:
  std::shared_ptr<Document> doc_;
  std::vector<std::shared_ptr<Shape>> shapes_;
};

// -------------------------------------------------------------------------------------------------
class LayerObject final : public AutomationObject<ILayer> {
public:
  LayerObject(std::shared_ptr<Document> doc, std::shared_ptr<Layer> layer)
      : AutomationObject("Layer"), doc_(std::move(doc)), layer_(std::move(layer)) {}

  HRESULT STDMETHODCALLTYPE get_Name(BSTR* name) override { return PutText(name, layer_->name); }
  HRESULT STDMETHODCALLTYPE get_Visible(VARIANT_BOOL* v) override { return PutBool(v, layer_->visible); }
  HRESULT STDMETHODCALLTYPE put_Visible(VARIANT_BOOL v) override {
    if (layer_->deleted) return HostFailure(kDeletedLayer);
    layer_->visible = v != VARIANT_FALSE;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_Editable(VARIANT_BOOL* v) override { return PutBool(v, layer_->editable); }
  HRESULT STDMETHODCALLTYPE put_Editable(VARIANT_BOOL v) override {
    if (layer_->deleted) return HostFailure(kDeletedLayer);
    layer_->editable = v != VARIANT_FALSE;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_Color(IDispatch** color) override {
    if (layer_->deleted) return HostFailure(kDeletedLayer);
    return Out(new ColorObject(layer_, nullptr), color);
  }
  HRESULT STDMETHODCALLTYPE get_Shapes(IDispatch** shapes) override {
    return Out(new ShapesObject(doc_, layer_->shapes), shapes);
  }
  HRESULT STDMETHODCALLTYPE Delete() override {
    if (layer_->deleted) return HostFailure(kDeletedLayer);
    if (layer_->guides) return HostFailure(L"The guides layer cannot be deleted.");
    auto& layers = layer_->page->layers;
    for (auto it = layers.begin(); it != layers.end(); ++it)
      if (*it == layer_) { layers.erase(it); break; }
    layer_->deleted = true;
    for (auto& s : layer_->shapes) s->deleted = true;
    if (doc_->activeLayer.lock() == layer_) doc_->activeLayer = layers.empty() ? nullptr : layers.back();
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Activate() override {
    if (layer_->deleted) return HostFailure(kDeletedLayer);
    doc_->activeLayer = layer_;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE CreateEllipse2(double cx, double cy, double r1, double r2, double start, double end,
                                           VARIANT_BOOL pie, IDispatch** shape) override {
    if (!(r1 > 0) || r2 < 0) return HostFailure(L"An ellipse needs a positive radius.", E_INVALIDARG);
    auto s = make("ellipse");
    if (!s) return creationRefused();
    s->cx = mm(cx); s->cy = mm(cy); s->rx = mm(r1); s->ry = r2 == 0 ? s->rx : mm(r2);
    s->call = {{"centerX", s->cx}, {"centerY", s->cy}, {"radius1", mm(r1)}, {"radius2", mm(r2)},
               {"startAngle", start}, {"endAngle", end}, {"pie", pie ? 1.0 : 0.0}};
    return Out(new ShapeObject(doc_, s), shape);
  }
  HRESULT STDMETHODCALLTYPE CreateRectangle2(double x, double y, double w, double h, double ul, double ur,
                                             double lr, double ll, IDispatch** shape) override {
    if (!(w > 0) || !(h > 0)) return HostFailure(L"A rectangle needs a positive width and height.", E_INVALIDARG);
    auto s = make("rectangle");
    if (!s) return creationRefused();
    s->x = mm(x); s->y = mm(y); s->w = mm(w); s->h = mm(h);
    s->call = {{"x", s->x}, {"y", s->y}, {"width", s->w}, {"height", s->h},
               {"radii", std::abs(ul) + std::abs(ur) + std::abs(lr) + std::abs(ll)}};
    return Out(new ShapeObject(doc_, s), shape);
  }
  HRESULT STDMETHODCALLTYPE CreateRectangle(double left, double top, double right, double bottom, LONG ul, LONG ur,
                                            LONG lr, LONG ll, IDispatch** shape) override {
    auto s = make("rectangle");
    if (!s) return creationRefused();
    // The edges may come in either order; the rectangle lies between them.
    s->x = mm(std::min(left, right)); s->w = mm(std::abs(right - left));
    s->y = mm(std::min(top, bottom)); s->h = mm(std::abs(top - bottom));
    s->call = {{"left", mm(left)}, {"top", mm(top)}, {"right", mm(right)}, {"bottom", mm(bottom)},
               {"radii", double(std::abs(ul) + std::abs(ur) + std::abs(lr) + std::abs(ll))}};
    return Out(new ShapeObject(doc_, s), shape);
  }
  HRESULT STDMETHODCALLTYPE CreatePolygon2(double cx, double cy, double radius, LONG sides, double angle,
                                           double sharpness, VARIANT_BOOL star, LONG complexity,
                                           IDispatch** shape) override {
    if (sides < 3 || sides > 500 || !(radius > 0))
      return HostFailure(L"A polygon needs 3 to 500 sides and a positive radius.", E_INVALIDARG);
    auto s = make("polygon");
    if (!s) return creationRefused();
    // The first corner points in the direction of the angle, in degrees from the x axis.
    for (long k = 0; k < sides; ++k) {
      const double a = (angle + 360.0 * double(k) / double(sides)) * std::numbers::pi / 180.0;
      s->vertices.push_back({mm(cx) + mm(radius) * std::cos(a), mm(cy) + mm(radius) * std::sin(a)});
    }
    s->call = {{"centerX", mm(cx)}, {"centerY", mm(cy)}, {"radius", mm(radius)}, {"sides", double(sides)},
               {"angle", angle}, {"sharpness", sharpness}, {"star", star ? 1.0 : 0.0},
               {"starComplexity", double(complexity)}};
    return Out(new ShapeObject(doc_, s), shape);
  }

private:
  double mm(double v) const { return doc_->toMm(v); }
  std::shared_ptr<Shape> make(const char* kind) {
    if (layer_->deleted || !layer_->editable || layer_->guides) return nullptr;
    auto s = std::make_shared<Shape>();
    s->id = TheHost().nextShapeId++;
    s->kind = kind;
    s->layer = layer_.get();
    // New shapes start with the host's default outline, as in CorelDRAW: a hairline of 0.2 mm.
    s->outline = 0.2;
    layer_->shapes.push_back(s);
    return s;
  }
  HRESULT creationRefused() const {
    if (layer_->deleted) return HostFailure(kDeletedLayer);
    return HostFailure(L"The layer \"" + Wide(layer_->name) + L"\" is locked: nothing can be drawn on it.");
  }
  std::shared_ptr<Document> doc_;
  std::shared_ptr<Layer> layer_;
};

class LayersObject final : public AutomationObject<ILayers> {
public:
  LayersObject(std::shared_ptr<Document> doc, std::shared_ptr<Page> page)
      : AutomationObject("Layers"), doc_(std::move(doc)), page_(std::move(page)) {}
  HRESULT STDMETHODCALLTYPE get_Count(LONG* count) override { return PutLong(count, long(page_->layers.size())); }
  HRESULT STDMETHODCALLTYPE get_Item(LONG index, IDispatch** layer) override {
    // Index 1 is the top layer, as the host's object manager lists them.
    if (index < 1 || size_t(index) > page_->layers.size())
      return HostFailure(L"There is no layer at index " + std::to_wstring(index) + L".", DISP_E_BADINDEX);
    return Out(new LayerObject(doc_, page_->layers[page_->layers.size() - size_t(index)]), layer);
  }
  HRESULT STDMETHODCALLTYPE Find(BSTR name, IDispatch** layer) override {
    if (!layer) return E_POINTER;
    *layer = nullptr;
    const std::string wanted = Narrow(name);
    for (auto it = page_->layers.rbegin(); it != page_->layers.rend(); ++it)
      if ((*it)->name == wanted) return Out(new LayerObject(doc_, *it), layer);
    return S_OK;
  }

private:
  std::shared_ptr<Document> doc_;
  std::shared_ptr<Page> page_;
};

class PageObject final : public AutomationObject<IPage> {
public:
  PageObject(std::shared_ptr<Document> doc, std::shared_ptr<Page> page)
      : AutomationObject("Page"), doc_(std::move(doc)), page_(std::move(page)) {}
  HRESULT STDMETHODCALLTYPE get_Layers(IDispatch** layers) override { return Out(new LayersObject(doc_, page_), layers); }
  HRESULT STDMETHODCALLTYPE CreateLayer(BSTR name, IDispatch** layer) override {
    auto l = std::make_shared<Layer>();
    l->name = Narrow(name);
    l->page = page_.get();
    page_->layers.push_back(l);
    return Out(new LayerObject(doc_, l), layer);
  }
  HRESULT STDMETHODCALLTYPE get_GuidesLayer(IDispatch** layer) override {
    return Out(new LayerObject(doc_, page_->guides), layer);
  }
  HRESULT STDMETHODCALLTYPE get_Shapes(IDispatch** shapes) override {
    return Out(new ShapesObject(doc_, page_->shapes()), shapes);
  }
  HRESULT STDMETHODCALLTYPE get_Index(LONG* index) override { return PutLong(index, page_->index); }

private:
  std::shared_ptr<Document> doc_;
  std::shared_ptr<Page> page_;
};

class PagesObject final : public AutomationObject<IPages> {
public:
  explicit PagesObject(std::shared_ptr<Document> doc) : AutomationObject("Pages"), doc_(std::move(doc)) {}
  HRESULT STDMETHODCALLTYPE get_Count(LONG* count) override { return PutLong(count, long(doc_->pages.size())); }
  HRESULT STDMETHODCALLTYPE get_Item(LONG index, IDispatch** page) override {
    if (index < 1 || size_t(index) > doc_->pages.size())
      return HostFailure(L"There is no page " + std::to_wstring(index) + L".", DISP_E_BADINDEX);
    return Out(new PageObject(doc_, doc_->pages[size_t(index - 1)]), page);
  }

private:
  std::shared_ptr<Document> doc_;
};

class DocumentObject final : public AutomationObject<IDocument> {
public:
  explicit DocumentObject(std::shared_ptr<Document> doc) : AutomationObject("Document"), doc_(std::move(doc)) {}
  HRESULT STDMETHODCALLTYPE get_Name(BSTR* name) override { return PutText(name, doc_->name); }
  HRESULT STDMETHODCALLTYPE BeginCommandGroup(BSTR name) override {
    doc_->groups.push_back({Narrow(name), false});
    ++doc_->openGroups;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE EndCommandGroup() override {
    for (auto it = doc_->groups.rbegin(); it != doc_->groups.rend(); ++it)
      if (!it->closed) {
        it->closed = true;
        --doc_->openGroups;
        return S_OK;
      }
    return HostFailure(L"No command group is open.");
  }
  HRESULT STDMETHODCALLTYPE get_Unit(LONG* unit) override { return PutLong(unit, doc_->unit); }
  HRESULT STDMETHODCALLTYPE put_Unit(LONG unit) override {
    if (!Document::millimetresPer(unit)) return HostFailure(L"Unknown unit " + std::to_wstring(unit) + L".", E_INVALIDARG);
    doc_->unit = unit;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_ReferencePoint(LONG* point) override { return PutLong(point, doc_->referencePoint); }
  HRESULT STDMETHODCALLTYPE put_ReferencePoint(LONG point) override {
    if (point < 1 || point > 9) return HostFailure(L"Unknown reference point.", E_INVALIDARG);
    doc_->referencePoint = point;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_ActivePage(IDispatch** page) override {
    return Out(new PageObject(doc_, doc_->pages.at(size_t(doc_->activePage))), page);
  }
  HRESULT STDMETHODCALLTYPE get_MasterPage(IDispatch** page) override { return Out(new PageObject(doc_, doc_->master), page); }
  HRESULT STDMETHODCALLTYPE get_Pages(IDispatch** pages) override { return Out(new PagesObject(doc_), pages); }
  HRESULT STDMETHODCALLTYPE get_Shapes(IDispatch** shapes) override {
    return Out(new ShapesObject(doc_, doc_->shapes()), shapes);
  }
  HRESULT STDMETHODCALLTYPE PublishToPDF(BSTR file) override {
    const std::string path = Narrow(file);
    std::string error;
    if (!WritePdf(*doc_, doc_->page(), path, error))
      return HostFailure(L"Could not publish \"" + Wide(path) + L"\": " + Wide(error));
    TheHost().pdfs.push_back(path);
    return S_OK;
  }

private:
  std::shared_ptr<Document> doc_;
};

}  // namespace

IDispatch* NewDocumentObject(std::shared_ptr<Document> document) { return new DocumentObject(std::move(document)); }
IDispatch* NewPageObject(std::shared_ptr<Document> document, std::shared_ptr<Page> page) {
  return new PageObject(std::move(document), std::move(page));
}
IDispatch* NewLayerObject(std::shared_ptr<Document> document, std::shared_ptr<Layer> layer) {
  return new LayerObject(std::move(document), std::move(layer));
}
IDispatch* NewShapeObject(std::shared_ptr<Document> document, std::shared_ptr<Shape> shape) {
  return new ShapeObject(std::move(document), std::move(shape));
}
IDispatch* NewSelectionObject(std::shared_ptr<Document> document) { return new ShapeObject(std::move(document), nullptr); }

std::shared_ptr<Document> SharedDocument(const Document* document) {
  for (const auto& d : TheHost().documents)
    if (d.get() == document) return d;
  return nullptr;
}

}  // namespace orvan::corelsim
