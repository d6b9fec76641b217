// The random restyling of a path, through the host's Path Style, Swatch List, Blend Style and
// Random suites. The colour rules are the copy tool's own (ColourModes), compiled in here too.
// Touches only the path it is given.
#include "PathRestyle.hpp"

#include "../../Tessaly1/Source/ColourModes.hpp"
#include "Options.hpp"
#include "SuitePointers.hpp"

namespace pivora {

namespace {

constexpr AIReal kMaxRandomWeight = 10;

AIReal HostDraw(void*) { return sAIRandom->FloatRnd(); }

// The colour kinds the copy tool's "Random colors" rule knows get a draw per component.
void RandomColour(AIColor& colour) {
  colourmodes::Apply(colourmodes::kRandomColors, colour, colourmodes::Step{}, HostDraw, nullptr);
}

// A random swatch of the current document, never one of its first two; a swatch the host does
// not return leaves the colour and its paint flag as they were.
void RandomSwatch(AIColor& colour, AIBoolean& paint, int32_t swatchCount) {
  const int32_t count = swatchCount > 0 ? swatchCount : 0;
  const int s = colourmodes::ChooseSwatch(
      static_cast<int>(sAIRandom->FloatRnd() * static_cast<AIReal>(count)) + 1, count);
  AISwatchRef swatch = sAISwatchList->GetNthSwatch(nullptr, s);
  if (swatch == nullptr) return;
  AIColor read{};
  if (sAISwatchList->GetAIColor(swatch, &read) != kNoErr) return;
  colour = read;
  paint = true;
}

// Reads the style, changes it and writes it back; a style the host did not give is not
// written.
template <typename Change>
void EditStyle(AIArtHandle path, AIErr& error, Change change) {
  AIPathStyle style{};
  error = sAIPathStyle->GetPathStyle(path, &style);
  if (error != kNoErr) return;
  change(style);
  error = sAIPathStyle->SetPathStyle(path, &style);
}

}  // namespace

void RestylePath(AIArtHandle path, int32_t swatchCount, AIErr& error) {
  if (fillrandomvalue) EditStyle(path, error, [](AIPathStyle& s) { RandomColour(s.fill.color); });
  if (fillswatchrandomvalue) {
    EditStyle(path, error,
              [&](AIPathStyle& s) { RandomSwatch(s.fill.color, s.fillPaint, swatchCount); });
  }
  if (strokerandomvalue) {
    EditStyle(path, error, [](AIPathStyle& s) { RandomColour(s.stroke.color); });
  }
  if (strokeswatchrandomvalue) {
    EditStyle(path, error,
              [&](AIPathStyle& s) { RandomSwatch(s.stroke.color, s.strokePaint, swatchCount); });
  }
  if (weightrandomvalue) {
    EditStyle(path, error,
              [](AIPathStyle& s) { s.stroke.width = sAIRandom->FloatRnd() * kMaxRandomWeight; });
  }
  if (opacityrandomvalue) error = sAIBlendStyle->SetOpacity(path, sAIRandom->FloatRnd());
}

}  // namespace pivora
