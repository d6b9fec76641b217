// The plug-in manager's suites: SP Basic (suites and blocks), SP Access, SP Plug-ins and
// SP Blocks. Touches the host's suite registry, block allocator and module records.
#include <cstring>

#include "SPAccess.h"
#include "SPBasic.h"
#include "SPBlocks.h"
#include "SPPlugins.h"
#include "all_suites.h"
#include "host.h"
#include "pica/suite_entry.h"

namespace qv::host {

namespace {

SPErr acquireSuite(const char* name, int32_t version, const void** suite) {
  if (name == nullptr || suite == nullptr) return kSPBadParameterError;
  Host& host = Host::active();
  return host.suites().acquire(host.current(), name, version, suite);
}

SPErr releaseSuite(const char* name, int32_t version) {
  if (name == nullptr) return kSPBadParameterError;
  Host& host = Host::active();
  const SPErr error = host.suites().release(host.current(), name, version);
  if (error != kSPNoError) {
    host.misuse(std::string("released ") + name + " " + std::to_string(version) +
                " without holding it");
  }
  return error;
}

ASBoolean isEqual(const char* a, const char* b) {
  return a != nullptr && b != nullptr && std::strcmp(a, b) == 0;
}

SPErr allocateBlock(size_t size, void** block) {
  Host& host = Host::active();
  return host.memory().allocate(host.current(), size, block);
}

SPErr freeBlock(void* block) {
  if (block == nullptr) return kSPNoError;
  Host& host = Host::active();
  const SPErr error = host.memory().free(block);
  if (error != kSPNoError) host.misuse("freed a block the host did not hand out");
  return error;
}

SPErr reallocateBlock(void* block, size_t size, void** newBlock) {
  Host& host = Host::active();
  if (block == nullptr) return host.memory().allocate(host.current(), size, newBlock);
  const SPErr error = host.memory().reallocate(block, size, newBlock);
  if (error == kSPBadHandleError) host.misuse("resized a block the host did not hand out");
  return error;
}

SPErr undefined() { return kSPUnimplementedError; }

SPErr blocksAllocate(size_t size, const char*, void** block) { return allocateBlock(size, block); }
SPErr blocksReallocate(void* block, size_t size, const char*, void** newBlock) {
  return reallocateBlock(block, size, newBlock);
}

SPErr acquirePlugin(SPPluginRef plugin, SPAccessRef* access) {
  if (access == nullptr) return kSPBadParameterError;
  *access = nullptr;
  PluginModule* module = Host::active().moduleFor(plugin);
  if (module == nullptr) return kSPBadHandleError;
  ++module->accessRefs;
  *access = reinterpret_cast<SPAccessRef>(module);
  return kSPNoError;
}

SPErr releasePlugin(SPAccessRef access) {
  Host& host = Host::active();
  PluginModule* module = host.moduleFor(reinterpret_cast<SPPluginRef>(access));
  if (module == nullptr || module->accessRefs == 0) {
    host.misuse("released an access reference it does not hold");
    return kSPBadHandleError;
  }
  --module->accessRefs;
  return kSPNoError;
}

SPErr setPluginName(SPPluginRef plugin, const char* name) {
  PluginModule* module = Host::active().moduleFor(plugin);
  if (module == nullptr) return kSPBadHandleError;
  if (name == nullptr) return kSPBadParameterError;
  module->registeredName = name;
  return kSPNoError;
}

SPErr getPluginName(SPPluginRef plugin, const char** name) {
  if (name == nullptr) return kSPBadParameterError;
  *name = nullptr;
  PluginModule* module = Host::active().moduleFor(plugin);
  if (module == nullptr) return kSPBadHandleError;
  *name = module->registeredName.c_str();
  return kSPNoError;
}

const SPBasicSuite kBasic = {
    .AcquireSuite = QV_ENTRY(kSPBasicSuite, AcquireSuite, acquireSuite),
    .ReleaseSuite = QV_ENTRY(kSPBasicSuite, ReleaseSuite, releaseSuite),
    .IsEqual = QV_VALUE_ENTRY(kSPBasicSuite, IsEqual, isEqual),
    .AllocateBlock = QV_ENTRY(kSPBasicSuite, AllocateBlock, allocateBlock),
    .FreeBlock = QV_ENTRY(kSPBasicSuite, FreeBlock, freeBlock),
    .ReallocateBlock = QV_ENTRY(kSPBasicSuite, ReallocateBlock, reallocateBlock),
    .Undefined = QV_ENTRY(kSPBasicSuite, Undefined, undefined),
};

const SPAccessSuite kAccess = {
    .AcquirePlugin = QV_ENTRY(kSPAccessSuite, AcquirePlugin, acquirePlugin),
    .ReleasePlugin = QV_ENTRY(kSPAccessSuite, ReleasePlugin, releasePlugin),
};

const SPPluginsSuite kPlugins = {
    .SetPluginName = QV_ENTRY(kSPPluginsSuite, SetPluginName, setPluginName),
    .GetPluginName = QV_ENTRY(kSPPluginsSuite, GetPluginName, getPluginName),
};

const SPBlocksSuite kBlocks = {
    .AllocateBlock = QV_ENTRY(kSPBlocksSuite, AllocateBlock, blocksAllocate),
    .FreeBlock = QV_ENTRY(kSPBlocksSuite, FreeBlock, freeBlock),
    .ReallocateBlock = QV_ENTRY(kSPBlocksSuite, ReallocateBlock, blocksReallocate),
};

}  // namespace

const SPBasicSuite* Host::basicSuite() const { return &kBasic; }

void registerPicaSuites(SuiteRegistry& registry) {
  registry.add(kSPBasicSuite, kSPBasicSuiteVersion, &kBasic);
  registry.add(kSPAccessSuite, kSPAccessSuiteVersion, &kAccess);
  registry.add(kSPPluginsSuite, kSPPluginsSuiteVersion, &kPlugins);
  registry.add(kSPBlocksSuite, kSPBlocksSuiteVersion, &kBlocks);
}

}  // namespace qv::host
