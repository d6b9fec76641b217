// ai::UnicodeString: a value type owning one string of the AI Unicode String Suite. Every host
// failure is thrown as ai::Error with the host's code. Module side only: it reads the module's
// process-wide suite pointer sAIUnicodeString, which must be acquired while strings are made.
#ifndef QV_IAIUNICODESTRING_HPP
#define QV_IAIUNICODESTRING_HPP

#include "AIError.hpp"
#include "AIUnicodeString.h"

extern const AIUnicodeStringSuite* sAIUnicodeString;

namespace ai {

class UnicodeString {
 public:
  UnicodeString() noexcept = default;
  // Makes a host string of `text` in `encoding`; a null text leaves the string empty.
  explicit UnicodeString(const char* text, int32_t encoding = kAIPlatformCharacterEncoding);
  UnicodeString(const UnicodeString& other);
  UnicodeString& operator=(const UnicodeString& other);
  ~UnicodeString();

  // The host handle, null while empty; still owned by this object.
  AIUnicodeStringRef get() const noexcept { return string_; }

 private:
  AIUnicodeStringRef string_ = nullptr;
};

}  // namespace ai

#endif
