/* AI Unicode String Suite (version 6): host-owned strings. "AI Unicode String Suite" 6.
 * A string made here belongs to the module until it passes it to Destroy; the host counts
 * them per module. Encoding 0 (the platform encoding) is UTF-8 in this host.
 * Plain C; host UI thread only. */
#ifndef QV_AIUNICODESTRING_H
#define QV_AIUNICODESTRING_H

#include "AITypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kAIUnicodeStringSuite "AI Unicode String Suite"
#define kAIUnicodeStringSuiteVersion 6

enum { kAIPlatformCharacterEncoding = 0, kAIUTF8CharacterEncoding = 2 };

typedef struct AIUnicodeStringSuite {
  /* Makes a string of `byteLength` bytes of `text` in `encoding`; *string receives it. */
  AIErr (*Initialize)(AIUnicodeStringRef* string, const char* text, size_t byteLength,
                      int32_t encoding);
  /* Makes *destination a copy of `source`, making a new string when *destination is null. */
  AIErr (*Copy)(AIUnicodeStringRef* destination, AIUnicodeStringRef source);
  /* Gives the string back. */
  AIErr (*Destroy)(AIUnicodeStringRef string);
  /* *text receives the UTF-8 text, owned by the string, and *byteLength its length. */
  AIErr (*GetUTF8)(AIUnicodeStringRef string, const char** text, size_t* byteLength);
} AIUnicodeStringSuite;

#ifdef __cplusplus
}
#endif

#endif
