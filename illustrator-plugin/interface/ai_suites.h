// The suites of the Illustrator host interface: C tables of function pointers, fetched from the
// basic suite by name and version. A suite whose layout differs between the versions the two
// editions acquire is a template over the edition's real type or string type.
#pragma once

#include "ai_types.h"

// Suite names, as the host knows them.
inline constexpr char kSPBasicSuite[] = "SP Basic Suite";
inline constexpr char kSPAccessSuite[] = "SP Access Suite";
inline constexpr char kSPPluginsSuite[] = "SP Plug-ins Suite";
inline constexpr char kSPBlocksSuite[] = "SP Blocks Suite";
inline constexpr char kAINotifierSuite[] = "AI Notifier Suite";
inline constexpr char kAIContextSuite[] = "AI Context Suite";
inline constexpr char kAIUserSuite[] = "AI User Suite";
inline constexpr char kAIFilePathSuite[] = "AI File Path Suite";
inline constexpr char kAIFoldersSuite[] = "AI Folders Suite";
inline constexpr char kAIMatchingArtSuite[] = "AI Matching Art Suite";
inline constexpr char kAIMenuSuite[] = "AI Menu Suite";
inline constexpr char kAIUnicodeStringSuite[] = "AI Unicode String Suite";
inline constexpr char kAIDocumentSuite[] = "AI Document Suite";
inline constexpr char kAIDocumentListSuite[] = "AI Document List Suite";
inline constexpr char kAIActionManagerSuite[] = "AI Action Manager Suite";
inline constexpr char kAIDrawArtSuite[] = "AI Draw Art Suite";
inline constexpr char kAIShapeConstructionSuite[] = "AI Shape Construction Suite";
inline constexpr char kAIPathStyleSuite[] = "AI Path Style Suite";
inline constexpr char kAIRealMathSuite[] = "AI Real Math Suite";
inline constexpr char kAITransformArtSuite[] = "AI Transform Art Suite";
inline constexpr char kAIArtSuite[] = "AI Art Suite";
inline constexpr char kAILayerSuite[] = "AI Layer Suite";
inline constexpr char kAIMaskFlattenerSuite[] = "AI Mask Flattener Suite";
inline constexpr char kAIArtSetSuite[] = "AI Art Set Suite";
inline constexpr char kAIMaskSuite[] = "AI Mask Suite";
inline constexpr char kAIArtStyleSuite[] = "AI Art Style Suite";
inline constexpr char kAIArtStyleParserSuite[] = "AI Art Style Parser Suite";
inline constexpr char kAIArtConverterSuite[] = "AI Art Converter Suite";
inline constexpr char kAIMdMemorySuite[] = "AI MdMemory Suite";
inline constexpr char kAIUndoSuite[] = "AI Undo Suite";
inline constexpr char kADMBasicSuite[] = "ADM Basic Suite";
inline constexpr char kADMDialogSuite[] = "ADM Dialog Suite";
inline constexpr char kADMItemSuite[] = "ADM Item Suite";
inline constexpr char kADMIconSuite[] = "ADM Icon Suite";
inline constexpr char kAITextFrameSuite[] = "AI Text Frame Suite";

// Handed in every message. Blocks allocated here are the host's until freed here.
struct SPBasicSuite {
  AIErr(AI_CALL* AcquireSuite)(const char* name, std::int32_t version, const void** suite);
  AIErr(AI_CALL* ReleaseSuite)(const char* name, std::int32_t version);
  AIBoolean(AI_CALL* IsEqual)(const char* a, const char* b);
  AIErr(AI_CALL* AllocateBlock)(std::size_t size, void** block);
  AIErr(AI_CALL* FreeBlock)(void* block);
};

// "SP Blocks Suite" 2. Also frees the art lists of the Matching Art suite.
struct SPBlocksSuite {
  AIErr(AI_CALL* AllocateBlock)(std::size_t size, const char* debugName, void** block);
  AIErr(AI_CALL* FreeBlock)(void* block);
};

// "SP Access Suite" 3: a plug-in holding an access lock on itself is not unloaded.
struct SPAccessSuite {
  AIErr(AI_CALL* AcquirePlugin)(SPPluginRef plugin, SPAccessRef* access);
  AIErr(AI_CALL* ReleasePlugin)(SPAccessRef access);
};

// "SP Plug-ins Suite" 4.
struct SPPluginsSuite {
  AIErr(AI_CALL* SetPluginName)(SPPluginRef plugin, const char* name);
};

