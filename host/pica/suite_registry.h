// The suites the host offers, by name and version, and what each module holds of them. A test
// can withdraw a suite (acquiring it then fails as if the host had none). Host UI thread only.
#pragma once

#include <map>
#include <set>
#include <string>
#include <utility>

#include "SPTypes.h"

namespace qv::host {

struct PluginModule;

class SuiteRegistry {
 public:
  void add(const std::string& name, int32_t version, const void* table);
  // Fills *suite (null on failure): kSPSuiteNotFoundError for an unknown or withdrawn suite.
  SPErr acquire(const PluginModule* who, const std::string& name, int32_t version,
                const void** suite);
  // kSPMisuseError when `who` holds no acquisition of the suite.
  SPErr release(const PluginModule* who, const std::string& name, int32_t version);

  void withdraw(const std::string& name) { withdrawn_.insert(name); }
  void restore(const std::string& name) { withdrawn_.erase(name); }

  bool offers(const std::string& name, int32_t version) const;
  // Acquisitions `who` holds now, of one suite or of all.
  int held(const PluginModule* who, const std::string& name, int32_t version) const;
  int heldTotal(const PluginModule* who) const;
  // Successful acquisitions and all attempts (failed ones included) since the host started.
  int acquisitions(const PluginModule* who, const std::string& name) const;
  int attempts(const PluginModule* who, const std::string& name) const;
  // Forgets what a module holds (after its code is gone for good).
  void forget(const PluginModule* who);
  const std::map<std::pair<std::string, int32_t>, const void*>& offered() const { return tables_; }

 private:
  using Key = std::pair<std::string, int32_t>;
  std::map<Key, const void*> tables_;
  std::set<std::string> withdrawn_;
  std::map<std::pair<const PluginModule*, Key>, int> held_;
  std::map<std::pair<const PluginModule*, std::string>, int> acquisitions_;
  std::map<std::pair<const PluginModule*, std::string>, int> attempts_;
};

}  // namespace qv::host
