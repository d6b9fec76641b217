// Name tables for the JSON dump.
#include "json_names.h"

#include <array>

#include "AITypes.h"
#include "blend_modes.h"

namespace qv::host::io {

namespace {
constexpr std::array<NamedValue, 16> kArtTypes{{{kUnknownArt, "unknown"},
                                                {kGroupArt, "group"},
                                                {kPathArt, "path"},
                                                {kCompoundPathArt, "compoundPath"},
                                                {kTextArtUnsupported, "textUnsupported"},
                                                {kTextPathArtUnsupported, "textPathUnsupported"},
                                                {kTextRunArtUnsupported, "textRunUnsupported"},
                                                {kPlacedArt, "placed"},
                                                {kMysteryPathArt, "mysteryPath"},
                                                {kRasterArt, "raster"},
                                                {kPluginArt, "plugin"},
                                                {kMeshArt, "mesh"},
                                                {kTextFrameArt, "textFrame"},
                                                {kSymbolArt, "symbol"},
                                                {kForeignArt, "foreign"},
                                                {kLegacyTextArt, "legacyText"}}};
constexpr std::array<NamedValue, 7> kColorKinds{{{kGrayColor, "gray"},
                                                 {kFourColor, "cmyk"},
                                                 {kPattern, "pattern"},
                                                 {kCustomColor, "custom"},
                                                 {kGradient, "gradient"},
                                                 {kThreeColor, "rgb"},
                                                 {kNoneColor, "none"}}};
constexpr std::array<NamedValue, 3> kCaps{
    {{kAIButtCap, "butt"}, {kAIRoundCap, "round"}, {kAIProjectingCap, "square"}}};
constexpr std::array<NamedValue, 3> kJoins{
    {{kAIMiterJoin, "miter"}, {kAIRoundJoin, "round"}, {kAIBevelJoin, "bevel"}}};
}  // namespace

std::span<const NamedValue> artTypeNames() { return kArtTypes; }
std::span<const NamedValue> colorKindNames() { return kColorKinds; }
std::span<const NamedValue> capNames() { return kCaps; }
std::span<const NamedValue> joinNames() { return kJoins; }
std::span<const NamedValue> blendModeNames() {
  static const auto names = [] {
    std::array<NamedValue, kBlendModeCount> table{};
    for (int i = 0; i < kBlendModeCount; ++i)
      table[static_cast<std::size_t>(i)] = {i, kBlendModeNames[i]};
    return table;
  }();
  return names;
}

nlohmann::ordered_json nameOf(std::span<const NamedValue> names, int value) {
  for (const NamedValue& n : names) {
    if (n.value == value) return std::string(n.name);
  }
  return value;
}

std::optional<int> valueOf(std::span<const NamedValue> names, const nlohmann::ordered_json& json) {
  if (json.is_number_integer()) return json.get<int>();
  if (!json.is_string()) return std::nullopt;
  const std::string& name = json.get_ref<const std::string&>();
  for (const NamedValue& n : names) {
    if (n.name == name) return n.value;
  }
  return std::nullopt;
}

}  // namespace qv::host::io
