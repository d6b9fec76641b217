// Runs the gallery's panels one after the other and reports each on one line; see
// demo_gallery.h. Writes the sample artwork, each panel's SVG and PNG and the contact sheet.
#include "demo_gallery.h"

#include <fmt/format.h>
#include <fmt/ostream.h>

#include <nlohmann/json.hpp>
#include <optional>
#include <sstream>

#include "contact_sheet.h"
#include "io/atomic_file.h"
#include "sample_artwork.h"
#include "script/script_runner.h"

namespace qv::app {

namespace {

// What every panel writes: NAME.svg and NAME.png.
constexpr const char* kPanelFormats[] = {".svg", ".png"};

// The panel's script with the sample artwork as its document, the sample palette as its swatch
// list and its two saves appended; null and `error` set when the panel's JSON is not a script.
std::optional<Script> panelScript(const DemoPanel& panel, const std::filesystem::path& folder,
                                  std::string& error) {
  nlohmann::json script = nlohmann::json::parse(panel.script, nullptr, false);
  if (!script.is_object() || !script.contains("steps") || !script["steps"].is_array()) {
    error = "the panel's script is not a JSON object with a list of steps";
    return std::nullopt;
  }
  script["document"] = kDemoArtworkFile;
  script["swatches"] = nlohmann::json::parse(samplePalette());
  for (const char* extension : kPanelFormats) {
    script["steps"].push_back(nlohmann::json::object({{"save", panel.name + extension}}));
  }
  ScriptLoad load = parseScript(script.dump(), folder);
  if (!load.script) error = load.error;
  return std::move(load.script);
}

// Runs one panel; "" on success, else the reason. What the modules showed goes to `out`. The
// panel's files of an earlier run go first, so that a failed panel leaves none behind.
std::string makePanel(const DemoPanel& panel, const std::filesystem::path& pluginsFolder,
                      const std::filesystem::path& folder, std::ostream& out) {
  for (const char* extension : kPanelFormats) {
    std::error_code ignored;
    std::filesystem::remove(folder / (panel.name + extension), ignored);
  }
  std::string error;
  const std::optional<Script> script = panelScript(panel, folder, error);
  if (!script) return error;
  std::ostringstream log;
  const RunOutcome outcome = runScript(*script, pluginsFolder, folder, log);
  std::istringstream lines(log.str());
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind("wrote ", 0) != 0) fmt::print(out, "      {}\n", line);
  }
  return outcome.ok ? std::string() : outcome.error;
}

}  // namespace

int runDemo(const std::vector<DemoPanel>& panels, const std::filesystem::path& pluginsFolder,
            const std::filesystem::path& outputFolder, std::ostream& out, std::ostream& err) {
  std::error_code failure;
  std::filesystem::create_directories(outputFolder, failure);
  if (failure) {
    fmt::print(err, "qvhost: cannot make the folder {}: {}\n", outputFolder.string(),
               failure.message());
    return 2;
  }
  std::filesystem::path folder = std::filesystem::absolute(outputFolder, failure);
  if (failure) folder = outputFolder;  // only the printed name is shorter
  const std::string written = host::io::writeTextFile(folder / kDemoArtworkFile, sampleArtwork());
  if (!written.empty()) {
    fmt::print(err, "qvhost: {}\n", written);
    return 2;
  }
  fmt::print(out, "Writing the demo gallery into {}\n", folder.string());
  out.flush();

  std::vector<SheetCell> cells;
  std::size_t made = 0;
  for (std::size_t i = 0; i < panels.size(); ++i) {
    const DemoPanel& panel = panels[i];
    std::ostringstream shown;
    const std::string error = makePanel(panel, pluginsFolder, folder, shown);
    // The line is printed whole once the panel is done, so that what the host's loader
    // reports on stderr meanwhile does not land in the middle of it.
    fmt::print(out, "[{}/{}] {} ... ", i + 1, panels.size(), panel.title);
    if (error.empty()) {
      fmt::print(out, "wrote {0}.svg, {0}.png\n", panel.name);
      cells.push_back({panel.title, folder / (panel.name + ".png")});
      ++made;
    } else {
      fmt::print(out, "failed\n");
      out.flush();
      fmt::print(err, "qvhost: panel {} ({}): {}\n", i + 1, panel.name, error);
      cells.push_back({panel.title, {}});
    }
    out << shown.str() << std::flush;
  }

  const std::string sheetError = writeContactSheet(cells, folder / kContactSheetFile);
  if (sheetError.empty()) {
    fmt::print(out, "wrote {}\n", kContactSheetFile);
  } else {
    fmt::print(err, "qvhost: {}\n", sheetError);
  }
  fmt::print(out, "{} of {} panels made in {}\n", made, panels.size(), folder.string());
  return made == panels.size() && sheetError.empty() ? 0 : 1;
}

}  // namespace qv::app
