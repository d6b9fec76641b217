// The yardstick of the host's benchmarks: a plain memcpy of the bytes a measured operation
// writes, so its figure can be read as a multiple of the machine's copy speed.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <vector>

namespace qv::bench {

// Copies `items` x `bytesPerItem` bytes per iteration and reports them like the measured
// benchmark does (items and bytes processed).
inline void MemcpyBaseline(benchmark::State& state, int64_t items, int64_t bytesPerItem) {
  std::vector<char> from(static_cast<std::size_t>(items * bytesPerItem), 1);
  std::vector<char> to(from.size());
  for (auto _ : state) {
    std::memcpy(to.data(), from.data(), from.size());
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * items);
  state.SetBytesProcessed(state.iterations() * items * bytesPerItem);
}

}  // namespace qv::bench
