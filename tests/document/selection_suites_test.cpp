// The AI Matching Art and AI MdMemory Suites as a module calls them: which art matches which
// queries and in what order, the handle the list comes in, and giving it back.
#include <functional>

#include "AIMatchingArt.h"
#include "document_fixture.h"

namespace qv::test {
namespace {

class SelectionSuitesTest : public DocumentTest {
 protected:
  const AIMatchingArtSuite& matching() {
    return suite<AIMatchingArtSuite>(kAIMatchingArtSuite, kAIMatchingArtSuiteVersion);
  }
  const AIMdMemorySuite& memory() {
    return suite<AIMdMemorySuite>(kAIMdMemorySuite, kAIMdMemorySuiteVersion);
  }
  // The handles GetMatchingArt lists for `queries`; the list's handle is given back.
  std::vector<AIArtHandle> matches(std::vector<AIMatchingArtSpec> queries) {
    AIArtHandle** list = nullptr;
    int32_t count = -1;
    EXPECT_EQ(matching().GetMatchingArt(queries.data(), static_cast<int16_t>(queries.size()), &list,
                                        &count),
              kNoErr);
    if (count == 0) {
      EXPECT_EQ(list, nullptr) << "no match, no handle";
      return {};
    }
    std::vector<AIArtHandle> found(*list, *list + count);
    EXPECT_EQ(memory().MdMemoryDisposeHandle(reinterpret_cast<AIMdMemoryHandle>(list)), kNoErr);
    return found;
  }
};

constexpr AIMatchingArtSpec kSelected{kAnyArt, kArtSelected, kArtSelected};

TEST_F(SelectionSuitesTest, MatchesAreListedInTheDocumentsWalk) {
  struct Case {
    const char* what;
    // Builds the art; returns the handles expected, in order.
    std::function<std::vector<AIArtHandle>()> build;
    std::vector<AIMatchingArtSpec> queries;
  };
  const Case cases[] = {
      {"a selected compound path and its three paths",
       [this] {
         host::Art& parent = compound(3);
         doc().select(parent, true);
         std::vector<AIArtHandle> expected{parent.handle};
         for (const host::Art* child : parent.children) expected.push_back(child->handle);
         return expected;
       },
       {kSelected}},
      {"the paths of a selected group, not the group",
       [this] {
         host::Art& group = doc().create(kGroupArt);
         host::Art& a = square(0, 0, 10, host::Container{nullptr, &group});
         host::Art& b = square(20, 0, 10, host::Container{nullptr, &group});
         doc().select(group, true);
         return std::vector<AIArtHandle>{a.handle, b.handle};
       },
       {kSelected}},
      {"selected text alone",
       [this] {
         doc().select(doc().create(kTextFrameArt), true);
         return std::vector<AIArtHandle>{};
       },
       {kSelected}},
      {"text named by its type",
       [this] {
         host::Art& text = doc().create(kTextFrameArt);
         doc().select(text, true);
         doc().select(square(0, 0, 10), true);
         return std::vector<AIArtHandle>{text.handle};
       },
       {{kTextFrameArt, kArtSelected, kArtSelected}}},
      {"unselected and locked art left out",
       [this] {
         square(0, 0, 10);
         host::Art& locked = square(0, 0, 10);
         doc().select(locked, true);
         locked.locked = true;
         host::Art& chosen = square(0, 0, 10);
         doc().select(chosen, true);
         return std::vector<AIArtHandle>{chosen.handle};
       },
       {{kAnyArt, kArtSelected | kArtLocked, kArtSelected}}},
      {"art matching two queries listed once",
       [this] {
         host::Art& path = square(0, 0, 10);
         doc().select(path, true);
         return std::vector<AIArtHandle>{path.handle};
       },
       {kSelected, {kPathArt, kArtSelected, kArtSelected}}},
      {"the inside of an envelope not listed on its own",
       [this] {
         host::Art& member = square(0, 0, 10);
         host::Art& envelope = doc().makeEnvelope(member, square(0, 0, 10));
         doc().select(envelope, true);
         return std::vector<AIArtHandle>{envelope.handle};
       },
       {kSelected}},
  };
  for (const Case& c : cases) {
    freshDocument();
    const std::vector<AIArtHandle> expected = c.build();
    EXPECT_EQ(matches(c.queries), expected) << c.what;
  }
}

TEST_F(SelectionSuitesTest, TheListIsAHostHandleGivenBackOnce) {
  host::Art& path = square(0, 0, 10);
  doc().select(path, true);
  AIArtHandle** list = nullptr;
  int32_t count = 0;
  ASSERT_EQ(matching().GetMatchingArt(&kSelected, 1, &list, &count), kNoErr);
  ASSERT_EQ(count, 1);
  EXPECT_EQ((*list)[0], path.handle);
  const auto handle = reinterpret_cast<AIMdMemoryHandle>(list);
  EXPECT_EQ(host().memoryHandles().heldBy(nullptr), 1u) << "counted against the caller";
  size_t size = 0;
  ASSERT_EQ(memory().MdMemoryGetSize(handle, &size), kNoErr);
  EXPECT_EQ(size, sizeof(AIArtHandle));

  EXPECT_EQ(memory().MdMemoryDisposeHandle(handle), kNoErr);
  EXPECT_EQ(host().memoryHandles().heldBy(nullptr), 0u);
  EXPECT_EQ(memory().MdMemoryDisposeHandle(handle), kSPBadHandleError);
  EXPECT_EQ(memory().MdMemoryGetSize(handle, &size), kSPBadHandleError);
  EXPECT_EQ(host().takeMisuseLog().size(), 1u) << "the second dispose is misuse";
}

TEST_F(SelectionSuitesTest, BadArgumentsAreRefused) {
  AIArtHandle** list = nullptr;
  int32_t count = 0;
  EXPECT_EQ(matching().GetMatchingArt(nullptr, 1, &list, &count), kSPBadParameterError);
  EXPECT_EQ(matching().GetMatchingArt(&kSelected, 0, &list, &count), kSPBadParameterError);
  EXPECT_EQ(matching().GetMatchingArt(&kSelected, 1, nullptr, &count), kSPBadParameterError);
  EXPECT_EQ(matching().GetMatchingArt(&kSelected, 1, &list, nullptr), kSPBadParameterError);
  EXPECT_EQ(host().memoryHandles().heldBy(nullptr), 0u);
}

}  // namespace
}  // namespace qv::test
