// Per-call bookkeeping of every host suite function: how often modules called it, and an
// optional armed failure (fault injection for tests). Each suite entry owns one CallSite; the
// registry finds them by (suite, call) name. Process-wide, host UI thread only.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <utility>

#include "SPTypes.h"

namespace qv::host {

struct CallSite {
  CallSite(const char* suiteName, const char* callName);
  const char* suite;
  const char* call;
  uint64_t calls = 0;
  // Armed failure: after `failAfter` more successful calls, the next `failTimes` calls (-1:
  // all) answer `failCode` without doing anything.
  SPErr failCode = kNoErr;
  int64_t failAfter = 0;
  int64_t failTimes = 0;

  // Counts the call; returns the armed code when this call must fail, else 0.
  SPErr enter() {
    ++calls;
    if (failCode == kNoErr) return kNoErr;
    if (failAfter > 0) {
      --failAfter;
      return kNoErr;
    }
    if (failTimes == 0) return kNoErr;
    if (failTimes > 0) --failTimes;
    return failCode;
  }
};

class CallSiteRegistry {
 public:
  static CallSiteRegistry& instance();
  void add(CallSite& site);
  // Null when no suite entry has that name.
  CallSite* find(const std::string& suite, const std::string& call) const;
  // Clears every count and armed failure.
  void reset();
  const std::map<std::pair<std::string, std::string>, CallSite*>& sites() const { return sites_; }

 private:
  std::map<std::pair<std::string, std::string>, CallSite*> sites_;
};

}  // namespace qv::host
