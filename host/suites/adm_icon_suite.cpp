// ADM Icon Suite: icons from the PNG resources of a module.
#include "ADMIcon.h"
#include "all_suites.h"
#include "host.h"
#include "pica/suite_entry.h"

namespace qv::host {

namespace {

ADMIconRef getFromResource(SPPluginRef plugin, int32_t iconID, int32_t iconIndex) {
  Host& host = Host::active();
  PluginModule* module = host.moduleFor(plugin);
  if (module == nullptr) return nullptr;
  const int32_t resourceID = iconID + iconIndex;
  const auto* bytes = module->resources.find(fourCC("PNGI"), resourceID);
  if (bytes == nullptr) return nullptr;
  Icon icon = describeIcon(*bytes);
  icon.owner = module;
  icon.resourceID = resourceID;
  return host.icons().add(std::move(icon));
}

const Icon* lookup(ADMIconRef icon) { return Host::active().icons().find(icon); }

int32_t getType(ADMIconRef icon) {
  const Icon* found = lookup(icon);
  return found == nullptr ? kADMUnknownIconType : found->type;
}
int32_t getWidth(ADMIconRef icon) {
  const Icon* found = lookup(icon);
  return found == nullptr ? 0 : found->width;
}
int32_t getHeight(ADMIconRef icon) {
  const Icon* found = lookup(icon);
  return found == nullptr ? 0 : found->height;
}

const ADMIconSuite kIcon = {
    .GetFromResource = QV_VALUE_ENTRY(kADMIconSuite, GetFromResource, getFromResource),
    .GetType = QV_VALUE_ENTRY(kADMIconSuite, GetType, getType),
    .GetWidth = QV_VALUE_ENTRY(kADMIconSuite, GetWidth, getWidth),
    .GetHeight = QV_VALUE_ENTRY(kADMIconSuite, GetHeight, getHeight),
};

}  // namespace

void registerAdmIconSuite(SuiteRegistry& registry) {
  registry.add(kADMIconSuite, kADMIconSuiteVersion, &kIcon);
}

}  // namespace qv::host
