/* Basic types of the module/host boundary: error codes, plug-in references and the message
 * records that the host passes to a module's PluginMain. Plain C, shared by modules and host.
 * Every call across the boundary happens on the host's one user-interface thread. */
#ifndef QV_SPTYPES_H
#define QV_SPTYPES_H

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* A four-character code: first character in the most significant byte. */
#define QV_FOURCC(a, b, c, d) \
  ((int32_t)(((uint32_t)(a) << 24) | ((uint32_t)(b) << 16) | ((uint32_t)(c) << 8) | (uint32_t)(d)))

typedef int32_t SPErr;
typedef int32_t ASErr;
typedef int32_t AIErr;
typedef unsigned char ASBoolean;
typedef ASBoolean AIBoolean;

/* Host codes (0 is success). */
#define kSPNoError 0
#define kNoErr 0
#define kSPOutOfMemoryError QV_FOURCC('!', 'M', 'E', 'M')   /* no block for the request */
#define kSPSuiteNotFoundError QV_FOURCC('S', '!', 'F', 'd') /* no suite of that name and version \
                                                             */
#define kSPBadParameterError QV_FOURCC('P', 'a', 'r', 'm')  /* null, NaN or out-of-range argument \
                                                             */
#define kSPUnimplementedError QV_FOURCC('!', 'I', 'M', 'P') /* the host does not offer this call \
                                                             */
#define kSPBadHandleError QV_FOURCC('H', 'n', 'd', 'l')     /* stale, foreign or disposed handle */
#define kSPNotFoundError QV_FOURCC('N', 'o', 'n', 'e')      /* no such entry, name or resource */
#define kSPMisuseError QV_FOURCC('M', 'i', 's', 'u') /* call out of order (unbalanced pop...) */

/* Opaque references the host hands out. */
typedef struct SPPlugin* SPPluginRef;
typedef struct SPAccess* SPAccessRef;
typedef struct SPBasicSuite SPBasicSuite;

/* Common head of every message. The host sets `globals` to the module's slot before the call
 * and keeps whatever the module leaves there afterwards. */
typedef struct SPMessageData {
  int32_t SPCheck;           /* integrity value, kSPValidSPMessageData */
  SPPluginRef self;          /* this module, for every call that wants the plug-in */
  void* globals;             /* the module's one pointer-sized slot, kept between messages */
  const SPBasicSuite* basic; /* the SP Basic Suite; valid for this call */
} SPMessageData;

#define kSPValidSPMessageData QV_FOURCC('S', 'P', 'C', 'K')

/* Callers and selectors of the plug-in manager. */
#define kSPInterfaceCaller "SP Interface"
#define kSPInterfaceStartupSelector "Startup"
#define kSPInterfaceShutdownSelector "Shutdown"
#define kSPInterfaceAboutSelector "About"
#define kSPAccessCaller "SP Access"
#define kSPAccessUnloadSelector "Unload"
#define kSPAccessReloadSelector "Reload"
#define kSPCacheCaller "SP Cache"
#define kSPPluginPurgeSelector "Plug-in Purge"
#define kSPPropertiesCaller "SP Properties"
#define kSPPropertiesAcquireSelector "Acquire"
#define kSPPropertiesReleaseSelector "Release"

/* "SP Interface" and "SP Access" messages carry nothing beyond the head. */
typedef struct SPInterfaceMessage {
  SPMessageData d;
} SPInterfaceMessage;
typedef SPInterfaceMessage SPAccessMessage;

/* "SP Properties" messages: the property asked for (the framework never answers them). */
typedef struct SPPropertiesMessage {
  SPMessageData d;
  int32_t vendorID;
  int32_t propertyKey;
  int32_t propertyID;
  void* property;
  int32_t refCon;
  int32_t cacheable;
} SPPropertiesMessage;

/* The one export of every module. Returns 0 or an error code. */
typedef SPErr (*PluginMainProc)(const char* caller, const char* selector, void* message);

#ifdef __cplusplus
}
#endif

#endif
