// The suites of MarkwellCS1: one pointer per entry of its acquisition list, and that list.
#pragma once

#include "ai_suites.h"
#include "suite_acquisition.h"

namespace orvan::markwell::cs1 {

extern const SPBlocksSuite* sSPBlocks;
extern const SPAccessSuite* sSPAccess;
extern const void* sAIMdMemory;
extern const AIArtSuite10* sAIArt;
extern const AIUserSuite6* sAIUser;
extern const void* sAIUndo;
extern const void* sAIActionManager;
extern const AILayerSuite9* sAILayer;
extern const AIMenuSuite7* sAIMenu;
extern const ADMBasicSuite* sADMBasic;
extern const ADMDialogSuite* sADMDialog;
extern const ADMItemSuite* sADMItem;
extern const void* sADMIcon;
extern const void* sAIDocument;
extern const void* sAIDocumentList;
extern const AIMatchingArtSuite* sAIMatchingArt;
extern const void* sAIDrawArt;
extern const AIShapeConstructionSuite4* sAIShapeConstruction;
extern const AIPathStyleSuite* sAIPathStyle;
extern const AIRealMathSuite1* sAIRealMath;
extern const AITransformArtSuite1* sAITransformArt;
extern const void* sAITextFrame;

SuiteAcquisition& Suites();

}  // namespace orvan::markwell::cs1
