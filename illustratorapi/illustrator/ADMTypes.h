/* Types of the dialog manager suites: dialogs, items, lists, entries, icons, notifiers and the
 * procedures a module hands to them. Dialogs and their items belong to the host; a module never
 * frees them. Pixel rectangles inside a dialog, top < bottom. Plain C; host UI thread only. */
#ifndef QV_ADMTYPES_H
#define QV_ADMTYPES_H

#include "SPTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

typedef struct _ADMDialog* ADMDialogRef;
typedef struct _ADMItem* ADMItemRef;
typedef struct _ADMList* ADMListRef;
typedef struct _ADMEntry* ADMEntryRef;
typedef struct _ADMIcon* ADMIconRef;
typedef struct _ADMNotifier* ADMNotifierRef;
typedef void* ADMUserData;
typedef int32_t ADMErr;

typedef struct ADMRect {
  int32_t left, top, right, bottom;
} ADMRect;

/* Runs while Create builds the dialog, before Create returns. */
typedef ADMErr (*ADMDialogInitProc)(ADMDialogRef dialog);
typedef ADMErr (*ADMItemInitProc)(ADMItemRef item);
/* Runs at once for every notification the item receives. */
typedef void (*ADMItemNotifyProc)(ADMItemRef item, ADMNotifierRef notifier);

#define kADMUserChangedNotifier "ADM User Changed Notifier"

#define kADMTextStaticType "ADM Text Static Type"
#define kADMSpinEditType "ADM Spin Edit Type"
#define kADMPopupListType "ADM Popup List Type"
#define kADMTextCheckBoxType "ADM Text Check Box Type"
#define kADMTextPushButtonType "ADM Text Push Button Type"

/* Icon image types; kADMUnknownIconType means the resource held no image the host knows. */
enum { kADMPNGIconType = 6, kADMUnknownIconType = 7 };

/* Modifier bits of the tracker. */
enum { kADMShiftKeyModifier = 0x20, kADMAltKeyModifier = 0x40, kADMCtrlKeyModifier = 0x200 };

#ifdef __cplusplus
}
#endif

#endif
