// Value and handle types of the Illustrator host interface, shared by the plug-ins and the
// simulated host. Handles are opaque to the plug-in; everything they name stays the host's.
#pragma once

#include <cstddef>
#include <cstdint>

#include "ai_codes.h"

// Every function pointer the host or the plug-in calls across the boundary uses the C calling
// convention; on x86 it must be said, since the compilers of both sides may default otherwise.
#if defined(_WIN32) && !defined(_WIN64)
#define AI_CALL __cdecl
#else
#define AI_CALL
#endif

using AIBoolean = std::uint8_t;

typedef struct SPPluginOpaque* SPPluginRef;
typedef struct SPAccessOpaque* SPAccessRef;
typedef struct AILayerOpaque* AILayerHandle;
typedef struct AIArtOpaque* AIArtHandle;
typedef struct AIMenuItemOpaque* AIMenuItemHandle;
typedef struct AIMenuGroupOpaque* AIMenuGroup;
typedef struct AINotifierOpaque* AINotifierHandle;
typedef struct AIAppContextOpaque* AIAppContextHandle;
typedef struct AIUnicodeStringOpaque* AIUnicodeStringRef;  // a host string (64-bit edition)
typedef struct ADMDialogOpaque* ADMDialogRef;
typedef struct ADMItemOpaque* ADMItemRef;
typedef struct ADMNotifierOpaque* ADMNotifierRef;

// Byte string with its length in the first byte (32-bit edition's texts): at most 255 characters.
using AIPascalString = const unsigned char*;

template <class Real>
struct AIRealRectT {
  Real left, top, right, bottom;  // y grows upward: top lies above bottom
};

// x' = a*x + c*y + tx, y' = b*x + d*y + ty
template <class Real>
struct AIRealMatrixT {
  Real a, b, c, d, tx, ty;
};

struct AIRGBColor {
  std::uint16_t red, green, blue;  // 0 to 65535
};

// Art types (NewArt, the match descriptions of the Matching Art suite).
constexpr std::int16_t kAnyArt = -1;
constexpr std::int16_t kGroupArt = 1;
constexpr std::int16_t kPathArt = 2;

// Paint orders (NewArt, InsertLayer).
constexpr std::int16_t kPlaceDefault = 0;  // inside a group given as reference, on top; else above it
constexpr std::int16_t kPlaceAbove = 1;
constexpr std::int16_t kPlaceBelow = 2;
constexpr std::int16_t kPlaceInsideOnTop = 3;
constexpr std::int16_t kPlaceInsideOnBottom = 4;
constexpr std::int16_t kPlaceAboveAll = 5;
constexpr std::int16_t kPlaceBelowAll = 6;

// User attributes of art objects.
constexpr std::int32_t kArtSelected = 1;
constexpr std::int32_t kArtLocked = 2;
constexpr std::int32_t kArtHidden = 4;
constexpr std::int32_t kArtFullySelected = 8;

// TransformArt flags.
constexpr std::int32_t kTransformObjects = 1;

struct AIMatchingArtRequest {
  std::int16_t type;        // kAnyArt or an art type
  std::int32_t whichAttr;   // attribute mask to test
  std::int32_t attr;        // required value of those bits
};

// Path style. Colour components run from 0 to 1.
enum AIColorKind : std::int16_t { kGrayColor = 0, kFourColor = 1, kThreeColor = 2, kNoneColor = 3 };

struct AIColor {
  AIColorKind kind;
  struct {
    float cyan, magenta, yellow, black;  // kFourColor (process CMYK)
    float red, green, blue;              // kThreeColor
    float gray;                          // kGrayColor
  } c;
};

struct AIFillStyle {
  AIColor color;
  AIBoolean overprint;
};

struct AIStrokeStyle {
  AIColor color;
  AIBoolean overprint;
  float width;
  float miterLimit;
};

struct AIPathStyle {
  AIBoolean fillPaint;
  AIFillStyle fill;
  AIBoolean strokePaint;
  AIStrokeStyle stroke;
  AIBoolean evenOdd;
};

// Menus.
constexpr std::int16_t kAutoEnableMenuItemAction = 1;
constexpr std::int32_t kIfAnyArt = -1;  // object-in-artwork condition: an object of any kind

// ADM dialogs.
using ADMDialogInitProc = AIErr(AI_CALL*)(ADMDialogRef dialog);
using ADMItemNotifyProc = void(AI_CALL*)(ADMItemRef item, ADMNotifierRef notifier);
constexpr std::int32_t kADMModalDialogStyle = 0;
