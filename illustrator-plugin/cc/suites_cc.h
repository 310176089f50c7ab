// The suites of MarkwellCC: one pointer per entry of its acquisition lists, and those lists.
#pragma once

#include "ai_suites.h"
#include "suite_acquisition.h"

namespace orvan::markwell::cc {

// Base list.
extern const SPAccessSuite* sSPAccess;
extern const SPPluginsSuite* sSPPlugins;
extern const AINotifierSuite* sAINotifier;
extern const AIContextSuite* sAIContext;
extern const AIUserSuite11* sAIUser;
extern const void* sAIFilePath;
extern const void* sAIFolders;
extern const AIMatchingArtSuite* sAIMatchingArt;
// The plug-in's list. Three suites are listed twice; the mark commands use the second copies.
extern const SPBlocksSuite* sSPBlocks;
extern const AIMenuSuite11* sAIMenu;
extern const AIUnicodeStringSuite* sAIUnicodeString;
extern const void* sAIDocument;
extern const void* sAIDocumentList;
extern const void* sAIActionManager;
extern const void* sAIDrawArt;
extern const AIShapeConstructionSuite6* sAIShapeConstructionFirst;
extern const AIPathStyleSuite* sAIPathStyleFirst;
extern const AIRealMathSuite3* sAIRealMathFirst;
extern const AITransformArtSuite3* sAITransformArt;
extern const AIArtSuite17* sAIArt;
extern const AILayerSuite13* sAILayer;
extern const AIPathStyleSuite* sAIPathStyle;
extern const AIShapeConstructionSuite6* sAIShapeConstruction;
extern const AIRealMathSuite3* sAIRealMath;
extern const void* sAIMaskFlattener;
extern const void* sAIArtSet;
extern const void* sAIMask;
extern const void* sAIArtStyle;
extern const void* sAIArtStyleParser;
extern const void* sAIArtConverter;

// The module-wide count over both lists.
SuiteAcquisition& Suites();

}  // namespace orvan::markwell::cc
