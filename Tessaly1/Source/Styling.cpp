// Placement, colour modes and random width of a copy, through the host's path style, swatch
// list and random suites. Touches only the art it is given.
#include "Styling.hpp"

#include "ColourModes.hpp"
#include "SuitePointers.hpp"

namespace {

bool Even(int v) { return v % 2 == 0; }
bool Odd(int v) { return v % 2 == 1; }
bool Third(int v, int remainder) { return v % 3 == remainder; }

AIReal HostDraw(void*) { return sAIRandom->FloatRnd(); }

// The colour of swatch s of the current document, when the host has it.
bool SwatchColor(int s, AIColor& color) {
  AISwatchRef swatch = sAISwatchList->GetNthSwatch(nullptr, s);
  if (swatch == nullptr) return false;
  AIColor read{};
  if (sAISwatchList->GetAIColor(swatch, &read) != kNoErr) return false;
  color = read;
  return true;
}

// One colour mode on either the fill (stroke false) or the stroke of a path.
void ColourOptions(bool stroke, int mode, AIArtHandle path, int swatchCount, int swatchNumber,
                   int halfSteps, int index, int steps) {
  if (mode == colourmodes::kIgnore) return;
  AIPathStyle style{};
  if (sAIPathStyle->GetPathStyle(path, &style) != kNoErr) return;
  if (mode <= colourmodes::kTenPercentReduction) {
    AIColor& color = stroke ? style.stroke.color : style.fill.color;
    AIBoolean& paint = stroke ? style.strokePaint : style.fillPaint;
    colourmodes::Step step{index, steps, halfSteps, nullptr};
    AIColor swatch{};
    bool haveSwatch = false;
    if (mode == colourmodes::kRandomSwatches) {
      const int s = static_cast<int>(sAIRandom->FloatRnd() * static_cast<AIReal>(swatchCount)) + 1;
      haveSwatch = SwatchColor(colourmodes::ChooseSwatch(s, swatchCount), swatch);
    } else if (mode == colourmodes::kToSwatch || mode == colourmodes::kAlternateSwatch) {
      haveSwatch = SwatchColor(colourmodes::ChooseSwatch(swatchNumber, swatchCount), swatch);
    }
    if (haveSwatch) step.swatch = &swatch;
    // A swatch the host did not return leaves the colour as it was; the paint flag follows
    // the colour only for the mode that replaces it whole.
    if (colourmodes::SetsPaint(mode) && (mode != colourmodes::kRandomSwatches || haveSwatch)) {
      paint = true;
    }
    colourmodes::Apply(mode, color, step, HostDraw, nullptr);
  }
  sAIPathStyle->SetPathStyle(path, &style);
}

}  // namespace

int beneathtest(int mode, int c, int r, int k, unsigned char twoDimensional) {
  const bool flat = twoDimensional == 0;
  bool beneath = false;
  switch (mode) {
    case 1:
      beneath = true;
      break;
    case 2:
      beneath = Even(c) && (flat || Even(r));
      break;
    case 3:
      beneath = Odd(c) && (flat || Odd(r));
      break;
    case 4:
      beneath = sAIRandom->FloatRnd() * 10 > 5;
      break;
    case 5:
      beneath = flat ? (Even(k) && Even(c)) || (Odd(k) && Odd(c))
                     : (Even(k) && Even(c) && Even(r)) || (Odd(k) && Odd(c) && Odd(r));
      break;
    case 6:
      beneath = flat ? (Even(k) && Odd(c)) || (Odd(k) && Even(c))
                     : (Even(k) && Odd(c) && Even(r)) || (Odd(k) && Even(c) && Even(r));
      break;
    case 7:
      beneath = Even(k) && Even(c) && (flat || Even(r));
      break;
    case 8:
      beneath = Even(k) && Odd(c) && (flat || Odd(r));
      break;
    case 9:
      beneath = Odd(k) && Even(c) && (flat || Even(r));
      break;
    case 10:
      beneath = Odd(k) && Odd(c) && (flat || Odd(r));
      break;
    case 11:
      beneath =
          flat ? (Even(k) && Third(c, 0)) || (Odd(k) && Third(c, 1))
               : (Even(k) && Third(c, 0) && Third(r, 0)) || (Odd(k) && Third(c, 1) && Third(r, 1));
      break;
    case 12:
      beneath =
          flat ? (Even(k) && Third(c, 1)) || (Odd(k) && Third(c, 0))
               : (Even(k) && Third(c, 1) && Third(r, 0)) || (Odd(k) && Third(c, 0) && Third(r, 0));
      break;
    case 13:
      beneath = Even(k) && Third(c, 0) && (flat || Third(r, 0));
      break;
    case 14:
      beneath = Even(k) && Third(c, 1) && (flat || Third(r, 1));
      break;
    case 15:
      beneath = Odd(k) && Third(c, 0) && (flat || Third(r, 0));
      break;
    case 16:
      beneath = Odd(k) && Third(c, 1) && (flat || Third(r, 1));
      break;
    default:
      break;
  }
  return beneath ? 1 : 0;
}

void filloptions(int mode, AIArtHandle path, int swatchCount, int swatchNumber, int halfSteps,
                 int index, int steps) {
  ColourOptions(false, mode, path, swatchCount, swatchNumber, halfSteps, index, steps);
}

void strokeoptions(int mode, AIArtHandle path, int swatchCount, int swatchNumber, int halfSteps,
                   int index, int steps) {
  ColourOptions(true, mode, path, swatchCount, swatchNumber, halfSteps, index, steps);
}

void randomwidth(AIArtHandle path) {
  AIPathStyle style{};
  if (sAIPathStyle->GetPathStyle(path, &style) != kNoErr) return;
  style.stroke.width *= sAIRandom->FloatRnd();
  if (style.stroke.width < 0) style.stroke.width = 0;
  sAIPathStyle->SetPathStyle(path, &style);
}
