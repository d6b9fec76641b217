// The plug-in object of the framework: its life cycle (startup, shutdown, unload, reload,
// locking), message dispatch to virtual handlers, and error reporting. Compiled into every
// module; each module derives MultiArrowToolPlugin from it. The object lives in a host block
// and is kept in the host's globals slot between messages.
#ifndef QV_PLUGIN_HPP
#define QV_PLUGIN_HPP

#include <cstddef>
#include <ctime>

#include "AIMenu.h"
#include "AINotifier.h"
#include "AITool.h"
#include "SPTypes.h"

class Suites;

// Codes the framework produces itself.
constexpr ASErr kUnhandledMsgErr = QV_FOURCC('!', 'M', 'S', 'G');
constexpr ASErr kOutOfMemoryErr = QV_FOURCC('!', 'M', 'E', 'M');
constexpr ASErr kCantHappenErr = QV_FOURCC('C', 'A', 'N', 'T');
constexpr ASErr kNoIconErr = QV_FOURCC('!', 'i', 'c', 'o');
constexpr ASErr kPurgeFalseErr = QV_FOURCC('p', 'F', 'l', 's');

// Resource IDs shared by the modules.
constexpr int32_t kErrorMessageListID = 16050;
constexpr int32_t kAboutStringsListID = 16600;
constexpr int32_t kToolNameListID = 16100;
constexpr int32_t kToolIconListID = 16050;
constexpr int32_t kCursorID = 16001;
constexpr int32_t kOptionsDialogID = 16201;

class Plugin {
 public:
  // Selects the constructor that initialises nothing, for FixupReload.
  struct NoInit {};

  explicit Plugin(SPPluginRef pluginRef);
  explicit Plugin(NoInit) {}
  virtual ~Plugin();
  Plugin(const Plugin&) = delete;
  Plugin& operator=(const Plugin&) = delete;

  // Blocks come from the host; null (and no construction) when there is none.
  static void* operator new(std::size_t size) noexcept;
  static void operator delete(void* block) noexcept;

  virtual ASErr ReportError(ASErr error, const char* caller, const char* selector, void* message);
  virtual ASErr LockPlugin(ASBoolean lock);
  virtual ASErr StartupPlugin(SPInterfaceMessage* message);
  virtual ASErr PostStartupPlugin();
  virtual ASErr ShutdownPlugin(SPInterfaceMessage* message);
  virtual ASErr UnloadPlugin(SPInterfaceMessage* message);
  virtual ASErr ReloadPlugin(SPInterfaceMessage* message);
  virtual ASErr AcquireProperty(SPPropertiesMessage* message);
  virtual ASErr ReleaseProperty(SPPropertiesMessage* message);
  virtual int32_t GetPluginName(char* buffer, int32_t length);
  virtual ASErr About(SPInterfaceMessage* message);
  virtual ASBoolean Purge();
  virtual ASErr Message(const char* caller, const char* selector, void* message);
  virtual ASErr SetGlobal(Plugin* plugin);
  virtual ASErr AllocateSuiteTables();
  virtual ASErr FillSuiteTables();
  virtual ASErr EmptySuiteTables();
  virtual ASErr AcquireOptionalSuites();

  virtual ASErr Notify(AINotifierMessage* message);
  virtual ASErr GoAction(void* message);
  virtual ASErr GoMenuItem(AIMenuMessage* message);
  virtual ASErr UpdateMenuItem(AIMenuMessage* message);
  virtual ASErr GetFilterParameters(void* message);
  virtual ASErr GoFilter(void* message);
  virtual ASErr PluginGroupNotify(void* message);
  virtual ASErr PluginGroupUpdate(void* message);
  virtual ASErr GetFileFormatParameters(void* message);
  virtual ASErr GoFileFormat(void* message);
  virtual ASErr CheckFileFormat(void* message);
  virtual ASErr FileFormatUpdate(void* message);
  virtual ASErr SetFileFormatParameters(void* message);
  virtual ASErr EditTool(AIToolMessage* message);
  virtual ASErr TrackToolCursor(AIToolMessage* message);
  virtual ASErr ToolMouseDown(AIToolMessage* message);
  virtual ASErr ToolMouseDrag(AIToolMessage* message);
  virtual ASErr ToolMouseUp(AIToolMessage* message);
  virtual ASErr SelectTool(AIToolMessage* message);
  virtual ASErr DeselectTool(AIToolMessage* message);
  virtual ASErr ReselectTool(AIToolMessage* message);
  virtual ASErr DecreaseDiameter(AIToolMessage* message);
  virtual ASErr IncreaseDiameter(AIToolMessage* message);
  virtual ASErr EditLiveEffectParameters(void* message);
  virtual ASErr GoLiveEffect(void* message);
  virtual ASErr LiveEffectInterpolate(void* message);
  virtual ASErr LiveEffectGetInputType(void* message);
  virtual ASErr LiveEffectConvertColorSpace(void* message);
  virtual ASErr LiveEffectScaleParameters(void* message);
  virtual ASErr LiveEffectAdjustColors(void* message);
  virtual ASErr LiveEffectHandleMerge(void* message);
  virtual ASErr GoTimer(void* message);
  virtual ASErr GoClipboard(void* message);
  virtual ASErr CanCopyClipboard(void* message);
  virtual ASErr CloneClipboard(void* message);
  virtual ASErr DisposeClipboard(void* message);
  virtual ASErr WorkspaceWrite(void* message);
  virtual ASErr WorkspaceRestore(void* message);
  virtual ASErr WorkspaceDefault(void* message);

  static ASErr DefaultError(SPPluginRef self, ASErr error);
  static bool FilterError(ASErr error);

  Suites* AcquiredSuites() const { return suites; }

 protected:
  // The message wrapper of every MultiArrowToolPlugin: Plugin::Message with exceptions turned
  // into codes, the unhandled code turned into 0, and errors reported.
  ASErr GuardedMessage(const char* caller, const char* selector, void* message);
  // Adds plug-in option bit 2, as every tool module does at startup.
  ASErr AddToolPluginOption();
  // Adds this module's entry to the shared about submenu.
  ASErr AddAboutMenu(SPInterfaceMessage* message, const char* entryText, AIMenuItemHandle* item);
  // Creates the Suites object; on failure it is gone again and the error returned.
  ASErr AcquireSuites();
  // Shows this module's about alert when `message` picks `aboutItem`; always 0.
  ASErr ShowAboutIfPicked(AIMenuMessage* message, AIMenuItemHandle aboutItem, const char* title);

  SPPluginRef pluginRef;
  char pluginName[256];
  Suites* suites;
  int32_t lockCount;
  SPAccessRef accessRef;
  ASErr lastError;
  int32_t errorTimeout;
  ASBoolean suppressDuplicateErrors;
  std::time_t lastErrorTime;
};

// Defined by each module.
Plugin* AllocatePlugin(SPPluginRef pluginRef);
void FixupReload(Plugin* plugin);

// Looks up the message for `error` in string list 16050; null when there is none.
char* FindErrorMessage(SPPluginRef self, ASErr error, char* buffer, int32_t length);

// Pushes the host's application context for the guard's lifetime (when the suite is there).
class AppContext {
 public:
  explicit AppContext(SPPluginRef self);
  ~AppContext();
  AppContext(const AppContext&) = delete;
  AppContext& operator=(const AppContext&) = delete;

 private:
  struct _AIAppContext* context_ = nullptr;
};

// The maker's text of every about alert.
extern const char kAboutPluginsText[];

#endif
