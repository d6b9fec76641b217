// The registry of suite call sites. Touches only the CallSite objects of the suite entries.
#include "call_sites.h"

namespace qv::host {

CallSite::CallSite(const char* suiteName, const char* callName) : suite(suiteName), call(callName) {
  CallSiteRegistry::instance().add(*this);
}

CallSiteRegistry& CallSiteRegistry::instance() {
  static CallSiteRegistry registry;
  return registry;
}

void CallSiteRegistry::add(CallSite& site) { sites_[{site.suite, site.call}] = &site; }

CallSite* CallSiteRegistry::find(const std::string& suite, const std::string& call) const {
  const auto it = sites_.find({suite, call});
  return it == sites_.end() ? nullptr : it->second;
}

void CallSiteRegistry::reset() {
  for (auto& [key, site] : sites_) {
    site->calls = 0;
    site->failCode = kNoErr;
    site->failAfter = 0;
    site->failTimes = 0;
  }
}

}  // namespace qv::host