// "AI Notifier Suite" 4.
struct AINotifierSuite {
  AIErr(AI_CALL* AddNotifier)(SPPluginRef plugin, const char* name, const char* type, AINotifierHandle* notifier);
};

// "AI Context Suite" 7.
struct AIContextSuite {
  AIErr(AI_CALL* PushAppContext)(SPPluginRef plugin, AIAppContextHandle* context);
  AIErr(AI_CALL* PopAppContext)(AIAppContextHandle context);
};

// "AI Unicode String Suite" 8: host strings made from UTF-8 text.
struct AIUnicodeStringSuite {
  AIErr(AI_CALL* FromUTF8)(const char* text, AIUnicodeStringRef* string);
  AIErr(AI_CALL* Dispose)(AIUnicodeStringRef string);
};

// "AI Layer Suite": 13 with host strings (Title = AIUnicodeStringRef), 9 with AIPascalString.
// GetLayerByTitle answers kNoErr and a null layer when no layer has that title.
template <class Title>
struct AILayerSuiteT {
  AIErr(AI_CALL* GetCurrentLayer)(AILayerHandle* layer);
  AIErr(AI_CALL* SetCurrentLayer)(AILayerHandle layer);
  AIErr(AI_CALL* GetLayerByTitle)(AILayerHandle* layer, Title title);
  AIErr(AI_CALL* DeleteLayer)(AILayerHandle layer);
  AIErr(AI_CALL* InsertLayer)(AILayerHandle reference, std::int16_t paintOrder, AILayerHandle* layer);
  AIErr(AI_CALL* SetLayerTitle)(AILayerHandle layer, Title title);
  AIErr(AI_CALL* SetLayerColor)(AILayerHandle layer, AIRGBColor color);
  AIErr(AI_CALL* SetLayerEditable)(AILayerHandle layer, AIBoolean editable);
};
using AILayerSuite13 = AILayerSuiteT<AIUnicodeStringRef>;
using AILayerSuite9 = AILayerSuiteT<AIPascalString>;

// "AI Art Suite": 17 in double precision, 10 in single precision.
template <class Real>
struct AIArtSuiteT {
  AIErr(AI_CALL* GetFirstArtOfLayer)(AILayerHandle layer, AIArtHandle* group);
  AIErr(AI_CALL* NewArt)(std::int16_t type, std::int16_t paintOrder, AIArtHandle reference, AIArtHandle* art);
  AIErr(AI_CALL* SetArtUserAttr)(AIArtHandle art, std::int32_t mask, std::int32_t value);
  AIErr(AI_CALL* GetArtBounds)(AIArtHandle art, AIRealRectT<Real>* bounds);
  // Shapes made next land in this group, on top.
  AIErr(AI_CALL* SetInsertionPoint)(AIArtHandle group);
};
using AIArtSuite17 = AIArtSuiteT<double>;
using AIArtSuite10 = AIArtSuiteT<float>;

// "AI Matching Art Suite" 7 and 5. The list is a block of "SP Blocks Suite" that the caller frees;
// no match gives kNoErr, a null list and a count of 0.
struct AIMatchingArtSuite {
  AIErr(AI_CALL* GetSelectedArt)(AIArtHandle** matches, std::int32_t* count);
  AIErr(AI_CALL* GetMatchingArt)(const AIMatchingArtRequest* requests, std::int16_t requestCount, AIArtHandle** matches,
                                 std::int32_t* count);
};

// "AI Shape Construction Suite": 6 in double precision, 4 in single precision.
template <class Real>
struct AIShapeConstructionSuiteT {
  AIErr(AI_CALL* NewRect)(Real top, Real left, Real bottom, Real right, AIBoolean reversed, AIArtHandle* art);
  AIErr(AI_CALL* NewOval)(Real top, Real left, Real bottom, Real right, AIBoolean reversed, AIArtHandle* art);
  AIErr(AI_CALL* NewRegularPolygon)(std::uint16_t sides, Real centerX, Real centerY, Real radius,
                                    AIBoolean reversed, AIArtHandle* art);
};
using AIShapeConstructionSuite6 = AIShapeConstructionSuiteT<double>;
using AIShapeConstructionSuite4 = AIShapeConstructionSuiteT<float>;

