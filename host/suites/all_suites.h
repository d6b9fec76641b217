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
void registerArtSuite(SuiteRegistry& registry);
void registerPathSuites(SuiteRegistry& registry);
void registerSelectionSuites(SuiteRegistry& registry);
void registerDocumentSuites(SuiteRegistry& registry);
void registerRealMathSuite(SuiteRegistry& registry);
void registerArtAttributeSuites(SuiteRegistry& registry);
void registerUndoSuite(SuiteRegistry& registry);
void registerEnvelopeSuite(SuiteRegistry& registry);
void registerTrackerSuite(SuiteRegistry& registry);
void registerPendingSuites(SuiteRegistry& registry);
// The dialog manager's Dialog, Item, List and Entry suites.
void registerAdmDialogSuites(SuiteRegistry& registry);

inline void registerAllSuites(SuiteRegistry& registry) {
  registerPicaSuites(registry);
  registerStartupSuites(registry);
  registerMenuSuite(registry);
  registerToolSuite(registry);
  registerUnicodeStringSuite(registry);
  registerAdmBasicSuite(registry);
  registerAdmIconSuite(registry);
  registerArtSuite(registry);
  registerPathSuites(registry);
  registerSelectionSuites(registry);
  registerDocumentSuites(registry);
  registerRealMathSuite(registry);
  registerArtAttributeSuites(registry);
  registerUndoSuite(registry);
  registerEnvelopeSuite(registry);
  registerTrackerSuite(registry);
  registerPendingSuites(registry);
  registerAdmDialogSuites(registry);
}

}  // namespace qv::host
