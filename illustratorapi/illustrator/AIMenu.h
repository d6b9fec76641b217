/* AI Menu Suite (version 9): the host's menus. "AI Menu Suite" 9. Items and groups belong to
 * the host and live as long as it does; picking an item sends "AI Menu"/"AI Go" to the module
 * that added it. Plain C; host UI thread only. */
#ifndef QV_AIMENU_H
#define QV_AIMENU_H

#include "AITypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kAIMenuSuite "AI Menu Suite"
#define kAIMenuSuiteVersion 9

#define kCallerAIMenu "AI Menu"
#define kSelectorAIGoMenuItem "AI Go"
#define kSelectorAIUpdateMenuItem "AI Update"

/* The host's own group of about entries. */
#define kAboutMenuGroup "About"

typedef struct _AIMenuItem* AIMenuItemHandle;
typedef struct _AIMenuGroup* AIMenuGroup;

typedef struct AIMenuMessage {
  SPMessageData d;
  AIMenuItemHandle menuItem;
} AIMenuMessage;

/* Where a new item goes and what it reads; the host copies the text. */
typedef struct AIPlatformAddMenuItemDataUS {
  const char* groupName;
  AIUnicodeStringRef itemText;
} AIPlatformAddMenuItemDataUS;

typedef struct AIMenuSuite {
  /* Adds an item at the end of data->groupName; *menuItem receives it (output). */
  AIErr (*AddMenuItem)(SPPluginRef plugin, const char* keyboardShortcutKey,
                       const AIPlatformAddMenuItemDataUS* data, int32_t options,
                       AIMenuItemHandle* menuItem);
  /* Makes `menuItem` open a submenu that holds a new group named `groupName`. */
  AIErr (*AddMenuGroupAsSubMenu)(const char* groupName, int32_t options, AIMenuItemHandle menuItem,
                                 AIMenuGroup* group);
  /* *name receives the group's name, owned by the host. */
  AIErr (*GetMenuGroupName)(AIMenuGroup group, const char** name);
  AIErr (*CountMenuGroups)(int32_t* count);
  /* Groups count from 0; kSPNotFoundError past the end. */
  AIErr (*GetNthMenuGroup)(int32_t index, AIMenuGroup* group);
} AIMenuSuite;

#ifdef __cplusplus
}
#endif

#endif
