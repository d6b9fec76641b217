// The copy tool's plug-in object: startup (plug-in option, the "Tessaly1 Tool", the about
// entry), the message wrapper, the about pick, and the tool's messages: cursor, selection
// (which creates the options palette once), double-click (which shows it) and the gesture.
#ifndef QV_TESSALY1_MULTIARROWTOOLPLUGIN_HPP
#define QV_TESSALY1_MULTIARROWTOOLPLUGIN_HPP

#include "ADMDialog.h"
#include "AIMenu.h"
#include "Plugin.hpp"

class MultiArrowToolPlugin : public Plugin {
 public:
  explicit MultiArrowToolPlugin(SPPluginRef pluginRef);
  // Touches no member: the object keeps every value across an unload of the code.
  explicit MultiArrowToolPlugin(NoInit noInit) : Plugin(noInit) {}
  ~MultiArrowToolPlugin() override;

  ASErr StartupPlugin(SPInterfaceMessage* message) override;
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
  ADMDialogRef optionsDialog;
};

#endif
