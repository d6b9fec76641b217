/* AI Notifier Suite (version 2): asks the host to send "AI Notifier"/"AI Notify" messages of a
 * notification type to this module. "AI Notifier Suite" 2. The notifier belongs to the host.
 * Plain C; host UI thread only. */
#ifndef QV_AINOTIFIER_H
#define QV_AINOTIFIER_H

#include "SPTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kAINotifierSuite "AI Notifier Suite"
#define kAINotifierSuiteVersion 2

#define kCallerAINotify "AI Notifier"
#define kSelectorAINotify "AI Notify"
#define kAIApplicationStartedNotifier "AI Application Started Notifier"

typedef struct _AINotifier* AINotifierHandle;

/* "AI Notifier" messages: which notifier fired, its type, and data of the type. */
typedef struct AINotifierMessage {
  SPMessageData d;
  AINotifierHandle notifier;
  const char* type;
  void* notifyData;
} AINotifierMessage;

typedef struct AINotifierSuite {
  /* Registers `name` for `type`; *notifier (may be null: no handle wanted) receives it. */
  AIErr (*AddNotifier)(SPPluginRef plugin, const char* name, const char* type,
                       AINotifierHandle* notifier);
} AINotifierSuite;

#ifdef __cplusplus
}
#endif

#endif
