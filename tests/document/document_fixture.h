// The fixture of the document-suite tests: a fresh host (HostTest), suites acquired through
// SP Basic as a module acquires them and released at the end, and small builders of art in
// the host's document.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "host_fixture.h"

namespace qv::test {

class DocumentTest : public HostTest {
 protected:
  template <typename Suite>
  const Suite& suite(const char* name, int32_t version) {
    const auto key = std::make_pair(std::string(name), version);
    const void*& slot = acquired_[key];
    if (slot == nullptr) {
      EXPECT_EQ(host().basicSuite()->AcquireSuite(name, version, &slot), kSPNoError) << name;
    }
    return *static_cast<const Suite*>(slot);
  }

  host::Document& doc() { return host().document(); }
  // A new empty document in the same host (for tables of cases).
  void freshDocument() { host().setDocument(std::make_unique<host::Document>(612, 792)); }

  // A closed path of four corner segments (no handles) at the top of `where`.
  host::Art& square(AIReal left, AIReal bottom, AIReal size, host::Container where = {}) {
    host::Art& art = doc().create(kPathArt, where);
    const AIRealPoint corners[] = {
        {left, bottom}, {left, bottom + size}, {left + size, bottom + size}, {left + size, bottom}};
    for (const AIRealPoint corner : corners) art.segments.push_back({corner, corner, corner, true});
    art.segmentSelection.assign(art.segments.size(), kSegmentNotSelected);
    art.closed = true;
    return art;
  }

  // A compound path of `count` squares side by side.
  host::Art& compound(int count) {
    host::Art& art = doc().create(kCompoundPathArt);
    for (int i = 0; i < count; ++i) {
      square(static_cast<AIReal>(20 * i), 0, 10, host::Container{nullptr, &art});
    }
    return art;
  }

  // The handles of the live art in the document's walk: a picture of its structure.
  std::vector<AIArtHandle> walk() {
    std::vector<AIArtHandle> handles;
    doc().forEach([&handles](const host::Art& art) { handles.push_back(art.handle); });
    return handles;
  }

  // Handles of one layer's top-level art, bottom first.
  static std::vector<AIArtHandle> handles(const std::vector<host::Art*>& art) {
    std::vector<AIArtHandle> result;
    for (const host::Art* item : art) result.push_back(item->handle);
    return result;
  }

  void TearDown() override {
    for (const auto& [key, slot] : acquired_) {
      if (slot != nullptr) host().basicSuite()->ReleaseSuite(key.first.c_str(), key.second);
    }
    acquired_.clear();
    HostTest::TearDown();
  }

 private:
  std::map<std::pair<std::string, int32_t>, const void*> acquired_;
};

// A handle no host object has.
inline AIArtHandle foreignArt() { return reinterpret_cast<AIArtHandle>(0x1234); }

}  // namespace qv::test
