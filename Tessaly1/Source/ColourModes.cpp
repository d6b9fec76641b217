// Colour arithmetic of the fill and stroke colour popups. Touches only the colour it is given.
#include "ColourModes.hpp"

namespace colourmodes {

namespace {

// The components a kind has, in order; null count for kinds without components.
AIReal* Components(AIColor& color, int& count) {
  switch (color.kind) {
    case kGrayColor:
      count = 1;
      return &color.c.g.gray;
    case kFourColor:
      count = 4;
      return &color.c.f.cyan;
    case kThreeColor:
      count = 3;
      return &color.c.rgb.red;
    default:
      count = 0;
      return nullptr;
  }
}

// Component j of a swatch colour by position, whatever its kind (0 where it has none).
AIReal SwatchComponent(const AIColor& swatch, int j) {
  AIColor copy = swatch;
  int count = 0;
  const AIReal* values = Components(copy, count);
  return j < count ? values[j] : 0;
}

bool Odd(int i) { return i % 2 == 1; }

}  // namespace

bool SetsPaint(int mode) {
  return mode == kRandomSwatches || mode == kToSwatch || mode == kAlternateSwatch ||
         mode == kAlternateInverted;
}

int ChooseSwatch(int s, int swatchCount) {
  if (s > swatchCount) s = swatchCount;
  if (s < 0) s = 0;
  if (s == 0 || s == 1) s = 2;
  return s;
}

void Apply(int mode, AIColor& color, const Step& step, Draw draw, void* drawContext) {
  if (mode == kRandomSwatches) {
    if (step.swatch != nullptr) color = *step.swatch;
    return;
  }
  int count = 0;
  AIReal* x = Components(color, count);
  if (x == nullptr) return;
  const bool cmyk = color.kind == kFourColor;
  const bool rgb = color.kind == kThreeColor;
  const int i = step.index;
  const int n = step.steps;
  const bool ratios = n != 0;
  const AIReal t = ratios ? static_cast<AIReal>(i) / static_cast<AIReal>(n) : 0;

  auto toWhite = [&](AIReal& v, AIReal ratio) { v = rgb ? v + (1 - v) * ratio : v - v * ratio; };
  auto toBlack = [&](AIReal& v, AIReal ratio) { v = rgb ? v - v * ratio : v + (1 - v) * ratio; };

  switch (mode) {
    case kToWhite:
      if (ratios)
        for (int j = 0; j < count; ++j) toWhite(x[j], t);
      break;
    case kToBlack:
      if (ratios)
        for (int j = 0; j < count; ++j) toBlack(x[j], t);
      break;
    case kRandomColors:
      if (cmyk) {
        for (int j = 0; j < 3; ++j) x[j] = draw(drawContext);
        x[3] = x[3] * draw(drawContext);
      } else {
        for (int j = 0; j < count; ++j) x[j] = draw(drawContext);
      }
      break;
    case kToWhiteMidpoint:
      if (!ratios) break;
      if (i <= step.halfSteps) {
        for (int j = 0; j < count; ++j) toWhite(x[j], t);
      } else {
        const AIReal d = static_cast<AIReal>(i - step.halfSteps) / static_cast<AIReal>(n);
        for (int j = 0; j < count; ++j) x[j] = rgb ? x[j] - (1 - x[j]) * d : x[j] + x[j] * d;
      }
      break;
    case kToSwatch:
      if (ratios && step.swatch != nullptr) {
        for (int j = 0; j < count; ++j) x[j] = x[j] + (SwatchComponent(*step.swatch, j) - x[j]) * t;
      }
      break;
    case kToHalfColor:
      if (ratios) {
        const AIReal half = static_cast<AIReal>(i) / static_cast<AIReal>(2 * n);
        for (int j = 0; j < count; ++j) x[j] = x[j] - x[j] * half;
      }
      break;
    case kToInverted:
      if (ratios)
        for (int j = 0; j < count; ++j) x[j] = x[j] + (1 - 2 * x[j]) * t;
      break;
    case kAlternateWhite:
      if (Odd(i))
        for (int j = 0; j < count; ++j) x[j] = rgb ? 1.0f : 0.0f;
      break;
    case kAlternateBlack:
      if (Odd(i))
        for (int j = 0; j < count; ++j) x[j] = rgb ? 0.0f : 1.0f;
      break;
    case kAlternateSwatch:
      if (Odd(i) && step.swatch != nullptr) {
        for (int j = 0; j < count; ++j) x[j] = SwatchComponent(*step.swatch, j);
      }
      break;
    case kAlternateInverted:
      if (Odd(i))
        for (int j = 0; j < count; ++j) x[j] = 1 - x[j];
      break;
    case kToHalfColorInverted:
      if (ratios) {
        const AIReal half = static_cast<AIReal>(i) / static_cast<AIReal>(2 * n);
        for (int j = 0; j < count; ++j) {
          x[j] = x[j] > 1 - x[j] / 2 ? x[j] - (1 - x[j]) * half : x[j] + (1 - x[j]) * half;
        }
      }
      break;
    case kTenPercentReduction:
      if (ratios)
        for (int j = 0; j < count; ++j) x[j] = x[j] - 0.9f * x[j] * t;
      break;
    default:
      break;
  }
}

}  // namespace colourmodes
