// MarkwellCS1's acquisition list, in the host's order.
#include "suites_cs1.h"

namespace orvan::markwell::cs1 {

const SPBlocksSuite* sSPBlocks;
const SPAccessSuite* sSPAccess;
const void* sAIMdMemory;
const AIArtSuite10* sAIArt;
const AIUserSuite6* sAIUser;
const void* sAIUndo;
const void* sAIActionManager;
const AILayerSuite9* sAILayer;
const AIMenuSuite7* sAIMenu;
const ADMBasicSuite* sADMBasic;
const ADMDialogSuite* sADMDialog;
const ADMItemSuite* sADMItem;
const void* sADMIcon;
const void* sAIDocument;
const void* sAIDocumentList;
const AIMatchingArtSuite* sAIMatchingArt;
const void* sAIDrawArt;
const AIShapeConstructionSuite4* sAIShapeConstruction;
const AIPathStyleSuite* sAIPathStyle;
const AIRealMathSuite1* sAIRealMath;
const AITransformArtSuite1* sAITransformArt;
const void* sAITextFrame;

namespace {

const SuiteEntry kSuites[] = {
    {kSPBlocksSuite, 2, Slot(&sSPBlocks)},
    {kSPAccessSuite, 3, Slot(&sSPAccess)},
    {kAIMdMemorySuite, 1, Slot(&sAIMdMemory)},
    {kAIArtSuite, 10, Slot(&sAIArt)},
    {kAIUserSuite, 6, Slot(&sAIUser)},
    {kAIUndoSuite, 4, Slot(&sAIUndo)},
    {kAIActionManagerSuite, 2, Slot(&sAIActionManager)},
    {kAILayerSuite, 9, Slot(&sAILayer)},
    {kAIMenuSuite, 7, Slot(&sAIMenu)},
    {kADMBasicSuite, 2, Slot(&sADMBasic)},
    {kADMDialogSuite, 5, Slot(&sADMDialog)},
    {kADMItemSuite, 7, Slot(&sADMItem)},
    {kADMIconSuite, 1, Slot(&sADMIcon)},
    {kAIDocumentSuite, 8, Slot(&sAIDocument)},
    {kAIDocumentListSuite, 2, Slot(&sAIDocumentList)},
    {kAIMatchingArtSuite, 5, Slot(&sAIMatchingArt)},
    {kAIDrawArtSuite, 6, Slot(&sAIDrawArt)},
    {kAIShapeConstructionSuite, 4, Slot(&sAIShapeConstruction)},
    {kAIPathStyleSuite, 5, Slot(&sAIPathStyle)},
    {kAIRealMathSuite, 1, Slot(&sAIRealMath)},
    {kAITransformArtSuite, 1, Slot(&sAITransformArt)},
    {kAITextFrameSuite, 1, Slot(&sAITextFrame)},
};

const SuiteList kLists[] = {{kSuites, std::size(kSuites)}};

}  // namespace

SuiteAcquisition& Suites() {
  static SuiteAcquisition acquisition(kLists, std::size(kLists));
  return acquisition;
}

}  // namespace orvan::markwell::cs1
