/* Value types shared by the Illustrator suites: reals, points, rectangles, matrices, the opaque
 * art, layer and swatch handles, colours and the path style record. Plain C, no ownership:
 * handles are the host's and stay valid while the art exists (a stale one is answered with
 * kSPBadHandleError). Document coordinates are points with v growing upward. */
#ifndef QV_AITYPES_H
#define QV_AITYPES_H

#include "SPTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

typedef float AIReal;
typedef double AIDouble;

typedef struct AIRealPoint {
  AIReal h, v;
} AIRealPoint;

/* top >= bottom in document coordinates. */
typedef struct AIRealRect {
  AIReal left, top, right, bottom;
} AIRealRect;

/* Maps (x, y) to (a·x + c·y + tx, b·x + d·y + ty). Operations appended with the Real Math
 * Suite's Concat calls act after those already in the matrix. */
typedef struct AIRealMatrix {
  AIReal a, b, c, d, tx, ty;
} AIRealMatrix;

typedef struct _AIArt* AIArtHandle;
typedef struct _AILayer* AILayerHandle;
typedef struct _AISwatch* AISwatchRef;
typedef struct _AISwatchList* AISwatchListRef;
typedef struct _AIUnicodeString* AIUnicodeStringRef;
typedef void** AIMdMemoryHandle;

/* Art types (AIArt GetArtType). */
enum {
  kUnknownArt = 0,
  kGroupArt = 1,
  kPathArt = 2,
  kCompoundPathArt = 3,
  kTextArtUnsupported = 4,
  kTextPathArtUnsupported = 5,
  kTextRunArtUnsupported = 6,
  kPlacedArt = 7,
  kMysteryPathArt = 8,
  kRasterArt = 9,
  kPluginArt = 10,
  kMeshArt = 11,
  kTextFrameArt = 12,
  kSymbolArt = 13,
  kForeignArt = 14,
  kLegacyTextArt = 15
};

/* Paint orders (DuplicateArt, ReorderArt, InsertLayer). */
enum {
  kPlaceAbove = 1,
  kPlaceBelow = 2,
  kPlaceInsideOnTop = 3,
  kPlaceInsideOnBottom = 4,
  kPlaceAboveAll = 5,
  kPlaceBelowAll = 6
};

/* Art attributes (AIMatchingArtSpec). */
enum { kArtSelected = 0x00000001, kArtLocked = 0x00000002, kArtHidden = 0x00000004 };

/* Colour kinds. Components are nominally 0..1; gray is the amount of ink (0 white, 1 black). */
enum {
  kGrayColor = 0,
  kFourColor = 1,
  kPattern = 2,
  kCustomColor = 3,
  kGradient = 4,
  kThreeColor = 5,
  kNoneColor = 6
};

typedef struct AIGrayColorStyle {
  AIReal gray;
} AIGrayColorStyle;
typedef struct AIFourColorStyle {
  AIReal cyan, magenta, yellow, black;
} AIFourColorStyle;
typedef struct AIThreeColorStyle {
  AIReal red, green, blue;
} AIThreeColorStyle;
/* Pattern, gradient and custom colours refer to host objects the plug-ins never open. */
typedef struct AIOpaqueColorStyle {
  void* object;
  AIReal tint;
} AIOpaqueColorStyle;

typedef union AIColorUnion {
  AIGrayColorStyle g;
  AIFourColorStyle f;
  AIThreeColorStyle rgb;
  AIOpaqueColorStyle other;
} AIColorUnion;

typedef struct AIColor {
  int16_t kind;
  AIColorUnion c;
} AIColor;

typedef struct AIFillStyle {
  AIColor color;
  AIBoolean overprint;
} AIFillStyle;

#define kMaxDashComponents 6
typedef struct AIDashStyle {
  AIReal offset;
  int16_t length;
  AIReal array[kMaxDashComponents];
} AIDashStyle;

enum { kAIButtCap = 0, kAIRoundCap = 1, kAIProjectingCap = 2 };
enum { kAIMiterJoin = 0, kAIRoundJoin = 1, kAIBevelJoin = 2 };

typedef struct AIStrokeStyle {
  AIColor color;
  AIBoolean overprint;
  AIReal width;
  AIDashStyle dash;
  int16_t cap;
  int16_t join;
  AIReal miterLimit;
} AIStrokeStyle;

/* The path style record, read and written whole. */
typedef struct AIPathStyle {
  AIBoolean fillPaint;
  AIBoolean strokePaint;
  AIFillStyle fill;
  AIStrokeStyle stroke;
  AIBoolean clip;
  AIBoolean lockClip;
  AIBoolean evenodd;
  AIReal resolution;
} AIPathStyle;

/* One segment of a path: the anchor, the handle towards the previous segment (in), the handle
 * towards the next one (out), and whether the anchor is a corner. */
typedef struct AIPathSegment {
  AIRealPoint p, in, out;
  AIBoolean corner;
} AIPathSegment;

#ifdef __cplusplus
}
#endif

#endif
