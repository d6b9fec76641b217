// The names the JSON dump gives to the document's numbered kinds (art types, colour kinds,
// caps, joins, blending modes), shared by its writer and its reader. Pure.
#pragma once

#include <nlohmann/json.hpp>
#include <optional>
#include <span>
#include <string_view>

namespace qv::host::io {

struct NamedValue {
  int value;
  std::string_view name;
};

std::span<const NamedValue> artTypeNames();
std::span<const NamedValue> colorKindNames();
std::span<const NamedValue> capNames();
std::span<const NamedValue> joinNames();
std::span<const NamedValue> blendModeNames();

// The name of a value, or the number itself when it has none.
nlohmann::ordered_json nameOf(std::span<const NamedValue> names, int value);
// The value of a name or a number; nothing for an unknown name or another kind of JSON.
std::optional<int> valueOf(std::span<const NamedValue> names, const nlohmann::ordered_json& json);

}  // namespace qv::host::io
