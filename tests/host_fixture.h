// The fixture of host-driven tests: a fresh host per test, modules loaded by name from the
// build's plug-in folders, and the checks every test ends with (no misuse of the host, nothing
// held after shutdown).
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "SPBasic.h"
#include "host.h"
#include "pica/host_clock.h"

namespace qv::test {

inline std::filesystem::path pluginFile(const std::string& name) {
  return std::filesystem::path(QV_PLUGINS_DIR) / (name + ".so");
}
inline std::filesystem::path probeFile() {
  return std::filesystem::path(QV_TEST_PLUGINS_DIR) / "probe" / "QVTest_Probe.so";
}

constexpr char kTessaly1[] = "QV17_Tessaly1";
constexpr char kPivora[] = "QV17_Pivora";

class HostTest : public ::testing::Test {
 protected:
  void makeHost(host::HostOptions options = {}) {
    host_.reset();
    host_ = std::make_unique<host::Host>(options);
  }
  host::Host& host() {
    if (!host_) makeHost();
    return *host_;
  }
  host::PluginModule& load(const std::filesystem::path& file) {
    const host::LoadResult result = host().loadModule(file);
    if (result.module == nullptr) {
      ADD_FAILURE() << file << ": " << result.error;
      std::abort();
    }
    return *result.module;
  }
  host::PluginModule& loadPlugin(const std::string& name) { return load(pluginFile(name)); }

  // Texts of the front-end events of one kind, in order.
  std::vector<std::string> shown(host::FrontEndKind kind) {
    std::vector<std::string> texts;
    for (const auto& event : host().frontEnd()) {
      if (event.kind == kind) texts.push_back(event.text);
    }
    return texts;
  }
  std::vector<std::string> alerts() { return shown(host::FrontEndKind::ErrorAlert); }
  std::vector<std::string> traces() { return shown(host::FrontEndKind::AboutAlert); }

  void TearDown() override {
    if (!host_) return;
    host_->shutdownAll();
    for (const auto& module : host_->modules()) {
      EXPECT_TRUE(host_->holdings(*module).empty())
          << module->name() << " still holds blocks, strings or suites";
    }
    for (const std::string& line : host_->misuseLog()) ADD_FAILURE() << "host misuse: " << line;
    host_.reset();
    host::HostClock::useRealTime();
  }

 private:
  std::unique_ptr<host::Host> host_;
};

}  // namespace qv::test
