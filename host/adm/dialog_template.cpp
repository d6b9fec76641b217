// Dialog templates: the caption and size out of a DLOG resource's JSON.
#include "adm/dialog_template.h"

#include <limits>
#include <nlohmann/json.hpp>

namespace qv::host::adm {

std::optional<DialogTemplate> readDialogTemplate(std::span<const std::uint8_t> bytes,
                                                 std::string& error) {
  const auto json = nlohmann::json::parse(bytes.begin(), bytes.end(), nullptr, false);
  if (!json.is_object()) {
    error = "is not a JSON object";
    return std::nullopt;
  }
  DialogTemplate result;
  const auto size = json.find("size");
  constexpr auto kMax = std::numeric_limits<int32_t>::max();
  const auto positive = [](const nlohmann::json& v) {
    return v.is_number_integer() && v.get<int64_t>() > 0 && v.get<int64_t>() <= kMax;
  };
  if (size == json.end() || !size->is_array() || size->size() != 2 || !positive((*size)[0]) ||
      !positive((*size)[1])) {
    error = "has no size of two positive integers";
    return std::nullopt;
  }
  result.width = (*size)[0].get<int32_t>();
  result.height = (*size)[1].get<int32_t>();
  if (const auto caption = json.find("caption"); caption != json.end()) {
    if (!caption->is_string()) {
      error = "has a caption that is not a string";
      return std::nullopt;
    }
    result.caption = caption->get<std::string>();
  }
  return result;
}

}  // namespace qv::host::adm
