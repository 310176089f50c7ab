// Every CorelDRAW automation member the plug-in calls, by name, in one place.
#pragma once

namespace orvan::corel::member {

// Application
inline constexpr const wchar_t* VersionMajor = L"VersionMajor";
// The ready flag has no fixed name in the host's description; this is the one our host answers.
inline constexpr const wchar_t* Ready = L"Ready";
inline constexpr const wchar_t* AppWindow = L"AppWindow";
inline constexpr const wchar_t* ActiveWindow = L"ActiveWindow";
inline constexpr const wchar_t* Handle = L"Handle";
inline constexpr const wchar_t* ActiveDocument = L"ActiveDocument";
inline constexpr const wchar_t* ActiveLayer = L"ActiveLayer";
inline constexpr const wchar_t* ActiveSelection = L"ActiveSelection";
inline constexpr const wchar_t* AddPluginCommand = L"AddPluginCommand";
inline constexpr const wchar_t* RemovePluginCommand = L"RemovePluginCommand";
inline constexpr const wchar_t* AdviseEvents = L"AdviseEvents";
inline constexpr const wchar_t* UnadviseEvents = L"UnadviseEvents";
inline constexpr const wchar_t* CreateDocumentFromTemplate = L"CreateDocumentFromTemplate";
inline constexpr const wchar_t* Palettes = L"Palettes";
inline constexpr const wchar_t* Open = L"Open";
inline constexpr const wchar_t* CommandBars = L"CommandBars";
inline constexpr const wchar_t* FrameWork = L"FrameWork";

// Document
inline constexpr const wchar_t* BeginCommandGroup = L"BeginCommandGroup";
inline constexpr const wchar_t* EndCommandGroup = L"EndCommandGroup";
inline constexpr const wchar_t* Unit = L"Unit";
inline constexpr const wchar_t* ReferencePoint = L"ReferencePoint";
inline constexpr const wchar_t* ActivePage = L"ActivePage";
inline constexpr const wchar_t* MasterPage = L"MasterPage";
inline constexpr const wchar_t* PublishToPDF = L"PublishToPDF";

// Page and layer
inline constexpr const wchar_t* Layers = L"Layers";
inline constexpr const wchar_t* Find = L"Find";
inline constexpr const wchar_t* CreateLayer = L"CreateLayer";
inline constexpr const wchar_t* GuidesLayer = L"GuidesLayer";
inline constexpr const wchar_t* Shapes = L"Shapes";
inline constexpr const wchar_t* Count = L"Count";
inline constexpr const wchar_t* Item = L"Item";
inline constexpr const wchar_t* Visible = L"Visible";
inline constexpr const wchar_t* Editable = L"Editable";
inline constexpr const wchar_t* Color = L"Color";
inline constexpr const wchar_t* RGBAssign = L"RGBAssign";
inline constexpr const wchar_t* Delete = L"Delete";
inline constexpr const wchar_t* Activate = L"Activate";
inline constexpr const wchar_t* CreateEllipse2 = L"CreateEllipse2";
inline constexpr const wchar_t* CreateRectangle2 = L"CreateRectangle2";
inline constexpr const wchar_t* CreateRectangle = L"CreateRectangle";
inline constexpr const wchar_t* CreatePolygon2 = L"CreatePolygon2";

// Shape
inline constexpr const wchar_t* AddToSelection = L"AddToSelection";
inline constexpr const wchar_t* GetBoundingBox = L"GetBoundingBox";
inline constexpr const wchar_t* Fill = L"Fill";
inline constexpr const wchar_t* UniformColor = L"UniformColor";
inline constexpr const wchar_t* CMYKAssign = L"CMYKAssign";
inline constexpr const wchar_t* Outline = L"Outline";
inline constexpr const wchar_t* Width = L"Width";

// Command bars
inline constexpr const wchar_t* Add = L"Add";
inline constexpr const wchar_t* Name = L"Name";
inline constexpr const wchar_t* Controls = L"Controls";
inline constexpr const wchar_t* AddCustomButton = L"AddCustomButton";
inline constexpr const wchar_t* SetIcon2 = L"SetIcon2";
inline constexpr const wchar_t* SetCustomIcon = L"SetCustomIcon";

}  // namespace orvan::corel::member

namespace orvan::corel {

// Host enumeration values the plug-in sets.
inline constexpr long kUnitMillimetres = 3;
inline constexpr long kReferencePointCentre = 9;

}  // namespace orvan::corel
