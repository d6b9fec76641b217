// Carries out script steps through the host. Touches the host's document and modules, and
// writes the files that save steps name (each completely or not at all).
#include "script_runner.h"

#include <fmt/format.h>
#include <fmt/ostream.h>

#include <stdexcept>

#include "adm/control_change.h"
#include "app/host_session.h"
#include "document_files.h"
#include "pica/error_text.h"

namespace qv::app {

namespace {

struct StepError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

class Runner {
 public:
  Runner(host::Host& host, const std::filesystem::path& outputFolder, std::ostream& log)
      : host_(host), outputFolder_(outputFolder), log_(log) {}

  void run(const Step& step) {
    std::visit([this](const auto& s) { apply(s); }, step);
    reportShown();
  }

 private:
  host::Document& document() { return host_.document(); }

  AIRealPoint toDocument(AIRealPoint svg) { return {svg.h, document().height() - svg.v}; }

  host::Art* byId(const std::string& id) {
    host::Art* found = nullptr;
    document().forEach([&](const host::Art& art) {
      if (found == nullptr && art.id == id) found = const_cast<host::Art*>(&art);
    });
    if (found == nullptr) throw StepError("no art with id \"" + id + "\"");
    return found;
  }

  void apply(const SelectStep& step) {
    std::vector<host::Art*> chosen;
    for (const std::string& id : step.ids) chosen.push_back(byId(id));
    if (!step.points.empty()) {
      host::Art& path = *chosen.front();
      if (path.type != kPathArt) throw StepError("\"" + path.id + "\" is not a path");
      for (int index : step.points) {
        if (static_cast<std::size_t>(index) >= path.segments.size()) {
          throw StepError(fmt::format("\"{}\" has no point {} (it has {})", path.id, index,
                                      path.segments.size()));
        }
      }
    }
    document().deselectAll();
    if (step.all) {
      for (const host::Layer& layer : document().layers()) {
        for (host::Art* art : layer.art) document().select(*art, true);
      }
    }
    for (host::Art* art : chosen) document().select(*art, true);
    if (!step.points.empty()) {
      host::Art& path = *chosen.front();
      std::fill(path.segmentSelection.begin(), path.segmentSelection.end(),
                int16_t{kSegmentNotSelected});
      for (int index : step.points) {
        path.segmentSelection[static_cast<std::size_t>(index)] = kSegmentPointSelected;
      }
    }
  }

  void apply(const ToolStep& step) {
    host::PluginModule* module = host_.find(step.plugin);
    if (module == nullptr || module->state != host::ModuleState::Running) {
      throw StepError("no running plug-in named \"" + step.plugin + "\"");
    }
    if (tool_ != nullptr && tool_ != module) host_.sendTool(*tool_, kSelectorAIDeselectTool);
    tool_ = module;
    check(host_.sendTool(*module, kSelectorAISelectTool), "selecting the tool");
  }

  void apply(const SetStep& step) {
    if (tool_ == nullptr) throw StepError("no tool is selected");
    const auto dialogs = host_.dialogs().dialogsOf(tool_);
    if (dialogs.empty()) throw StepError(tool_->name() + " has no options palette");
    host::adm::ControlRef control = step.control;
    if (step.itemID) control = *step.itemID;
    host::adm::ControlInput input;
    std::visit([&input](const auto& value) { input = value; }, step.value);
    const host::adm::ChangeResult result =
        host::adm::changeControl(host_, dialogs.front(), control, input);
    if (!result.ok()) throw StepError(result.error);
  }

  void apply(const DragStep& step) {
    if (tool_ == nullptr) throw StepError("no tool is selected (add a tool step first)");
    auto event = [&](const DragEventSpec& spec) {
      return host::DragEvent{toDocument(spec.point), spec.modifiers,
                             static_cast<AIToolPressure>(spec.pressure)};
    };
    check(host_.mouseDown(*tool_, event(step.events.front())), "mouse down");
    for (std::size_t i = 1; i < step.events.size(); ++i) {
      const SPErr error = host_.mouseDrag(*tool_, event(step.events[i]));
      if (error != kNoErr) {
        host_.mouseUp(*tool_, event(step.events[i]));
        check(error, fmt::format("drag event {}", i));
      }
    }
    check(host_.mouseUp(*tool_, event(step.events.back())), "mouse up");
  }

  void apply(const UndoStep&) {
    if (!document().undoLastStep()) throw StepError("there is nothing to undo");
  }

  void apply(const SaveStep& step) {
    const std::filesystem::path file = outputFolder_ / step.file;
    const std::string error = saveDocument(document(), file);
    if (!error.empty()) throw StepError(error);
    fmt::print(log_, "wrote {}\n", file.string());
  }

  void check(SPErr error, const std::string& what) {
    if (error != kNoErr) {
      throw StepError(
          fmt::format("{} answered {} at {}", tool_->name(), host::describeError(error), what));
    }
  }

  // Prints what the modules asked the front end to show since the last step.
  void reportShown() {
    const auto& events = host_.frontEnd();
    for (; shown_ < events.size(); ++shown_) {
      const host::FrontEndEvent& event = events[shown_];
      const std::string who = event.module != nullptr ? event.module->name() : "host";
      switch (event.kind) {
        case host::FrontEndKind::ErrorAlert:
          fmt::print(log_, "{} alert: {}\n", who, event.text);
          break;
        case host::FrontEndKind::AboutAlert:
        case host::FrontEndKind::AboutBox:
          fmt::print(log_, "{} about: {} {}\n", who, event.title, event.text);
          break;
        case host::FrontEndKind::Cursor:
          break;
      }
    }
  }

  host::Host& host_;
  std::filesystem::path outputFolder_;
  std::ostream& log_;
  host::PluginModule* tool_ = nullptr;
  std::size_t shown_ = 0;
};

}  // namespace

RunOutcome runScript(const Script& script, const std::filesystem::path& pluginsFolder,
                     const std::filesystem::path& outputFolder, std::ostream& log) {
  host::HostOptions options;
  options.systemHasPressure = script.pressure;
  options.seed = script.seed;
  HostSession session = startHost(pluginsFolder, options);
  if (!session.anyRunning()) return {false, "no plug-in could be started"};
  host::Host& host = *session.host;

  if (script.svg) {
    std::string error;
    auto document = openDocument(*script.svg, error, log);
    if (!document) return {false, "document: " + error};
    host.setDocument(std::move(document));
  } else {
    host.setDocument(std::make_unique<host::Document>(script.width, script.height));
  }
  if (script.swatches) {
    auto& swatches = host.document().swatches();
    swatches.clear();
    for (const Swatch& swatch : *script.swatches) swatches.push_back({swatch.name, swatch.color});
  }

  Runner runner(host, outputFolder, log);
  for (std::size_t i = 0; i < script.steps.size(); ++i) {
    try {
      runner.run(script.steps[i]);
    } catch (const StepError& error) {
      return {false, fmt::format("step {} ({}): {}", script.stepLines[i], stepName(script.steps[i]),
                                 error.what())};
    }
  }
  return {true, {}};
}

}  // namespace qv::app
