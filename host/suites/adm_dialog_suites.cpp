// The dialog manager's suites (Dialog, Item, List, Entry) as one family for registerAllSuites.
#include "adm_suites.h"
#include "all_suites.h"

namespace qv::host {

void registerAdmDialogSuites(SuiteRegistry& registry) {
  registerAdmDialogSuite(registry);
  registerAdmItemSuite(registry);
  registerAdmListSuites(registry);
}

}  // namespace qv::host
