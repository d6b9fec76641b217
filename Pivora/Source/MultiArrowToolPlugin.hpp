// The point-drag tool's plug-in object: startup (plug-in option, the " Pivora" tool joining
// the copy tool's group when the host finds it, the about entry), the message wrapper, the
// about pick, and the tool's messages: cursor, selection (which creates the options dialog
// once), double-click (which shows it) and the gesture.
#ifndef QV_PIVORA_MULTIARROWTOOLPLUGIN_HPP
#define QV_PIVORA_MULTIARROWTOOLPLUGIN_HPP

#include "AIMenu.h"
#include "AITool.h"
#include "Plugin.hpp"

class MultiArrowToolPlugin : public Plugin {
 public:
  explicit MultiArrowToolPlugin(SPPluginRef pluginRef);
  // Touches no member: the object keeps every value across an unload of the code.
  explicit MultiArrowToolPlugin(NoInit noInit) : Plugin(noInit) {}
  ~MultiArrowToolPlugin() override;

  ASErr StartupPlugin(SPInterfaceMessage* message) override;
  ASErr ShutdownPlugin(SPInterfaceMessage* message) override;
  ASErr Message(const char* caller, const char* selector, void* message) override;
  ASErr GoMenuItem(AIMenuMessage* message) override;
  ASErr TrackToolCursor(AIToolMessage* message) override;
  ASErr SelectTool(AIToolMessage* message) override;
  ASErr EditTool(AIToolMessage* message) override;
  ASErr ToolMouseDown(AIToolMessage* message) override;
  ASErr ToolMouseDrag(AIToolMessage* message) override;
  ASErr ToolMouseUp(AIToolMessage* message) override;

 private:
  ASErr AddTools(SPInterfaceMessage* message);

  AIMenuItemHandle aboutMenuItem;
  AIToolHandle toolHandle;
};

#endif
