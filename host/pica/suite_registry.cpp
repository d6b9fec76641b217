// Acquisition bookkeeping of the host's suites. Touches only the registry's own tables.
#include "suite_registry.h"

namespace qv::host {

void SuiteRegistry::add(const std::string& name, int32_t version, const void* table) {
  tables_[{name, version}] = table;
}

bool SuiteRegistry::offers(const std::string& name, int32_t version) const {
  return tables_.count({name, version}) != 0 && withdrawn_.count(name) == 0;
}

SPErr SuiteRegistry::acquire(const PluginModule* who, const std::string& name, int32_t version,
                             const void** suite) {
  ++attempts_[{who, name}];
  const auto it = tables_.find({name, version});
  if (it == tables_.end() || withdrawn_.count(name) != 0) {
    if (suite != nullptr) *suite = nullptr;
    return kSPSuiteNotFoundError;
  }
  if (suite == nullptr) return kSPBadParameterError;
  *suite = it->second;
  ++held_[{who, {name, version}}];
  ++acquisitions_[{who, name}];
  return kSPNoError;
}

SPErr SuiteRegistry::release(const PluginModule* who, const std::string& name, int32_t version) {
  const auto it = held_.find({who, {name, version}});
  if (it == held_.end() || it->second == 0) return kSPMisuseError;
  if (--it->second == 0) held_.erase(it);
  return kSPNoError;
}

int SuiteRegistry::held(const PluginModule* who, const std::string& name, int32_t version) const {
  const auto it = held_.find({who, {name, version}});
  return it == held_.end() ? 0 : it->second;
}

int SuiteRegistry::heldTotal(const PluginModule* who) const {
  int total = 0;
  for (const auto& [key, count] : held_) {
    if (key.first == who) total += count;
  }
  return total;
}

int SuiteRegistry::acquisitions(const PluginModule* who, const std::string& name) const {
  const auto it = acquisitions_.find({who, name});
  return it == acquisitions_.end() ? 0 : it->second;
}

int SuiteRegistry::attempts(const PluginModule* who, const std::string& name) const {
  const auto it = attempts_.find({who, name});
  return it == attempts_.end() ? 0 : it->second;
}

void SuiteRegistry::forget(const PluginModule* who) {
  std::erase_if(held_, [who](const auto& entry) { return entry.first.first == who; });
}

}  // namespace qv::host
