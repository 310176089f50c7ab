// MarkwellCC's acquisition lists: the base list, then the plug-in's own, in the host's order.
#include "suites_cc.h"

namespace orvan::markwell::cc {

const SPAccessSuite* sSPAccess;
const SPPluginsSuite* sSPPlugins;
const AINotifierSuite* sAINotifier;
const AIContextSuite* sAIContext;
const AIUserSuite11* sAIUser;
const void* sAIFilePath;
const void* sAIFolders;
const AIMatchingArtSuite* sAIMatchingArt;
const SPBlocksSuite* sSPBlocks;
const AIMenuSuite11* sAIMenu;
const AIUnicodeStringSuite* sAIUnicodeString;
const void* sAIDocument;
const void* sAIDocumentList;
const void* sAIActionManager;
const void* sAIDrawArt;
const AIShapeConstructionSuite6* sAIShapeConstructionFirst;
const AIPathStyleSuite* sAIPathStyleFirst;
const AIRealMathSuite3* sAIRealMathFirst;
const AITransformArtSuite3* sAITransformArt;
const AIArtSuite17* sAIArt;
const AILayerSuite13* sAILayer;
const AIPathStyleSuite* sAIPathStyle;
const AIShapeConstructionSuite6* sAIShapeConstruction;
const AIRealMathSuite3* sAIRealMath;
const void* sAIMaskFlattener;
const void* sAIArtSet;
const void* sAIMask;
const void* sAIArtStyle;
const void* sAIArtStyleParser;
const void* sAIArtConverter;

namespace {

const SuiteEntry kBaseSuites[] = {
    {kSPAccessSuite, 3, Slot(&sSPAccess)},
    {kSPPluginsSuite, 4, Slot(&sSPPlugins)},
    {kAINotifierSuite, 4, Slot(&sAINotifier)},
    {kAIContextSuite, 7, Slot(&sAIContext)},
    {kAIUserSuite, 11, Slot(&sAIUser)},
    {kAIFilePathSuite, 4, Slot(&sAIFilePath)},
    {kAIFoldersSuite, 5, Slot(&sAIFolders)},
    {kAIMatchingArtSuite, 7, Slot(&sAIMatchingArt)},
};

const SuiteEntry kPluginSuites[] = {
    {kSPBlocksSuite, 2, Slot(&sSPBlocks)},
    {kAIMenuSuite, 11, Slot(&sAIMenu)},
    {kAIUnicodeStringSuite, 8, Slot(&sAIUnicodeString)},
    {kAIDocumentSuite, 14, Slot(&sAIDocument)},
    {kAIDocumentListSuite, 8, Slot(&sAIDocumentList)},
    {kAIActionManagerSuite, 5, Slot(&sAIActionManager)},
    {kAIDrawArtSuite, 11, Slot(&sAIDrawArt)},
    {kAIShapeConstructionSuite, 6, Slot(&sAIShapeConstructionFirst)},
    {kAIPathStyleSuite, 13, Slot(&sAIPathStyleFirst)},
    {kAIRealMathSuite, 3, Slot(&sAIRealMathFirst)},
    {kAITransformArtSuite, 3, Slot(&sAITransformArt)},
    {kAIArtSuite, 17, Slot(&sAIArt)},
    {kAILayerSuite, 13, Slot(&sAILayer)},
    {kAIPathStyleSuite, 13, Slot(&sAIPathStyle)},
    {kAIShapeConstructionSuite, 6, Slot(&sAIShapeConstruction)},
    {kAIRealMathSuite, 3, Slot(&sAIRealMath)},
    {kAIMaskFlattenerSuite, 5, Slot(&sAIMaskFlattener)},
    {kAIArtSetSuite, 8, Slot(&sAIArtSet)},
    {kAIMaskSuite, 5, Slot(&sAIMask)},
    {kAIArtStyleSuite, 7, Slot(&sAIArtStyle)},
    {kAIArtStyleParserSuite, 8, Slot(&sAIArtStyleParser)},
    {kAIArtConverterSuite, 3, Slot(&sAIArtConverter)},
};

const SuiteList kLists[] = {{kBaseSuites, std::size(kBaseSuites)}, {kPluginSuites, std::size(kPluginSuites)}};

}  // namespace

SuiteAcquisition& Suites() {
  static SuiteAcquisition acquisition(kLists, std::size(kLists));
  return acquisition;
}

}  // namespace orvan::markwell::cc
