/* AI Tool Suite (version 10): tools in the host's tool palette. "AI Tool Suite" 10.
 * Tools belong to the host; events with a tool arrive as "AI Tool" messages at the module that
 * added it. Plain C; host UI thread only. */
#ifndef QV_AITOOL_H
#define QV_AITOOL_H

#include "ADMTypes.h"
#include "AITypes.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kAIToolSuite "AI Tool Suite"
#define kAIToolSuiteVersion 10

#define kCallerAITool "AI Tool"
#define kSelectorAIEditToolOptions "AI Edit Options"
#define kSelectorAITrackToolCursor "AI Track Cursor"
#define kSelectorAIToolMouseDown "AI Mouse Down"
#define kSelectorAIToolMouseDrag "AI Mouse Drag"
#define kSelectorAIToolMouseUp "AI Mouse Up"
#define kSelectorAISelectTool "AI Select"
#define kSelectorAIDeselectTool "AI Deselect"
#define kSelectorAIReselectTool "AI Reselect"
#define kSelectorAIDecreaseDiameter "AI Decrease Diameter"
#define kSelectorAIIncreaseDiameter "AI Increase Diameter"

typedef struct _AITool* AIToolHandle;

/* A same-group / same-toolset value meaning "start one of its own". */
#define kNoTool (-2)

/* Pressure runs from 0 to 255. */
typedef int16_t AIToolPressure;
#define kAIMaxToolPressure 255

typedef struct AIToolMessage {
  SPMessageData d;
  AIToolHandle tool;
  AIRealPoint cursor;
  AIToolPressure pressure;
} AIToolMessage;

typedef struct AIAddToolData {
  const char* title;
  const char* tooltip;
  ADMIconRef icon;
  int32_t sameGroupAs;   /* tool number, or kNoTool */
  int32_t sameToolsetAs; /* tool number, or kNoTool */
  int32_t helpID;
} AIAddToolData;

typedef struct AIToolSuite {
  /* Adds a tool named `name`; *tool receives it (output). The host copies the texts. */
  AIErr (*AddTool)(SPPluginRef plugin, const char* name, const AIAddToolData* data, int32_t options,
                   AIToolHandle* tool);
  /* *number receives the number of the tool named exactly `name`; kSPNotFoundError if none. */
  AIErr (*GetToolNumberFromName)(const char* name, int32_t* number);
  /* *hasPressure receives whether the system reports pen pressure (output). */
  AIErr (*SystemHasPressure)(AIBoolean* hasPressure);
  /* Gives the tool its second (rollover) icon. */
  AIErr (*SetToolSecondIcon)(AIToolHandle tool, ADMIconRef icon);
} AIToolSuite;

#ifdef __cplusplus
}
#endif

#endif
