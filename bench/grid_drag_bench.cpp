// What one Grid drag event of the copy tool costs, end to end through the host: the module
// loaded and its tool selected, a 10 x 10 grid set on its palette with every styling option
// off, 100 selected 16-segment paths, one mouse down, then per iteration one mouse drag event
// that alternates between two end points, so that each event undoes the previous one and makes
// 10 x 10 x 100 = 10,000 members. Beside it a plain memcpy of the bytes such an event writes.
#include <benchmark/benchmark.h>

#include <cmath>
#include <string>
#include <variant>
#include <vector>

#include "AIArt.h"
#include "adm/control_change.h"
#include "host.h"
#include "memcpy_baseline.h"

namespace {

using qv::host::Host;

constexpr int kColumns = 10;
constexpr int kRows = 10;
constexpr int kObjects = 100;
constexpr int kSegments = 16;
constexpr int64_t kMembers = int64_t{kColumns} * kRows * kObjects;
// Bytes one member writes: a duplicate is a new art record with its segments and their
// selection states, then the transform rewrites the segments (the first member of each object
// is the object itself, transformed only; counted like the others).
constexpr int64_t kMemberBytes =
    sizeof(qv::host::Art) + kSegments * (2 * sizeof(AIPathSegment) + sizeof(int16_t));

// The palette as a person sets it for the benchmark: the grid size, and at their off values
// every option that restyles a member, keeps earlier events' copies or skips events (all off
// by default; set here so that a changed default cannot change what is measured).
const std::vector<std::pair<qv::host::adm::ControlRef, qv::host::adm::ControlInput>> kPalette = {
    {"Columns / rows", double{kColumns}},
    {int32_t{21}, double{kRows}},
    {"Rotation (o)", 0.0},
    {"Jitter (p)", 0.0},
    {"Ignore checkerboard", std::string(" Ignore checkerboard")},
    {"Ignore turn", std::string(" Ignore turn")},
    {"Default horizontal apply", std::string(" Default horizontal apply")},
    {"Default vertical apply", std::string(" Default vertical apply")},
    {"Fill color - Ignore", std::string(" Fill color - Ignore")},
    {"Stroke color - Ignore", std::string(" Stroke color - Ignore")},
    {"Pattern / tile - Ignore", std::string(" Pattern / tile - Ignore")},
    {"Scaling line width - ignore", std::string(" Scaling line width - ignore")},
    {"Place above", std::string(" Place above")},
    {"Trail", false},
    {"Slowdown", 0.0},
    {"Layer", false},
    {"Touch", false},
    {"Rotation [R]", false},
    {"Box", false},
    {"Warp [R]", false},
    {"Create [R]", false},
    {"Blend [R]", false},
    {"Opacity [R]", false},
    {"Pressure", false},
    {"Width [R]", false},
};

// A host in the middle of a Grid gesture over 100 selected paths.
class GridGesture {
 public:
  explicit GridGesture(benchmark::State& state) {
    const qv::host::LoadResult load = host_.loadModule(QV_PLUGINS_DIR "/QV17_Tessaly1.so");
    if (load.module == nullptr) {
      state.SkipWithError(("cannot load the copy tool: " + load.error).c_str());
      return;
    }
    module_ = load.module;
    host_.startAll();
    addPaths();
    if (host_.sendTool(*module_, kSelectorAISelectTool) != kNoErr) {
      state.SkipWithError("selecting the tool failed");
      return;
    }
    const auto dialogs = host_.dialogs().dialogsOf(module_);
    if (dialogs.empty()) {
      state.SkipWithError("the tool made no palette");
      return;
    }
    for (const auto& [control, input] : kPalette) {
      const auto result = qv::host::adm::changeControl(host_, dialogs.front(), control, input);
      if (!result.ok()) {
        state.SkipWithError(result.error.c_str());
        return;
      }
    }
    if (host_.mouseDown(*module_, {kStart}) != kNoErr) {
      state.SkipWithError("mouse down failed");
      return;
    }
    ready_ = true;
  }
  ~GridGesture() {
    if (ready_) host_.mouseUp(*module_, {kStart});
  }
  GridGesture(const GridGesture&) = delete;
  GridGesture& operator=(const GridGesture&) = delete;

  bool ready() const { return ready_; }
  // One drag event, to the other end point than the last one.
  SPErr drag() {
    far_ = !far_;
    return host_.mouseDrag(*module_, {far_ ? kFar : kNear});
  }
  std::size_t artCount() {
    std::size_t count = 0;
    host_.document().forEach([&count](const qv::host::Art&) { ++count; });
    return count;
  }

 private:
  static constexpr AIRealPoint kStart{50, 50};
  static constexpr AIRealPoint kNear{450, 420};
  static constexpr AIRealPoint kFar{480, 460};

  // 100 closed 16-point paths of radius 8 in a 10 x 10 block, all selected.
  void addPaths() {
    qv::host::Document& document = host_.document();
    for (int k = 0; k < kObjects; ++k) {
      qv::host::Art& path = document.create(kPathArt);
      const AIRealPoint centre{static_cast<AIReal>(20 + 20 * (k % 10)),
                               static_cast<AIReal>(20 + 20 * (k / 10))};
      for (int i = 0; i < kSegments; ++i) {
        const double angle = 2 * M_PI * i / kSegments;
        const AIRealPoint p{centre.h + static_cast<AIReal>(8 * std::cos(angle)),
                            centre.v + static_cast<AIReal>(8 * std::sin(angle))};
        path.segments.push_back({p, p, p, true});
      }
      path.segmentSelection.assign(kSegments, kSegmentNotSelected);
      path.closed = true;
      document.select(path, true);
    }
  }

  Host host_;
  qv::host::PluginModule* module_ = nullptr;
  bool ready_ = false;
  bool far_ = false;
};

void BM_GridDragEvent(benchmark::State& state) {
  GridGesture gesture(state);
  if (!gesture.ready()) return;
  // The first event shows that the grid is what is measured: the objects and their copies.
  if (gesture.drag() != kNoErr || gesture.artCount() != static_cast<std::size_t>(kMembers)) {
    state.SkipWithError(
        ("the first event left " + std::to_string(gesture.artCount()) + " objects").c_str());
    return;
  }
  for (auto _ : state) {
    if (gesture.drag() != kNoErr) {
      state.SkipWithError("a drag event failed");
      return;
    }
  }
  // Every event took the previous one back: still one grid, not one per event.
  if (gesture.artCount() != static_cast<std::size_t>(kMembers)) {
    state.SkipWithError("the events did not undo each other");
  }
  state.SetItemsProcessed(state.iterations() * kMembers);
  state.SetBytesProcessed(state.iterations() * kMembers * kMemberBytes);
}
BENCHMARK(BM_GridDragEvent)->Unit(benchmark::kMillisecond);

void BM_MemcpyEventBytes(benchmark::State& state) {
  qv::bench::MemcpyBaseline(state, kMembers, kMemberBytes);
}
BENCHMARK(BM_MemcpyEventBytes)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
