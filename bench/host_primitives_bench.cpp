// What one member of a copy costs the host: DuplicateArt (paint order 5), TransformArt (0x13),
// a SetPathStyle restyle and the UndoChanges that reverts them, each called through the suites
// inside a drag as a module calls them; then 100,000 members duplicated and transformed with
// one UndoChanges, beside a plain memcpy of the segment and style bytes those members write.
#include <benchmark/benchmark.h>

#include <vector>

#include "AIArt.h"
#include "AIPathStyle.h"
#include "AITransformArt.h"
#include "AIUndo.h"
#include "SPBasic.h"
#include "host.h"
#include "memcpy_baseline.h"

namespace {

using qv::host::Host;

constexpr int64_t kMembers = 100'000;
// Bytes of segment and style data one member writes: the duplicate's four segments and style,
// then the four segments the transform rewrites.
constexpr int64_t kMemberBytes = 2 * 4 * sizeof(AIPathSegment) + sizeof(AIPathStyle);

// A host with a 4-segment closed path, its suites acquired, inside a drag.
class Drag {
 public:
  Drag() {
    acquire(kAIArtSuite, kAIArtSuiteVersion, art);
    acquire(kAITransformArtSuite, kAITransformArtSuiteVersion, transform);
    acquire(kAIPathStyleSuite, kAIPathStyleSuiteVersion, style);
    acquire(kAIUndoSuite, kAIUndoSuiteVersion, undo);
    qv::host::Art& path = host.document().create(kPathArt);
    for (const AIRealPoint p :
         {AIRealPoint{0, 0}, AIRealPoint{0, 10}, AIRealPoint{10, 10}, AIRealPoint{10, 0}}) {
      path.segments.push_back({p, p, p, true});
    }
    path.segmentSelection.assign(4, kSegmentNotSelected);
    path.closed = true;
    source = path.handle;
    host.document().beginGesture();
    host.setGesturePhase(qv::host::GesturePhase::Drag);
  }
  ~Drag() {
    for (const auto& [name, version] : acquired_) host.basicSuite()->ReleaseSuite(name, version);
  }
  Drag(const Drag&) = delete;
  Drag& operator=(const Drag&) = delete;

  AIArtHandle duplicate() {
    AIArtHandle copy = nullptr;
    art->DuplicateArt(source, kPlaceAboveAll, source, &copy);
    return copy;
  }
  void move(AIArtHandle member) { transform->TransformArt(member, &kTurn, 0.5f, 0x13); }

  Host host;
  const AIArtSuite* art = nullptr;
  const AITransformArtSuite* transform = nullptr;
  const AIPathStyleSuite* style = nullptr;
  const AIUndoSuite* undo = nullptr;
  AIArtHandle source = nullptr;

 private:
  template <typename Suite>
  void acquire(const char* name, int32_t version, const Suite*& suite) {
    const void* found = nullptr;
    host.basicSuite()->AcquireSuite(name, version, &found);
    suite = static_cast<const Suite*>(found);
    acquired_.emplace_back(name, version);
  }
  static constexpr AIRealMatrix kTurn{0.8f, 0.6f, -0.6f, 0.8f, 3, 4};
  std::vector<std::pair<const char*, int32_t>> acquired_;
};

// Duplicates accumulate; every batch is reverted outside the timing.
constexpr int kBatch = 4096;

void BM_DuplicateArt(benchmark::State& state) {
  Drag drag;
  int made = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(drag.duplicate());
    if (++made == kBatch) {
      state.PauseTiming();
      drag.undo->UndoChanges();
      made = 0;
      state.ResumeTiming();
    }
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_DuplicateArt);

void BM_TransformArt(benchmark::State& state) {
  Drag drag;
  const AIArtHandle member = drag.duplicate();
  for (auto _ : state) drag.move(member);
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_TransformArt);

void BM_SetPathStyle(benchmark::State& state) {
  Drag drag;
  const AIArtHandle member = drag.duplicate();
  AIPathStyle style{};
  drag.style->GetPathStyle(member, &style);
  for (auto _ : state) {
    style.stroke.width = style.stroke.width == 1 ? 2.0f : 1.0f;
    drag.style->SetPathStyle(member, &style);
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SetPathStyle);

// One UndoChanges reverting a batch of duplicated and transformed members.
void BM_UndoChanges(benchmark::State& state) {
  Drag drag;
  for (auto _ : state) {
    state.PauseTiming();
    for (int i = 0; i < kBatch; ++i) drag.move(drag.duplicate());
    state.ResumeTiming();
    drag.undo->UndoChanges();
  }
  state.SetItemsProcessed(state.iterations() * kBatch);
}
BENCHMARK(BM_UndoChanges);

void BM_CopyGesture(benchmark::State& state) {
  Drag drag;
  for (auto _ : state) {
    for (int64_t i = 0; i < kMembers; ++i) drag.move(drag.duplicate());
    drag.undo->UndoChanges();
  }
  state.SetItemsProcessed(state.iterations() * kMembers);
  state.SetBytesProcessed(state.iterations() * kMembers * kMemberBytes);
}
BENCHMARK(BM_CopyGesture)->Unit(benchmark::kMillisecond);

void BM_MemcpySameBytes(benchmark::State& state) {
  qv::bench::MemcpyBaseline(state, kMembers, kMemberBytes);
}
BENCHMARK(BM_MemcpySameBytes)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
