// The gallery's contact sheet: every panel's PNG scaled into a grid of cells, each under its
// title, drawn with cairo into one PNG. Reads the panel images; writes only the sheet, whole or
// not at all.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace qv::app {

struct SheetCell {
  std::string title;
  std::filesystem::path image;  // a PNG; empty (or unreadable) draws the cell as "not made"
};

// "" on success, else the reason, naming the file.
std::string writeContactSheet(const std::vector<SheetCell>& cells,
                              const std::filesystem::path& file);

}  // namespace qv::app
