// Reading a module's dialog template (resource DLOG: the JSON text qvrc stores) for what the
// dialog manager takes from it: the caption and the size. Plain C++; no host state.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace qv::host::adm {

struct DialogTemplate {
  std::string caption;  // "" when the template has none
  int32_t width = 0;
  int32_t height = 0;
};

// nullopt, with `error` saying why, unless the bytes are an object with a "size" of two
// positive integers and, if present, a string "caption".
std::optional<DialogTemplate> readDialogTemplate(std::span<const std::uint8_t> bytes,
                                                 std::string& error);

}  // namespace qv::host::adm
