// AI Unicode String Suite: host strings made, copied and given back by modules.
#include "AIUnicodeString.h"
#include "all_suites.h"
#include "host.h"
#include "pica/suite_entry.h"

namespace qv::host {

namespace {

AIErr initialize(AIUnicodeStringRef* string, const char* text, size_t byteLength,
                 int32_t encoding) {
  if (string == nullptr || (text == nullptr && byteLength != 0)) return kSPBadParameterError;
  *string = nullptr;
  if (encoding != kAIPlatformCharacterEncoding && encoding != kAIUTF8CharacterEncoding) {
    return kSPBadParameterError;
  }
  Host& host = Host::active();
  *string =
      host.strings().add(host.current(), std::string(text == nullptr ? "" : text, byteLength));
  return kNoErr;
}

AIErr copy(AIUnicodeStringRef* destination, AIUnicodeStringRef source) {
  if (destination == nullptr) return kSPBadParameterError;
  Host& host = Host::active();
  const HostString* from = host.strings().find(source);
  if (from == nullptr) return kSPBadHandleError;
  if (*destination == nullptr) {
    *destination = host.strings().add(host.current(), from->utf8);
    return kNoErr;
  }
  HostString* to = host.strings().find(*destination);
  if (to == nullptr) return kSPBadHandleError;
  to->utf8 = from->utf8;
  return kNoErr;
}

AIErr destroy(AIUnicodeStringRef string) {
  Host& host = Host::active();
  if (!host.strings().erase(string)) {
    host.misuse("disposed of a string that does not exist");
    return kSPBadHandleError;
  }
  return kNoErr;
}

AIErr getUTF8(AIUnicodeStringRef string, const char** text, size_t* byteLength) {
  if (text == nullptr || byteLength == nullptr) return kSPBadParameterError;
  *text = nullptr;
  *byteLength = 0;
  const HostString* found = Host::active().strings().find(string);
  if (found == nullptr) return kSPBadHandleError;
  *text = found->utf8.c_str();
  *byteLength = found->utf8.size();
  return kNoErr;
}

const AIUnicodeStringSuite kUnicodeString = {
    .Initialize = QV_ENTRY(kAIUnicodeStringSuite, Initialize, initialize),
    .Copy = QV_ENTRY(kAIUnicodeStringSuite, Copy, copy),
    .Destroy = QV_ENTRY(kAIUnicodeStringSuite, Destroy, destroy),
    .GetUTF8 = QV_ENTRY(kAIUnicodeStringSuite, GetUTF8, getUTF8),
};

}  // namespace

void registerUnicodeStringSuite(SuiteRegistry& registry) {
  registry.add(kAIUnicodeStringSuite, kAIUnicodeStringSuiteVersion, &kUnicodeString);
}

}  // namespace qv::host
