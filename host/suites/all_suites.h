// Registration of every suite the host offers, one function per suite family.
#pragma once

namespace qv::host {

class SuiteRegistry;

void registerPicaSuites(SuiteRegistry& registry);
void registerStartupSuites(SuiteRegistry& registry);
void registerMenuSuite(SuiteRegistry& registry);
void registerToolSuite(SuiteRegistry& registry);
void registerUnicodeStringSuite(SuiteRegistry& registry);
void registerAdmBasicSuite(SuiteRegistry& registry);
void registerAdmIconSuite(SuiteRegistry& registry);
void registerPendingSuites(SuiteRegistry& registry);

inline void registerAllSuites(SuiteRegistry& registry) {
  registerPicaSuites(registry);
  registerStartupSuites(registry);
  registerMenuSuite(registry);
  registerToolSuite(registry);
  registerUnicodeStringSuite(registry);
  registerAdmBasicSuite(registry);
  registerAdmIconSuite(registry);
  registerPendingSuites(registry);
}

}  // namespace qv::host
