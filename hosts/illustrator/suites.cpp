// The suites of the simulated Illustrator: plain C functions over the document, the menus and the
// plug-in record, each open to an injected failure, each refusing handles that are not live.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "adm.h"
#include "host.h"

namespace orvan::aihost {

Host* gHost = nullptr;

namespace {

AIErr Refuse(const std::string& what) {
  gHost->problems.push_back("refused " + what);
  return kBadParameterErr;
}

std::string Key(const std::string& name, std::int32_t version) { return name + " " + std::to_string(version); }

void* NewBlock(std::size_t size, const char* name) {
  void* block = std::calloc(1, size ? size : 1);
  if (block) gHost->blocks[block] = name ? name : "";
  return block;
}

AIErr DropBlock(void* block) {
  auto it = gHost->blocks.find(block);
  if (it == gHost->blocks.end()) return Refuse("a block the host did not allocate");
  gHost->blocks.erase(it);
  std::free(block);
  return kNoErr;
}

// ---- SP Basic Suite
AIErr AI_CALL AcquireSuite(const char* name, std::int32_t version, const void** suite) {
  *suite = nullptr;
  ORVAN_INJECT(kSPBasicSuite, "AcquireSuite");
  const void* found = FindSuite(name, version);
  if (!found) return kSuiteNotFoundErr;
  *suite = found;
  ++gHost->suitesHeld[Key(name, version)];
  return kNoErr;
}

AIErr AI_CALL ReleaseSuite(const char* name, std::int32_t version) {
  ORVAN_INJECT(kSPBasicSuite, "ReleaseSuite");
  auto it = gHost->suitesHeld.find(Key(name, version));
  if (it == gHost->suitesHeld.end() || it->second == 0) return Refuse("the release of a suite not held: " + Key(name, version));
  if (--it->second == 0) gHost->suitesHeld.erase(it);
  return kNoErr;
}

AIBoolean AI_CALL IsEqual(const char* a, const char* b) { return a && b && std::strcmp(a, b) == 0; }

AIErr AI_CALL BasicAllocateBlock(std::size_t size, void** block) {
  *block = nullptr;
  ORVAN_INJECT(kSPBasicSuite, "AllocateBlock");
  *block = NewBlock(size, "");
  return *block ? kNoErr : kOutOfMemoryErr;
}

AIErr AI_CALL BasicFreeBlock(void* block) {
  ORVAN_INJECT(kSPBasicSuite, "FreeBlock");
  return DropBlock(block);
}

const SPBasicSuite kBasic = {AcquireSuite, ReleaseSuite, IsEqual, BasicAllocateBlock, BasicFreeBlock};

// ---- SP Blocks Suite
AIErr AI_CALL AllocateBlock(std::size_t size, const char* name, void** block) {
  *block = nullptr;
  ORVAN_INJECT(kSPBlocksSuite, "AllocateBlock");
  *block = NewBlock(size, name);
  return *block ? kNoErr : kOutOfMemoryErr;
}

AIErr AI_CALL FreeBlock(void* block) {
  ORVAN_INJECT(kSPBlocksSuite, "FreeBlock");
  return DropBlock(block);
}

const SPBlocksSuite kBlocks = {AllocateBlock, FreeBlock};

// ---- SP Access, SP Plug-ins, Notifier, Context
PluginRecord* LivePlugin(SPPluginRef ref) {
  auto* p = reinterpret_cast<PluginRecord*>(ref);
  return p == &gHost->plugin ? p : nullptr;
}

AIErr AI_CALL AcquirePlugin(SPPluginRef ref, SPAccessRef* access) {
  *access = nullptr;
  ORVAN_INJECT(kSPAccessSuite, "AcquirePlugin");
  PluginRecord* plugin = LivePlugin(ref);
  if (!plugin) return Refuse("an unknown plug-in reference");
  ++plugin->accessLocks;
  *access = reinterpret_cast<SPAccessRef>(plugin);
  return kNoErr;
}

AIErr AI_CALL ReleasePlugin(SPAccessRef access) {
  ORVAN_INJECT(kSPAccessSuite, "ReleasePlugin");
  PluginRecord* plugin = LivePlugin(reinterpret_cast<SPPluginRef>(access));
  if (!plugin || plugin->accessLocks == 0) return Refuse("the release of an access lock not held");
  --plugin->accessLocks;
  return kNoErr;
}

const SPAccessSuite kAccess = {AcquirePlugin, ReleasePlugin};

AIErr AI_CALL SetPluginName(SPPluginRef ref, const char* name) {
  ORVAN_INJECT(kSPPluginsSuite, "SetPluginName");
  PluginRecord* plugin = LivePlugin(ref);
  if (!plugin || !name) return Refuse("a plug-in name without plug-in");
  plugin->name = name;
  return kNoErr;
}

const SPPluginsSuite kPlugins = {SetPluginName};

AIErr AI_CALL AddNotifier(SPPluginRef ref, const char* name, const char* type, AINotifierHandle* notifier) {
  *notifier = nullptr;
  ORVAN_INJECT(kAINotifierSuite, "AddNotifier");
  PluginRecord* plugin = LivePlugin(ref);
  if (!plugin || !name || !type) return Refuse("a notifier without plug-in, name or type");
  plugin->notifiers.push_back({name, type});
  *notifier = reinterpret_cast<AINotifierHandle>(plugin->notifiers.size());
  return kNoErr;
}

const AINotifierSuite kNotifier = {AddNotifier};

AIErr AI_CALL PushAppContext(SPPluginRef, AIAppContextHandle* context) {
  *context = nullptr;
  ORVAN_INJECT(kAIContextSuite, "PushAppContext");
  *context = reinterpret_cast<AIAppContextHandle>(static_cast<std::intptr_t>(++gHost->contextDepth));
  return kNoErr;
}

AIErr AI_CALL PopAppContext(AIAppContextHandle context) {
  ORVAN_INJECT(kAIContextSuite, "PopAppContext");
  if (reinterpret_cast<std::intptr_t>(context) != gHost->contextDepth || gHost->contextDepth == 0)
    return Refuse("a context popped out of order");
  --gHost->contextDepth;
  return kNoErr;
}

const AIContextSuite kContext = {PushAppContext, PopAppContext};

// ---- Unicode String Suite: host strings hold UTF-8.
AIErr AI_CALL FromUTF8(const char* text, AIUnicodeStringRef* string) {
  *string = nullptr;
  ORVAN_INJECT(kAIUnicodeStringSuite, "FromUTF8");
  auto* made = new std::string(text ? text : "");
  gHost->strings.insert(made);
  *string = reinterpret_cast<AIUnicodeStringRef>(made);
  return kNoErr;
}

AIErr AI_CALL DisposeString(AIUnicodeStringRef string) {
  ORVAN_INJECT(kAIUnicodeStringSuite, "Dispose");
  auto* s = reinterpret_cast<std::string*>(string);
  if (!gHost->strings.erase(s)) return Refuse("a host string that is not live");
  delete s;
  return kNoErr;
}

const AIUnicodeStringSuite kUnicodeString = {FromUTF8, DisposeString};

bool TextOf(AIUnicodeStringRef string, std::string& text) {
  auto* s = reinterpret_cast<std::string*>(string);
  if (!gHost->strings.count(s)) return false;
  text = *s;
  return true;
}

bool TextOf(AIPascalString string, std::string& text) {
  if (!string) return false;
  text.assign(reinterpret_cast<const char*>(string) + 1, string[0]);
  return true;
}

// ---- Layer Suite
Document& Doc() { return gHost->document; }

AIErr AI_CALL GetCurrentLayer(AILayerHandle* layer) {
  *layer = nullptr;
  ORVAN_INJECT(kAILayerSuite, "GetCurrentLayer");
  *layer = reinterpret_cast<AILayerHandle>(Doc().current());
  return kNoErr;
}

AIErr AI_CALL SetCurrentLayer(AILayerHandle handle) {
  ORVAN_INJECT(kAILayerSuite, "SetCurrentLayer");
  Layer* layer = Doc().liveLayer(handle);
  if (!layer) return Refuse("a layer that is not live (SetCurrentLayer)");
  Doc().setCurrent(layer);
  return kNoErr;
}

template <class Title>
AIErr AI_CALL GetLayerByTitle(AILayerHandle* layer, Title title) {
  *layer = nullptr;
  ORVAN_INJECT(kAILayerSuite, "GetLayerByTitle");
  std::string text;
  if (!TextOf(title, text)) return Refuse("a layer title that is not a live string");
  *layer = reinterpret_cast<AILayerHandle>(Doc().findLayer(text));
  return kNoErr;
}

AIErr AI_CALL DeleteLayer(AILayerHandle handle) {
  ORVAN_INJECT(kAILayerSuite, "DeleteLayer");
  Layer* layer = Doc().liveLayer(handle);
  if (!layer) return Refuse("a layer that is not live (DeleteLayer)");
  Doc().deleteLayer(layer);
  return kNoErr;
}

AIErr AI_CALL InsertLayer(AILayerHandle reference, std::int16_t paintOrder, AILayerHandle* layer) {
  *layer = nullptr;
  ORVAN_INJECT(kAILayerSuite, "InsertLayer");
  Layer* ref = reference ? Doc().liveLayer(reference) : nullptr;
  if (reference && !ref) return Refuse("a layer that is not live (InsertLayer)");
  *layer = reinterpret_cast<AILayerHandle>(Doc().insertLayer(ref, paintOrder));
  return kNoErr;
}

template <class Title>
AIErr AI_CALL SetLayerTitle(AILayerHandle handle, Title title) {
  ORVAN_INJECT(kAILayerSuite, "SetLayerTitle");
  Layer* layer = Doc().liveLayer(handle);
  std::string text;
  if (!layer || !TextOf(title, text)) return Refuse("a layer or title that is not live (SetLayerTitle)");
  layer->title = text;
  return kNoErr;
}

AIErr AI_CALL SetLayerColor(AILayerHandle handle, AIRGBColor color) {
  ORVAN_INJECT(kAILayerSuite, "SetLayerColor");
  Layer* layer = Doc().liveLayer(handle);
  if (!layer) return Refuse("a layer that is not live (SetLayerColor)");
  layer->color = color;
  return kNoErr;
}

AIErr AI_CALL SetLayerEditable(AILayerHandle handle, AIBoolean editable) {
  ORVAN_INJECT(kAILayerSuite, "SetLayerEditable");
  Layer* layer = Doc().liveLayer(handle);
  if (!layer) return Refuse("a layer that is not live (SetLayerEditable)");
  layer->editable = editable != 0;
  return kNoErr;
}

template <class Title>
constexpr AILayerSuiteT<Title> LayerSuite = {GetCurrentLayer,  SetCurrentLayer,       GetLayerByTitle<Title>,
                                             DeleteLayer,      InsertLayer,           SetLayerTitle<Title>,
                                             SetLayerColor,    SetLayerEditable};

// ---- Art Suite
AIErr AI_CALL GetFirstArtOfLayer(AILayerHandle handle, AIArtHandle* group) {
  *group = nullptr;
  ORVAN_INJECT(kAIArtSuite, "GetFirstArtOfLayer");
  Layer* layer = Doc().liveLayer(handle);
  if (!layer) return Refuse("a layer that is not live (GetFirstArtOfLayer)");
  *group = reinterpret_cast<AIArtHandle>(layer->group);
  return kNoErr;
}

AIErr AI_CALL NewArt(std::int16_t type, std::int16_t paintOrder, AIArtHandle reference, AIArtHandle* art) {
  *art = nullptr;
  ORVAN_INJECT(kAIArtSuite, "NewArt");
  Art* ref = Doc().liveArt(reference);
  if (!ref) return Refuse("a reference art object that is not live (NewArt)");
  if (type != kGroupArt) return kBadParameterErr;  // paths come from the shape construction suite
  const bool refIsGroup = ref->shape == Shape::Group;
  if (paintOrder == kPlaceDefault) paintOrder = refIsGroup ? kPlaceInsideOnTop : kPlaceAbove;
  Art* parent = ref;
  std::size_t position = 0;
  switch (paintOrder) {
    case kPlaceInsideOnTop:
      if (!refIsGroup) return kBadParameterErr;
      break;
    case kPlaceInsideOnBottom:
      if (!refIsGroup) return kBadParameterErr;
      position = ref->children.size();
      break;
    case kPlaceAbove:
    case kPlaceBelow: {
      if (!ref->parent) return kBadParameterErr;
      parent = ref->parent;
      auto& siblings = parent->children;
      position = static_cast<std::size_t>(std::find(siblings.begin(), siblings.end(), ref) - siblings.begin());
      if (paintOrder == kPlaceBelow) ++position;
      break;
    }
    default:
      return kBadParameterErr;
  }
  if (!parent->layer->editable) return kLockedErr;
  *art = reinterpret_cast<AIArtHandle>(Doc().newArt(Shape::Group, parent, position));
  return kNoErr;
}

AIErr AI_CALL SetArtUserAttr(AIArtHandle handle, std::int32_t mask, std::int32_t value) {
  ORVAN_INJECT(kAIArtSuite, "SetArtUserAttr");
  Art* art = Doc().liveArt(handle);
  if (!art) return Refuse("an art object that is not live (SetArtUserAttr)");
  art->attrs = (art->attrs & ~mask) | (value & mask);
  return kNoErr;
}

template <class Real>
AIErr AI_CALL GetArtBounds(AIArtHandle handle, AIRealRectT<Real>* bounds) {
  *bounds = {};
  ORVAN_INJECT(kAIArtSuite, "GetArtBounds");
  Art* art = Doc().liveArt(handle);
  if (!art) return Refuse("an art object that is not live (GetArtBounds)");
  // An empty group measures as an empty rectangle at the origin, as the host reports it.
  const Bounds b = Doc().bounds(art).value_or(Bounds{});
  *bounds = {static_cast<Real>(b.left), static_cast<Real>(b.top), static_cast<Real>(b.right), static_cast<Real>(b.bottom)};
  return kNoErr;
}

AIErr AI_CALL SetInsertionPoint(AIArtHandle handle) {
  ORVAN_INJECT(kAIArtSuite, "SetInsertionPoint");
  Art* art = Doc().liveArt(handle);
  if (!art || art->shape != Shape::Group) return Refuse("an insertion point that is not a live group");
  Doc().setInsertionPoint(art);
  return kNoErr;
}

template <class Real>
constexpr AIArtSuiteT<Real> ArtSuite = {GetFirstArtOfLayer, NewArt, SetArtUserAttr, GetArtBounds<Real>,
                                        SetInsertionPoint};

// ---- Matching Art Suite
AIErr HandOut(const std::vector<Art*>& found, AIArtHandle** matches, std::int32_t* count) {
  if (found.empty()) return kNoErr;
  void* block = NewBlock(found.size() * sizeof(AIArtHandle), "matching art");
  if (!block) return kOutOfMemoryErr;
  auto* list = static_cast<AIArtHandle*>(block);
  for (std::size_t i = 0; i < found.size(); ++i) list[i] = reinterpret_cast<AIArtHandle>(found[i]);
  *matches = list;
  *count = static_cast<std::int32_t>(found.size());
  return kNoErr;
}

AIErr AI_CALL GetSelectedArt(AIArtHandle** matches, std::int32_t* count) {
  *matches = nullptr;
  *count = 0;
  ORVAN_INJECT(kAIMatchingArtSuite, "GetSelectedArt");
  std::vector<Art*> found;
  for (Art* art : Doc().allArt())
    if (art->attrs & kArtSelected) found.push_back(art);
  return HandOut(found, matches, count);
}

AIErr AI_CALL GetMatchingArt(const AIMatchingArtRequest* requests, std::int16_t requestCount, AIArtHandle** matches,
                             std::int32_t* count) {
  *matches = nullptr;
  *count = 0;
  ORVAN_INJECT(kAIMatchingArtSuite, "GetMatchingArt");
  if (!requests || requestCount <= 0) return kBadParameterErr;
  std::vector<Art*> found;
  for (Art* art : Doc().selectableArt()) {
    for (std::int16_t i = 0; i < requestCount; ++i) {
      const AIMatchingArtRequest& s = requests[i];
      const bool typeMatches = s.type == kAnyArt || (s.type == kGroupArt) == (art->shape == Shape::Group);
      if (typeMatches && (art->attrs & s.whichAttr) == (s.attr & s.whichAttr)) {
        found.push_back(art);
        break;
      }
    }
  }
  return HandOut(found, matches, count);
}

const AIMatchingArtSuite kMatchingArt = {GetSelectedArt, GetMatchingArt};

// ---- Shape Construction Suite
AIErr NewShape(const char* op, Shape shape, std::vector<Point> points, AIArtHandle* art) {
  *art = nullptr;
  ORVAN_INJECT(kAIShapeConstructionSuite, op);
  Art* target = Doc().shapeTarget();
  if (!target) return kBadParameterErr;
  if (!target->layer->editable) return kLockedErr;
  Art* made = Doc().newArt(shape, target, 0);
  made->points = std::move(points);
  *art = reinterpret_cast<AIArtHandle>(made);
  return kNoErr;
}

std::vector<Point> Corners(double top, double left, double bottom, double right) {
  return {{left, top}, {right, top}, {right, bottom}, {left, bottom}};
}

template <class Real>
AIErr AI_CALL NewRect(Real top, Real left, Real bottom, Real right, AIBoolean, AIArtHandle* art) {
  return NewShape("NewRect", Shape::Rectangle, Corners(top, left, bottom, right), art);
}

template <class Real>
AIErr AI_CALL NewOval(Real top, Real left, Real bottom, Real right, AIBoolean, AIArtHandle* art) {
  return NewShape("NewOval", Shape::Oval, Corners(top, left, bottom, right), art);
}

// The host's regular polygon starts with a vertex straight above its centre.
template <class Real>
AIErr AI_CALL NewRegularPolygon(std::uint16_t sides, Real centerX, Real centerY, Real radius, AIBoolean,
                                AIArtHandle* art) {
  if (sides < 3) {
    *art = nullptr;
    return kBadParameterErr;
  }
  std::vector<Point> vertices;
  const double pi = 3.14159265358979323846;
  for (int k = 0; k < sides; ++k) {
    const double angle = pi / 2 + 2 * pi * k / sides;
    vertices.push_back({centerX + radius * std::cos(angle), centerY + radius * std::sin(angle)});
  }
  return NewShape("NewRegularPolygon", Shape::Polygon, vertices, art);
}

template <class Real>
constexpr AIShapeConstructionSuiteT<Real> ShapeConstructionSuite = {NewRect<Real>, NewOval<Real>,
                                                                    NewRegularPolygon<Real>};

// ---- Path Style Suite
AIErr AI_CALL GetPathStyle(AIArtHandle handle, AIPathStyle* style) {
  *style = {};
  ORVAN_INJECT(kAIPathStyleSuite, "GetPathStyle");
  Art* art = Doc().liveArt(handle);
  if (!art || art->shape == Shape::Group) return Refuse("a path style of something that is not a live path");
  *style = art->style;
  return kNoErr;
}

AIErr AI_CALL SetPathStyle(AIArtHandle handle, const AIPathStyle* style) {
  ORVAN_INJECT(kAIPathStyleSuite, "SetPathStyle");
  Art* art = Doc().liveArt(handle);
  if (!art || art->shape == Shape::Group || !style) return Refuse("a path style for something that is not a live path");
  art->style = *style;
  return kNoErr;
}

const AIPathStyleSuite kPathStyle = {GetPathStyle, SetPathStyle};

// ---- Real Math and Transform Art
template <class Real>
Real AI_CALL DegreeToRadian(Real degrees) {
  return degrees * static_cast<Real>(3.14159265358979323846 / 180.0);
}

template <class Real>
void AI_CALL SetRotate(AIRealMatrixT<Real>* m, Real radians) {
  const Real c = std::cos(radians), s = std::sin(radians);
  *m = {c, s, -s, c, 0, 0};
}

template <class Real>
constexpr AIRealMathSuiteT<Real> RealMathSuite = {DegreeToRadian<Real>, SetRotate<Real>};

template <class Real>
AIErr AI_CALL TransformArt(AIArtHandle handle, const AIRealMatrixT<Real>* m, Real, std::int32_t flags) {
  ORVAN_INJECT(kAITransformArtSuite, "TransformArt");
  Art* art = Doc().liveArt(handle);
  if (!art || !m) return Refuse("a transform of an art object that is not live");
  if (flags & kTransformObjects) Doc().transform(art, {m->a, m->b, m->c, m->d, m->tx, m->ty});
  return kNoErr;
}

template <class Real>
constexpr AITransformArtSuiteT<Real> TransformArtSuite = {TransformArt<Real>};

// ---- Menu Suite
template <class Text>
AIErr AI_CALL AddMenuItem(SPPluginRef ref, const char* key, const AIAddMenuItemDataT<Text>* data, std::uint32_t,
                          AIMenuItemHandle* item) {
  *item = nullptr;
  ORVAN_INJECT(kAIMenuSuite, "AddMenuItem");
  PluginRecord* plugin = LivePlugin(ref);
  std::string text;
  if (!plugin || !key || !data || !data->groupName || !TextOf(data->itemText, text))
    return Refuse("a menu item without plug-in, key, group or text");
  MenuItem* made = nullptr;
  if (AIErr err = gHost->menus.addItem(plugin->name.empty() ? plugin->file : plugin->name, key, data->groupName, text, &made))
    return err;
  *item = reinterpret_cast<AIMenuItemHandle>(made);
  return kNoErr;
}

AIErr AI_CALL UpdateMenuItemAutomatically(AIMenuItemHandle handle, std::int16_t action, std::int32_t inArtwork,
                                          std::int32_t notInArtwork, std::int32_t selected, std::int32_t notSelected,
                                          std::int32_t, std::int32_t) {
  ORVAN_INJECT(kAIMenuSuite, "UpdateMenuItemAutomatically");
  MenuItem* item = gHost->menus.liveItem(handle);
  if (!item) return Refuse("a menu item that is not live");
  item->automatic = true;
  item->action = action;
  item->ifObjectIsInArtwork = inArtwork;
  item->ifObjectIsNotInArtwork = notInArtwork;
  item->ifIsSelected = selected;
  item->ifIsNotSelected = notSelected;
  return kNoErr;
}

AIErr AI_CALL AddMenuGroupAsSubMenu(const char* name, std::uint32_t, AIMenuItemHandle parent, AIMenuGroup* group) {
  *group = nullptr;
  ORVAN_INJECT(kAIMenuSuite, "AddMenuGroupAsSubMenu");
  MenuItem* item = gHost->menus.liveItem(parent);
  if (!item || !name) return Refuse("a submenu without name or parent item");
  if (AIErr err = gHost->menus.addGroupAsSubmenu(name, item)) return err;
  *group = reinterpret_cast<AIMenuGroup>(item);
  return kNoErr;
}

template <class Text>
constexpr AIMenuSuiteT<Text> MenuSuite = {AddMenuItem<Text>, UpdateMenuItemAutomatically, AddMenuGroupAsSubMenu};

// ---- User Suite: the host's number texts.
template <class Real>
AIErr AI_CALL StringToReal(const char* text, Real* value) {
  *value = 0;
  ORVAN_INJECT(kAIUserSuite, "StringToReal");
  if (!text) return kBadParameterErr;
  char* end = nullptr;
  const double v = std::strtod(text, &end);
  if (end == text) return kBadParameterErr;
  *value = static_cast<Real>(v);
  return kNoErr;
}

template <class Real>
AIErr AI_CALL RealToString(Real value, std::int16_t decimals, char* text, std::int32_t size) {
  ORVAN_INJECT(kAIUserSuite, "RealToString");
  if (!text || size <= 0) return kBadParameterErr;
  std::snprintf(text, static_cast<std::size_t>(size), "%.*f", static_cast<int>(decimals), static_cast<double>(value));
  return kNoErr;
}

template <class Real>
constexpr AIUserSuiteT<Real> UserSuite = {StringToReal<Real>, RealToString<Real>};

// Suites a plug-in acquires but this host has no use for: every slot answers that nothing was done.
AIErr AI_CALL NotOffered() { return kUnhandledMsgErr; }
using AnyCall = AIErr(AI_CALL*)();
const AnyCall kUnused[16] = {NotOffered, NotOffered, NotOffered, NotOffered, NotOffered, NotOffered,
                             NotOffered, NotOffered, NotOffered, NotOffered, NotOffered, NotOffered,
                             NotOffered, NotOffered, NotOffered, NotOffered};

struct Offered {
  const char* name;
  std::int32_t version;
  const void* suite;
};

const Offered kOffered[] = {
    {kSPBlocksSuite, 2, &kBlocks},
    {kSPAccessSuite, 3, &kAccess},
    {kSPPluginsSuite, 4, &kPlugins},
    {kAINotifierSuite, 4, &kNotifier},
    {kAIContextSuite, 7, &kContext},
    {kAIUserSuite, 11, &UserSuite<double>},
    {kAIUserSuite, 6, &UserSuite<float>},
    {kAIFilePathSuite, 4, kUnused},
    {kAIFoldersSuite, 5, kUnused},
    {kAIMatchingArtSuite, 7, &kMatchingArt},
    {kAIMatchingArtSuite, 5, &kMatchingArt},
    {kAIMenuSuite, 11, &MenuSuite<AIUnicodeStringRef>},
    {kAIMenuSuite, 7, &MenuSuite<AIPascalString>},
    {kAIUnicodeStringSuite, 8, &kUnicodeString},
    {kAIDocumentSuite, 14, kUnused},
    {kAIDocumentSuite, 8, kUnused},
    {kAIDocumentListSuite, 8, kUnused},
    {kAIDocumentListSuite, 2, kUnused},
    {kAIActionManagerSuite, 5, kUnused},
    {kAIActionManagerSuite, 2, kUnused},
    {kAIDrawArtSuite, 11, kUnused},
    {kAIDrawArtSuite, 6, kUnused},
    {kAIShapeConstructionSuite, 6, &ShapeConstructionSuite<double>},
    {kAIShapeConstructionSuite, 4, &ShapeConstructionSuite<float>},
    {kAIPathStyleSuite, 13, &kPathStyle},
    {kAIPathStyleSuite, 5, &kPathStyle},
    {kAIRealMathSuite, 3, &RealMathSuite<double>},
    {kAIRealMathSuite, 1, &RealMathSuite<float>},
    {kAITransformArtSuite, 3, &TransformArtSuite<double>},
    {kAITransformArtSuite, 1, &TransformArtSuite<float>},
    {kAIArtSuite, 17, &ArtSuite<double>},
    {kAIArtSuite, 10, &ArtSuite<float>},
    {kAILayerSuite, 13, &LayerSuite<AIUnicodeStringRef>},
    {kAILayerSuite, 9, &LayerSuite<AIPascalString>},
    {kAIMaskFlattenerSuite, 5, kUnused},
    {kAIArtSetSuite, 8, kUnused},
    {kAIMaskSuite, 5, kUnused},
    {kAIArtStyleSuite, 7, kUnused},
    {kAIArtStyleParserSuite, 8, kUnused},
    {kAIArtConverterSuite, 3, kUnused},
    {kAIMdMemorySuite, 1, kUnused},
    {kAIUndoSuite, 4, kUnused},
    {kADMBasicSuite, 2, AdmBasicSuite()},
    {kADMDialogSuite, 5, AdmDialogSuite()},
    {kADMItemSuite, 7, AdmItemSuite()},
    {kADMIconSuite, 1, kUnused},
    {kAITextFrameSuite, 1, kUnused},
};

}  // namespace

const SPBasicSuite* BasicSuite() { return &kBasic; }

const void* FindSuite(const std::string& name, std::int32_t version) {
  if (gHost->withheld.count(Key(name, version))) return nullptr;
  for (const Offered& o : kOffered)
    if (name == o.name && version == o.version) return o.suite;
  return nullptr;
}

}  // namespace orvan::aihost
