/* ADM Item Suite (version 7): the controls of a dialog. "ADM Item Suite" 7.
 * Items belong to their dialog. Values are clamped to an item's range; a notify procedure runs
 * at once for each notification. Plain C; host UI thread only. */
#ifndef QV_ADMITEM_H
#define QV_ADMITEM_H

#include "ADMTypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kADMItemSuite "ADM Item Suite"
#define kADMItemSuiteVersion 7

typedef struct ADMItemSuite {
  /* One procedure per item; a later call replaces it. */
  void (*SetNotifyProc)(ADMItemRef item, ADMItemNotifyProc proc);
  /* The dialog manager's own handling (commits the new value of the control). */
  void (*DefaultNotify)(ADMItemRef item, ADMNotifierRef notifier);
  /* Delivers a notification of `type` to the item's procedure before returning. */
  void (*SendNotify)(ADMItemRef item, const char* type);
  ADMDialogRef (*GetDialog)(ADMItemRef item);
  /* The entry list of a popup, or null. */
  ADMListRef (*GetList)(ADMItemRef item);
  int32_t (*GetID)(ADMItemRef item);
  void (*Show)(ADMItemRef item, ASBoolean show);
  ASBoolean (*IsVisible)(ADMItemRef item);
  void (*Enable)(ADMItemRef item, ASBoolean enable);
  ASBoolean (*IsEnabled)(ADMItemRef item);
  void (*SetText)(ADMItemRef item, const char* text);
  /* Copies the text into buffer (at most length - 1 bytes and a NUL). */
  void (*GetText)(ADMItemRef item, char* buffer, int32_t length);
  void (*SetUnits)(ADMItemRef item, int32_t units);
  void (*SetPrecision)(ADMItemRef item, int32_t places);
  void (*SetBooleanValue)(ADMItemRef item, ASBoolean value);
  ASBoolean (*GetBooleanValue)(ADMItemRef item);
  void (*SetIntValue)(ADMItemRef item, int32_t value);
  int32_t (*GetIntValue)(ADMItemRef item);
  void (*SetMinIntValue)(ADMItemRef item, int32_t value);
  void (*SetMaxIntValue)(ADMItemRef item, int32_t value);
  void (*SetFloatValue)(ADMItemRef item, float value);
  float (*GetFloatValue)(ADMItemRef item);
  void (*SetMinFloatValue)(ADMItemRef item, float value);
  void (*SetMaxFloatValue)(ADMItemRef item, float value);
} ADMItemSuite;

#ifdef __cplusplus
}
#endif

#endif