// "AI Path Style Suite" 13 and 5.
struct AIPathStyleSuite {
  AIErr(AI_CALL* GetPathStyle)(AIArtHandle art, AIPathStyle* style);
  AIErr(AI_CALL* SetPathStyle)(AIArtHandle art, const AIPathStyle* style);
};

// "AI Real Math Suite": 3 in double precision, 1 in single precision.
template <class Real>
struct AIRealMathSuiteT {
  Real(AI_CALL* DegreeToRadian)(Real degrees);
  void(AI_CALL* AIRealMatrixSetRotate)(AIRealMatrixT<Real>* matrix, Real radians);  // counter-clockwise
};
using AIRealMathSuite3 = AIRealMathSuiteT<double>;
using AIRealMathSuite1 = AIRealMathSuiteT<float>;

// "AI Transform Art Suite": 3 in double precision, 1 in single precision.
template <class Real>
struct AITransformArtSuiteT {
  AIErr(AI_CALL* TransformArt)(AIArtHandle art, const AIRealMatrixT<Real>* matrix, Real lineScale, std::int32_t flags);
};
using AITransformArtSuite3 = AITransformArtSuiteT<double>;
using AITransformArtSuite1 = AITransformArtSuiteT<float>;

template <class Text>
struct AIAddMenuItemDataT {
  const char* groupName;
  Text itemText;  // "-" makes a separator
};

// "AI Menu Suite": 11 with host strings, 7 with AIPascalString. Adding an item into a group that
// does not exist fails.
template <class Text>
struct AIMenuSuiteT {
  AIErr(AI_CALL* AddMenuItem)(SPPluginRef plugin, const char* key, const AIAddMenuItemDataT<Text>* data,
                              std::uint32_t options, AIMenuItemHandle* item);
  AIErr(AI_CALL* UpdateMenuItemAutomatically)(AIMenuItemHandle item, std::int16_t action,
                                              std::int32_t ifObjectIsInArtwork, std::int32_t ifObjectIsNotInArtwork,
                                              std::int32_t ifIsSelected, std::int32_t ifIsNotSelected,
                                              std::int32_t ifIsTrue, std::int32_t ifIsNotTrue);
  AIErr(AI_CALL* AddMenuGroupAsSubMenu)(const char* groupName, std::uint32_t options, AIMenuItemHandle parent,
                                        AIMenuGroup* group);
};
using AIMenuSuite11 = AIMenuSuiteT<AIUnicodeStringRef>;
using AIMenuSuite7 = AIMenuSuiteT<AIPascalString>;

// "AI User Suite": 11 in double precision, 6 in single precision. Number texts of the host.
template <class Real>
struct AIUserSuiteT {
  AIErr(AI_CALL* StringToReal)(const char* text, Real* value);
  AIErr(AI_CALL* RealToString)(Real value, std::int16_t decimals, char* text, std::int32_t size);
};
using AIUserSuite11 = AIUserSuiteT<double>;
using AIUserSuite6 = AIUserSuiteT<float>;

// "ADM Basic Suite" 2. Index n of list id is the plug-in's string id + n; a missing string reads
// as the empty text.
struct ADMBasicSuite {
  AIErr(AI_CALL* GetIndexString)(SPPluginRef plugin, std::int32_t listId, std::int32_t index, char* text,
                                 std::int32_t size);
  AIErr(AI_CALL* ErrorAlert)(const char* text);
};

// "ADM Dialog Suite" 5: modal dialogs from the plug-in's dialog resources.
struct ADMDialogSuite {
  std::int32_t(AI_CALL* Modal)(SPPluginRef plugin, const char* name, std::int32_t dialogId, std::int32_t style,
                               ADMDialogInitProc init, void* userData, std::int32_t options);
  ADMItemRef(AI_CALL* GetItem)(ADMDialogRef dialog, std::int32_t itemId);
  void*(AI_CALL* GetUserData)(ADMDialogRef dialog);  // as passed to Modal
  void(AI_CALL* EndModal)(ADMDialogRef dialog, std::int32_t result, AIBoolean cancelled);
};

// "ADM Item Suite" 7.
struct ADMItemSuite {
  void(AI_CALL* SetText)(ADMItemRef item, const char* text);
  void(AI_CALL* SetNotifyProc)(ADMItemRef item, ADMItemNotifyProc proc);
  // The dialog manager's own handling: OK (1) and Cancel (2) end the modal dialog.
  void(AI_CALL* DefaultNotify)(ADMItemRef item, ADMNotifierRef notifier);
};
