// ADM Basic Suite (versions 10 and 2): string lists from module resources, and the alerts,
// about boxes and cursor that the front end shows.

#include "ADMBasic.h"
#include "adm_lookup.h"
#include "all_suites.h"
#include "host.h"
#include "pica/suite_entry.h"

namespace qv::host {

namespace {

std::string text(const char* s) { return s == nullptr ? std::string() : std::string(s); }

ADMErr getIndexString(SPPluginRef plugin, int32_t listID, int32_t index, char* buffer,
                      int32_t length) {
  if (buffer == nullptr || length <= 0) return kSPBadParameterError;
  buffer[0] = '\0';
  PluginModule* module = Host::active().moduleFor(plugin);
  if (module == nullptr) return kSPBadHandleError;
  const auto list = module->resources.stringList(listID);
  if (!list || index < 1 || static_cast<std::size_t>(index) > list->size()) {
    return kSPNotFoundError;
  }
  copyOut((*list)[static_cast<std::size_t>(index - 1)], buffer, length, "GetIndexString");
  return kNoErr;
}

void record(FrontEndKind kind, std::string title, std::string body, int32_t resource = 0,
            const PluginModule* module = nullptr) {
  Host& host = Host::active();
  host.frontEnd().push_back(FrontEndEvent{kind, module != nullptr ? module : host.current(),
                                          std::move(title), std::move(body), resource});
}

void errorAlert(const char* message) { record(FrontEndKind::ErrorAlert, {}, text(message)); }

void aboutBox(SPPluginRef plugin, const char* text1, const char* text2) {
  record(FrontEndKind::AboutBox, text(text1), text(text2), 0, Host::active().moduleFor(plugin));
}

void aboutAlert(const char* title, const char* message) {
  record(FrontEndKind::AboutAlert, text(title), text(message));
}

void setPlatformCursor(SPPluginRef plugin, int32_t cursorID) {
  Host& host = Host::active();
  PluginModule* module = host.moduleFor(plugin);
  if (module == nullptr || module->resources.find(fourCC("CURS"), cursorID) == nullptr) {
    host.misuse("asked for cursor " + std::to_string(cursorID) + " that it does not have");
    return;
  }
  record(FrontEndKind::Cursor, {}, {}, cursorID, module);
}

const ADMBasicSuite kBasic = {
    .GetIndexString = QV_ENTRY(kADMBasicSuite, GetIndexString, getIndexString),
    .ErrorAlert = QV_VALUE_ENTRY(kADMBasicSuite, ErrorAlert, errorAlert),
    .AboutBox = QV_VALUE_ENTRY(kADMBasicSuite, AboutBox, aboutBox),
    .AboutAlert = QV_VALUE_ENTRY(kADMBasicSuite, AboutAlert, aboutAlert),
    .SetPlatformCursor = QV_VALUE_ENTRY(kADMBasicSuite, SetPlatformCursor, setPlatformCursor),
};

}  // namespace

void registerAdmBasicSuite(SuiteRegistry& registry) {
  registry.add(kADMBasicSuite, kADMBasicSuiteVersion, &kBasic);
  registry.add(kADMBasicSuite, kADMBasicSuiteVersion2, &kBasic);
}

}  // namespace qv::host
