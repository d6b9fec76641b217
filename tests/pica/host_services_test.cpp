// The host's own checks at the suite boundary: calls a module makes with bad handles or out of
// order are answered with codes and logged, never a crash; and the calls the host does not
// offer yet answer "not implemented".
#include "AIContext.h"
#include "AIHitTest.h"
#include "AISymbol.h"
#include "AIUnicodeString.h"
#include "host_fixture.h"

namespace qv::test {
namespace {

class HostServicesTest : public HostTest {
 protected:
  template <typename Suite>
  const Suite* acquire(const char* name, int32_t version) {
    const void* suite = nullptr;
    EXPECT_EQ(host().basicSuite()->AcquireSuite(name, version, &suite), kSPNoError) << name;
    return static_cast<const Suite*>(suite);
  }
  // The misuse lines logged so far; the log is emptied so that TearDown sees none.
  std::size_t takeMisuse() { return host().takeMisuseLog().size(); }
};

TEST_F(HostServicesTest, EverySuiteOfBothTablesIsOffered) {
  const std::pair<const char*, int32_t> suites[] = {
      {"SP Access Suite", 3},
      {"SP Plug-ins Suite", 4},
      {"AI Notifier Suite", 2},
      {"AI Context Suite", 4},
      {"ADM Basic Suite", 10},
      {"ADM Basic Suite", 2},
      {"AI Menu Suite", 9},
      {"AI Tool Suite", 10},
      {"AI Unicode String Suite", 6},
      {"AI Plugin Suite", 3},
      {"SP Blocks Suite", 2},
      {"AI Undo Suite", 4},
      {"AI Art Suite", 14},
      {"AI Swatch List Suite", 5},
      {"AI Real Math Suite", 1},
      {"AI Path Suite", 8},
      {"AI Matching Art Suite", 5},
      {"AI Path Style Suite", 10},
      {"AI Document Suite", 11},
      {"AI Layer Suite", 11},
      {"AI MdMemory Suite", 1},
      {"AI Document View Suite", 10},
      {"AI Shape Construction Suite", 4},
      {"AI Tag Suite", 2},
      {"AI Blend Style Suite", 3},
      {"AI Symbol Suite", 4},
      {"AI Mesh Suite", 3},
      {"AI Mesh Vertex Suite", 1},
      {"AI Hit Test Suite", 3},
      {"AI Random Suite", 3},
      {"AI Transform Art Suite", 1},
      {"AI Art Style Suite", 5},
      {"AI Envelope Suite", 1},
      {"ADM Icon Suite", 1},
      {"ADM Tracker Suite", 2},
      {"ADM Dialog Suite", 10},
      {"ADM Entry Suite", 2},
      {"ADM List Suite", 1},
      {"ADM Item Suite", 7},
  };
  for (const auto& [name, version] : suites) {
    EXPECT_TRUE(host().suites().offers(name, version)) << name << " " << version;
  }
  EXPECT_FALSE(host().suites().offers("AI Art Suite", 1014)) << "no other system's versions";
}

TEST_F(HostServicesTest, CallsNotOfferedYetAnswerNotImplemented) {
  const auto* symbols = acquire<AISymbolSuite>("AI Symbol Suite", 4);
  int32_t count = -1;
  EXPECT_EQ(symbols->CountSymbolPatterns(&count), kSPUnimplementedError);
  const auto* hits = acquire<AIHitTestSuite>("AI Hit Test Suite", 3);
  EXPECT_EQ(hits->HitTest(nullptr, nullptr, 0, nullptr), kSPUnimplementedError);
  host().basicSuite()->ReleaseSuite("AI Symbol Suite", 4);
  host().basicSuite()->ReleaseSuite("AI Hit Test Suite", 3);
}

TEST_F(HostServicesTest, MisuseIsAnsweredAndLogged) {
  const SPBasicSuite* basic = host().basicSuite();
  int local = 0;
  EXPECT_EQ(basic->FreeBlock(&local), kSPBadHandleError);
  EXPECT_EQ(basic->ReleaseSuite("AI Art Suite", 14), kSPMisuseError);
  const auto* context = acquire<AIAppContextSuite>("AI Context Suite", 4);
  EXPECT_EQ(context->PopAppContext(reinterpret_cast<AIAppContextHandle>(0x1234)), kSPMisuseError);
  const auto* strings = acquire<AIUnicodeStringSuite>("AI Unicode String Suite", 6);
  EXPECT_EQ(strings->Destroy(reinterpret_cast<AIUnicodeStringRef>(0x1234)), kSPBadHandleError);
  EXPECT_EQ(host().pickMenuItem(reinterpret_cast<AIMenuItemHandle>(0x1234)), kSPBadHandleError);
  EXPECT_EQ(takeMisuse(), 4u);
  basic->ReleaseSuite("AI Context Suite", 4);
  basic->ReleaseSuite("AI Unicode String Suite", 6);
}

TEST_F(HostServicesTest, BlocksAreCountedAndTheNthRequestFails) {
  const SPBasicSuite* basic = host().basicSuite();
  host().memory().failRequest(2);
  void* first = nullptr;
  void* second = nullptr;
  EXPECT_EQ(basic->AllocateBlock(16, &first), kSPNoError);
  EXPECT_EQ(basic->AllocateBlock(16, &second), kSPOutOfMemoryError);
  EXPECT_EQ(second, nullptr);
  EXPECT_EQ(host().memory().blocks(nullptr), 1u);
  void* grown = nullptr;
  EXPECT_EQ(basic->ReallocateBlock(first, 64, &grown), kSPNoError);
  EXPECT_EQ(host().memory().bytes(nullptr), 64u);
  EXPECT_EQ(basic->FreeBlock(grown), kSPNoError);
  EXPECT_EQ(basic->FreeBlock(grown), kSPBadHandleError) << "a double free is refused";
  EXPECT_EQ(takeMisuse(), 1u);
}

TEST_F(HostServicesTest, WithdrawnSuiteIsNotFound) {
  host().suites().withdraw("AI Menu Suite");
  const void* suite = reinterpret_cast<const void*>(0x1);
  EXPECT_EQ(host().basicSuite()->AcquireSuite("AI Menu Suite", 9, &suite), kSPSuiteNotFoundError);
  EXPECT_EQ(suite, nullptr);
  host().suites().restore("AI Menu Suite");
  EXPECT_EQ(host().basicSuite()->AcquireSuite("AI Menu Suite", 9, &suite), kSPNoError);
  EXPECT_NE(suite, nullptr);
  host().basicSuite()->ReleaseSuite("AI Menu Suite", 9);
}

}  // namespace
}  // namespace qv::test
