// Error reporting as a user sees it: the silent codes, the 5-second window for a repeated
// code, and how a message from string list 16050 is chosen and formatted.
#include <cstdio>

#include "host_fixture.h"

namespace qv::test {
namespace {

constexpr SPErr kFake = QV_FOURCC('F', 'a', 'k', 'e');
constexpr SPErr kOther = QV_FOURCC('O', 't', 'h', 'r');

class ErrorReportTest : public HostTest {
 protected:
  host::PluginModule& probeWith(const std::vector<std::string>& messages) {
    auto& probe = load(probeFile());
    probe.resources.setStringList(16050, messages);
    EXPECT_EQ(host().startup(probe), kNoErr);
    probe_ = &probe;
    return probe;
  }
  // Makes the probe's handler return `code` (or throw it as ai::Error).
  SPErr fail(SPErr code, bool thrown = false) {
    char hex[16];
    std::snprintf(hex, sizeof hex, "%X", static_cast<unsigned>(code));
    probe_->resources.setStringList(16200, {hex});
    return host().sendTool(*probe_, kSelectorAIToolMouseDrag, AIRealPoint{thrown ? 2.0f : 3.0f, 0});
  }

 private:
  host::PluginModule* probe_ = nullptr;
};

TEST_F(ErrorReportTest, RepeatWithinFiveSecondsIsShownOnce) {
  probeWith({"0", "Failed: %s"});
  struct Step {
    std::time_t at;
    SPErr code;
    std::size_t shownSoFar;
  };
  const Step steps[] = {
      {1000, kFake, 1},   // shown
      {1002, kFake, 1},   // 2 s later: suppressed
      {1004, kFake, 1},   // still inside the window that began at 1000
      {1005, kFake, 2},   // 5 s after the last shown one: shown again
      {1005, kOther, 3},  // a different code is always shown
      {1006, kFake, 4},   // and it reset the window
  };
  for (const Step& step : steps) {
    host::HostClock::set(step.at);
    EXPECT_EQ(fail(step.code), step.code);
    EXPECT_EQ(alerts().size(), step.shownSoFar) << "at " << step.at;
  }
}

TEST_F(ErrorReportTest, SilentCodesAreReturnedButNeverShown) {
  probeWith({"0", "Failed: %s"});
  for (const SPErr code : {SPErr{361}, QV_FOURCC('S', 'T', 'O', 'P'), QV_FOURCC('S', '!', 'F', 'd'),
                           QV_FOURCC('F', 'M', 'T', '?'), QV_FOURCC('p', 'F', 'l', 's')}) {
    EXPECT_EQ(fail(code), code);
    EXPECT_EQ(fail(code, true), code);
  }
  EXPECT_TRUE(alerts().empty());
}

TEST_F(ErrorReportTest, NoMessageListMeansNoAlert) {
  auto& probe = load(probeFile());
  ASSERT_EQ(host().startup(probe), kNoErr);
  probe.resources.setStringList(16200, {"46616B65"});
  EXPECT_EQ(host().sendTool(probe, kSelectorAIToolMouseDrag, AIRealPoint{3, 0}), kFake);
  EXPECT_TRUE(alerts().empty());
}

TEST_F(ErrorReportTest, MessagesAreChosenAndFormatted) {
  probeWith({"-108", "Out of memory (%s).", "Fake", "Fake failed: %s", "5000", "100% of %d: %s",
             "0", "Error %s happened."});
  struct Row {
    SPErr code;
    std::string shown;
  };
  const Row rows[] = {
      {-108, "Out of memory (-108)."},
      {kFake, "Fake failed: Fake"},
      {kOther, "Error Othr happened."},   // not listed: the last pair's message
      {0x4000, "Error 16384 happened."},  // not above 0x4000: decimal
      // Above 0x4000: four characters; bytes that are no characters are escaped.
      {0x4001, "Error \\x00\\x00@\\x01 happened."},
      {5000, "100% of %d: 5000"},  // only the one %s is replaced: a message is never a format
  };
  for (const Row& row : rows) {
    host().frontEnd().clear();
    fail(row.code);
    EXPECT_EQ(alerts(), std::vector<std::string>{row.shown}) << row.code;
  }
}

TEST_F(ErrorReportTest, MessageOf120CharactersOrMoreIsShownUnformatted) {
  for (const std::size_t length : {119u, 120u, 200u}) {
    SCOPED_TRACE(length);
    makeHost();
    const std::string message = std::string(length - 2, 'x') + "%s";
    probeWith({"0", message});
    fail(kFake);
    ASSERT_EQ(alerts().size(), 1u);
    // Read into a 128-byte buffer: at most 127 characters.
    const std::string read = message.substr(0, 127);
    EXPECT_EQ(alerts()[0], length < 120 ? std::string(length - 2, 'x') + "Fake" : read);
  }
}

}  // namespace
}  // namespace qv::test
