/* AI Tag Suite (version 2): named string tags on art. "AI Tag Suite" 2.
 * The host copies the value. Plain C; host UI thread only. */
#ifndef QV_AITAG_H
#define QV_AITAG_H

#include "AITypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kAITagSuite "AI Tag Suite"
#define kAITagSuiteVersion 2

typedef struct AITagSuite {
  /* Sets tag `name` of kind `type` ("string": value is a C string). */
  AIErr (*SetTag)(AIArtHandle art, const char* name, const char* type, const void* value);
  /* *value receives a string tag, owned by the art (output); kSPNotFoundError if none. */
  AIErr (*GetTag)(AIArtHandle art, const char* name, const char* type, const char** value);
} AITagSuite;

#ifdef __cplusplus
}
#endif

#endif
