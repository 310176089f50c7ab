// Documents from JSON artwork (--doc, and templates written as artwork), and the command bars
// kept across simulated starts (--state).
#pragma once
#include <memory>
#include <string>

#include "model.h"

namespace orvan::corelsim {

// Adds the document to the host and makes it active; throws std::runtime_error on bad input.
std::shared_ptr<Document> LoadArtwork(const std::string& path);
// A template that holds JSON artwork gives that artwork (its shapes only with includeGraphics);
// any other existing file gives an empty document. Nothing, with problem set, when it is missing.
std::shared_ptr<Document> LoadTemplate(const std::string& path, bool includeGraphics, std::string& problem);

// Missing file: the host's own bars of a first start.
void LoadState(const std::string& path);
void SaveState(const std::string& path);

}  // namespace orvan::corelsim
