// ai::UnicodeString over the host's AI Unicode String Suite: construction, copy and disposal.
// Touches only the host string it owns.
#include "IAIUnicodeString.hpp"

#include <cstring>

namespace ai {

namespace {
void check(AIErr error) {
  if (error != kNoErr) throw Error(error);
}
}  // namespace

UnicodeString::UnicodeString(const char* text, int32_t encoding) {
  if (text == nullptr) return;
  check(sAIUnicodeString->Initialize(&string_, text, std::strlen(text), encoding));
}

UnicodeString::UnicodeString(const UnicodeString& other) { *this = other; }

UnicodeString& UnicodeString::operator=(const UnicodeString& other) {
  if (this != &other && other.string_ != nullptr) {
    check(sAIUnicodeString->Copy(&string_, other.string_));
  }
  return *this;
}

UnicodeString::~UnicodeString() {
  if (string_ != nullptr && sAIUnicodeString != nullptr) sAIUnicodeString->Destroy(string_);
}

}  // namespace ai
