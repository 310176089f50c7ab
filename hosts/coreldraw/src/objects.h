// Factories of the simulated host's automation objects; each returns a new object with one reference.
#pragma once
#include <oaidl.h>

#include <memory>

#include "model.h"

namespace orvan::corelsim {

IDispatch* NewApplication();
IDispatch* NewDocumentObject(std::shared_ptr<Document> document);
IDispatch* NewPageObject(std::shared_ptr<Document> document, std::shared_ptr<Page> page);
IDispatch* NewLayerObject(std::shared_ptr<Document> document, std::shared_ptr<Layer> layer);
IDispatch* NewShapeObject(std::shared_ptr<Document> document, std::shared_ptr<Shape> shape);
IDispatch* NewSelectionObject(std::shared_ptr<Document> document);
IDispatch* NewCommandBarsObject();
IDispatch* NewFrameWorkObject();
IDispatch* NewPalettesObject();

// The document that owns a page, for objects that reach it through a raw pointer.
std::shared_ptr<Document> SharedDocument(const Document* document);

}  // namespace orvan::corelsim
