/* ADM Dialog Suite (version 10): palettes and their items. "ADM Dialog Suite" 10.
 * Dialogs and items belong to the host; the module never destroys them. Create runs the init
 * procedure before it returns. Plain C; host UI thread only. */
#ifndef QV_ADMDIALOG_H
#define QV_ADMDIALOG_H

#include "ADMTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kADMDialogSuite "ADM Dialog Suite"
#define kADMDialogSuiteVersion 10

enum { kADMFloatingDialogStyle = 2, kADMTabbedFloatingDialogStyle = 3 };

typedef struct ADMDialogSuite {
  /* A new dialog from template `dialogID`; null on failure. */
  ADMDialogRef (*Create)(SPPluginRef plugin, const char* name, int32_t dialogID, int32_t style,
                         ADMDialogInitProc initProc, ADMUserData userData, int32_t options);
  void (*Show)(ADMDialogRef dialog, ASBoolean show);
  ASBoolean (*IsVisible)(ADMDialogRef dialog);
  void (*Size)(ADMDialogRef dialog, int32_t width, int32_t height);
  void (*SetText)(ADMDialogRef dialog, const char* text);
  void (*SetBoundsRect)(ADMDialogRef dialog, const ADMRect* bounds);
  /* *bounds receives the dialog's bounds on the screen (output). */
  void (*GetBoundsRect)(ADMDialogRef dialog, ADMRect* bounds);
  /* A new item of type `itemType`; null on failure or a duplicate ID. */
  ADMItemRef (*CreateItem)(ADMDialogRef dialog, int32_t itemID, const char* itemType,
                           const ADMRect* boundsRect, ADMItemInitProc initProc,
                           ADMUserData userData, int32_t options);
  /* The item with that ID, or null. */
  ADMItemRef (*GetItem)(ADMDialogRef dialog, int32_t itemID);
  /* Attaches icon kind 0 (normal) or 1 (selected) to the palette. */
  void (*SetIcon)(ADMDialogRef dialog, int32_t kind, ADMIconRef icon);
} ADMDialogSuite;

#ifdef __cplusplus
}
#endif

#endif
