// AI Real Math Suite: trigonometry, square roots, point angles and interpolation, and the
// matrix operations modules build transforms with. Pure arithmetic; touches nothing else.
#include <cmath>
#include <numbers>

#include "AIRealMath.h"
#include "all_suites.h"
#include "document/geometry.h"
#include "pica/suite_entry.h"
#include "pica/suite_registry.h"

namespace qv::host {

namespace {

AIReal realSin(AIReal a) { return static_cast<AIReal>(std::sin(static_cast<double>(a))); }
AIReal realCos(AIReal a) { return static_cast<AIReal>(std::cos(static_cast<double>(a))); }
AIReal degreeToRadian(AIReal degree) {
  return static_cast<AIReal>(degree * std::numbers::pi / 180);
}
AIReal realSqrt(AIReal a) { return static_cast<AIReal>(std::sqrt(static_cast<double>(a))); }

AIReal pointAngle(const AIRealPoint* a, const AIRealPoint* b) {
  if (a == nullptr || b == nullptr) return 0;
  const double angle =
      std::atan2(static_cast<double>(b->v) - a->v, static_cast<double>(b->h) - a->h);
  // atan2 gives -pi for a negative zero rise; the range is (-pi, pi].
  return static_cast<AIReal>(angle <= -std::numbers::pi ? std::numbers::pi : angle);
}

// The outputs below are written only when finite: a non-finite argument always gives a
// non-finite result, so this also leaves them unchanged for such arguments.
void pointInterpolate(const AIRealPoint* a, const AIRealPoint* b, AIReal t, AIRealPoint* result) {
  if (a == nullptr || b == nullptr || result == nullptr) return;
  const AIRealPoint mixed{b->h + (a->h - b->h) * t, b->v + (a->v - b->v) * t};
  if (finite(mixed)) *result = mixed;
}

void write(AIRealMatrix* m, const AIRealMatrix& value) {
  if (finite(value)) *m = value;
}

// Appends `then` to *m (it acts after what *m does already).
void append(AIRealMatrix* m, const AIRealMatrix& then) {
  if (m != nullptr) write(m, concat(*m, then));
}

void matrixSetTranslate(AIRealMatrix* m, AIReal tx, AIReal ty) {
  if (m != nullptr) write(m, translation(tx, ty));
}
void matrixConcatTranslate(AIRealMatrix* m, AIReal tx, AIReal ty) {
  append(m, translation(tx, ty));
}
void matrixConcatRotate(AIRealMatrix* m, AIReal angle) { append(m, rotation(angle)); }
void matrixConcatScale(AIRealMatrix* m, AIReal h, AIReal v) { append(m, scaling(h, v)); }

const AIRealMathSuite kRealMath = {
    .AIRealSin = QV_VALUE_ENTRY(kAIRealMathSuite, AIRealSin, realSin),
    .AIRealCos = QV_VALUE_ENTRY(kAIRealMathSuite, AIRealCos, realCos),
    .DegreeToRadian = QV_VALUE_ENTRY(kAIRealMathSuite, DegreeToRadian, degreeToRadian),
    .AIRealSqrt = QV_VALUE_ENTRY(kAIRealMathSuite, AIRealSqrt, realSqrt),
    .AIRealPointAngle = QV_VALUE_ENTRY(kAIRealMathSuite, AIRealPointAngle, pointAngle),
    .AIRealPointInterpolate =
        QV_VALUE_ENTRY(kAIRealMathSuite, AIRealPointInterpolate, pointInterpolate),
    .AIRealMatrixSetTranslate =
        QV_VALUE_ENTRY(kAIRealMathSuite, AIRealMatrixSetTranslate, matrixSetTranslate),
    .AIRealMatrixConcatTranslate =
        QV_VALUE_ENTRY(kAIRealMathSuite, AIRealMatrixConcatTranslate, matrixConcatTranslate),
    .AIRealMatrixConcatRotate =
        QV_VALUE_ENTRY(kAIRealMathSuite, AIRealMatrixConcatRotate, matrixConcatRotate),
    .AIRealMatrixConcatScale =
        QV_VALUE_ENTRY(kAIRealMathSuite, AIRealMatrixConcatScale, matrixConcatScale),
};

}  // namespace

void registerRealMathSuite(SuiteRegistry& registry) {
  registry.add(kAIRealMathSuite, kAIRealMathSuiteVersion, &kRealMath);
}

}  // namespace qv::host
