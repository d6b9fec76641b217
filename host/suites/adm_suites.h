// Registration of the dialog-manager suites, one function per suite file; registerAdmDialogSuites
// (all_suites.h) calls them all.
#pragma once

namespace qv::host {

class SuiteRegistry;

void registerAdmDialogSuite(SuiteRegistry& registry);
void registerAdmItemSuite(SuiteRegistry& registry);
void registerAdmListSuites(SuiteRegistry& registry);

}  // namespace qv::host
