// The fake path style, swatch list and random suites behind the styling tests.
#include "fake_suites.h"

#include "SuitePointers.hpp"

namespace styling_test {

FakeHost& fake() {
  static FakeHost host;
  return host;
}

AIArtHandle fakePath() { return reinterpret_cast<AIArtHandle>(0x5000); }

namespace {

AIErr getPathStyle(AIArtHandle art, AIPathStyle* style) {
  ++fake().styleReads;
  if (art != fakePath() || !fake().styleReadable) return kSPBadHandleError;
  *style = fake().style;
  return kNoErr;
}
AIErr setPathStyle(AIArtHandle art, const AIPathStyle* style) {
  if (art != fakePath()) return kSPBadHandleError;
  ++fake().styleWrites;
  fake().style = *style;
  return kNoErr;
}
int32_t countSwatches(AISwatchListRef) { return static_cast<int32_t>(fake().swatches.size()); }
AISwatchRef getNthSwatch(AISwatchListRef, int32_t index) {
  if (index < 0 || static_cast<std::size_t>(index) >= fake().swatches.size()) return nullptr;
  return reinterpret_cast<AISwatchRef>(static_cast<uintptr_t>(index + 1));
}
AIErr getAIColor(AISwatchRef swatch, AIColor* color) {
  *color = fake().swatches[reinterpret_cast<uintptr_t>(swatch) - 1];
  return kNoErr;
}
AIReal floatRnd() {
  ++fake().drawsTaken;
  if (fake().draws.empty()) return 0.25f;
  const AIReal value = fake().draws.front();
  fake().draws.pop_front();
  return value;
}
void setRndSeed(int32_t) {}

const AIPathStyleSuite kPathStyle = {getPathStyle, setPathStyle};
const AISwatchListSuite kSwatchList = {countSwatches, getNthSwatch, getAIColor};
const AIRandomSuite kRandom = {floatRnd, setRndSeed};

}  // namespace
}  // namespace styling_test

const AIPathStyleSuite* sAIPathStyle = &styling_test::kPathStyle;
const AISwatchListSuite* sAISwatchList = &styling_test::kSwatchList;
const AIRandomSuite* sAIRandom = &styling_test::kRandom;
