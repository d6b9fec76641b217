// The copy tool's selection snapshot (get_selection) against the host's own document and
// suites: which objects it lists, the compound paths' paths nulled, the centre of the bounds,
// a failing host, and giving the list back. The module's Selection.cpp is compiled in here
// with the suite pointers it uses.
#include <functional>
#include <vector>

#include "Options.hpp"
#include "Selection.hpp"
#include "SuitePointers.hpp"
#include "document/document_fixture.h"
#include "pica/call_sites.h"

const AIArtSuite* sAIArt = nullptr;
const AIMatchingArtSuite* sAIMatchingArt = nullptr;
const AIMdMemorySuite* sAIMdMemory = nullptr;

namespace qv::test {
namespace {

class SnapshotTest : public DocumentTest {
 public:
  // The builders the cases below call.
  using DocumentTest::compound;
  using DocumentTest::doc;
  using DocumentTest::square;

  // A selected closed path around a rectangle (left, top, right, bottom).
  AIArtHandle selectedRect(AIReal left, AIReal top, AIReal right, AIReal bottom) {
    host::Art& path = doc().create(kPathArt);
    const AIRealPoint corners[] = {{left, bottom}, {left, top}, {right, top}, {right, bottom}};
    for (const AIRealPoint corner : corners)
      path.segments.push_back({corner, corner, corner, true});
    path.closed = true;
    doc().select(path, true);
    return path.handle;
  }

 protected:
  void SetUp() override {
    sAIArt = &suite<AIArtSuite>(kAIArtSuite, kAIArtSuiteVersion);
    sAIMatchingArt = &suite<AIMatchingArtSuite>(kAIMatchingArtSuite, kAIMatchingArtSuiteVersion);
    sAIMdMemory = &suite<AIMdMemorySuite>(kAIMdMemorySuite, kAIMdMemorySuiteVersion);
  }
  void TearDown() override {
    ornix::ReleaseSelection();
    DocumentTest::TearDown();
  }
  // The snapshot's entries, null ones included.
  static std::vector<AIArtHandle> entries() {
    if (ornix::matches == nullptr) return {};
    return {*ornix::matches, *ornix::matches + ornix::objectcount};
  }
};

TEST_F(SnapshotTest, ListsTheSelectedObjectsAndTheCentreOfTheirBounds) {
  struct Expected {
    std::vector<AIArtHandle> entries;
    AIRealPoint centre;
  };
  struct Case {
    const char* what;
    std::function<Expected(SnapshotTest&)> build;
  };
  const Case cases[] = {
      {"one path",
       [](SnapshotTest& t) {
         host::Art& path = t.square(30, 40, 10);
         t.doc().select(path, true);
         return Expected{{path.handle}, {35, 45}};
       }},
      {"a compound path of three paths: they become null entries",
       [](SnapshotTest& t) {
         host::Art& compound = t.compound(3);
         t.doc().select(compound, true);
         return Expected{{compound.handle, nullptr, nullptr, nullptr}, {25, 5}};
       }},
      {"bounds (0, 10, 10, 0) and (20, 30, 40, 20)",
       [](SnapshotTest& t) {
         const AIArtHandle a = t.selectedRect(0, 10, 10, 0);
         const AIArtHandle b = t.selectedRect(20, 30, 40, 20);
         return Expected{{a, b}, {20, 15}};
       }},
      {"a group's paths, not the group",
       [](SnapshotTest& t) {
         host::Art& group = t.doc().create(kGroupArt);
         host::Art& a = t.square(0, 0, 10, host::Container{nullptr, &group});
         host::Art& b = t.square(90, 0, 10, host::Container{nullptr, &group});
         t.doc().select(group, true);
         return Expected{{a.handle, b.handle}, {50, 5}};
       }},
      {"an unselected path is left out",
       [](SnapshotTest& t) {
         t.square(500, 500, 10);
         host::Art& path = t.square(0, 0, 4);
         t.doc().select(path, true);
         return Expected{{path.handle}, {2, 2}};
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    freshDocument();
    const Expected expected = c.build(*this);
    EXPECT_EQ(ornix::get_selection(), kNoErr);
    EXPECT_EQ(ornix::objectcount, static_cast<int32_t>(expected.entries.size()));
    EXPECT_EQ(entries(), expected.entries);
    EXPECT_FLOAT_EQ(ornix::selectedCenter.h, expected.centre.h);
    EXPECT_FLOAT_EQ(ornix::selectedCenter.v, expected.centre.v);
    ornix::ReleaseSelection();
    EXPECT_EQ(ornix::matches, nullptr);
  }
}

TEST_F(SnapshotTest, NothingToCopyGivesAnEmptySnapshot) {
  struct Case {
    const char* what;
    std::function<void(SnapshotTest&)> build;
  };
  const Case cases[] = {
      {"nothing selected", [](SnapshotTest& t) { t.square(0, 0, 10); }},
      {"text only", [](SnapshotTest& t) { t.doc().select(t.doc().create(kTextFrameArt), true); }},
      {"a host that cannot match",
       [](SnapshotTest& t) {
         t.doc().select(t.square(0, 0, 10), true);
         host::CallSite* site =
             host::CallSiteRegistry::instance().find("AI Matching Art Suite", "GetMatchingArt");
         ASSERT_NE(site, nullptr);
         site->failCode = kSPUnimplementedError;
         site->failTimes = 1;
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    // A snapshot still held from an earlier document is given back first.
    doc().select(square(0, 0, 10), true);
    ornix::get_selection();
    ASSERT_EQ(host().memoryHandles().heldBy(nullptr), 1u);
    freshDocument();
    c.build(*this);
    EXPECT_EQ(ornix::get_selection(), kNoErr);
    EXPECT_EQ(ornix::objectcount, 0);
    EXPECT_EQ(ornix::matches, nullptr);
    EXPECT_EQ(host().memoryHandles().heldBy(nullptr), 0u);
  }
}

}  // namespace
}  // namespace qv::test
