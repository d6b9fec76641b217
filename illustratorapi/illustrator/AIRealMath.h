/* AI Real Math Suite (version 1): the arithmetic of reals, points and matrices.
 * "AI Real Math Suite" 1. Matrix operations appended with Concat act after those already in the
 * matrix; angles are radians, counter-clockwise with v up. Plain C; host UI thread only. */
#ifndef QV_AIREALMATH_H
#define QV_AIREALMATH_H

#include "AITypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kAIRealMathSuite "AI Real Math Suite"
#define kAIRealMathSuiteVersion 1

typedef struct AIRealMathSuite {
  AIReal (*AIRealSin)(AIReal a);
  AIReal (*AIRealCos)(AIReal a);
  AIReal (*DegreeToRadian)(AIReal degree);
  AIReal (*AIRealSqrt)(AIReal a);
  /* atan2(b.v - a.v, b.h - a.h), in (-pi, pi]. */
  AIReal (*AIRealPointAngle)(const AIRealPoint* a, const AIRealPoint* b);
  /* *result = b + (a - b) * t: t weighs the first point. */
  void (*AIRealPointInterpolate)(const AIRealPoint* a, const AIRealPoint* b, AIReal t,
                                 AIRealPoint* result);
  void (*AIRealMatrixSetTranslate)(AIRealMatrix* m, AIReal tx, AIReal ty);
  void (*AIRealMatrixConcatTranslate)(AIRealMatrix* m, AIReal tx, AIReal ty);
  void (*AIRealMatrixConcatRotate)(AIRealMatrix* m, AIReal angle);
  void (*AIRealMatrixConcatScale)(AIRealMatrix* m, AIReal h, AIReal v);
} AIRealMathSuite;

#ifdef __cplusplus
}
#endif

#endif
