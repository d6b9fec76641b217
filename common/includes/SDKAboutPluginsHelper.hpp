// The shared about submenu: the first module to start creates "About Brellan Software
// Plug-ins" in the host's About group, every module adds its own entry to it, and a pick shows
// the module's about alert. Borrows the suites it needs for one call.
#ifndef QV_SDKABOUTPLUGINSHELPER_HPP
#define QV_SDKABOUTPLUGINSHELPER_HPP

#include "ADMBasic.h"
#include "AIMenu.h"
#include "IAIUnicodeString.hpp"

class SDKAboutPluginsHelper {
 public:
  SDKAboutPluginsHelper() = default;
  // Gives back a suite that an interrupted call still holds.
  virtual ~SDKAboutPluginsHelper();
  SDKAboutPluginsHelper(const SDKAboutPluginsHelper&) = delete;
  SDKAboutPluginsHelper& operator=(const SDKAboutPluginsHelper&) = delete;

  ASErr AddAboutPluginsMenuItem(SPInterfaceMessage* message, const char* groupName,
                                const ai::UnicodeString& entryText, const char* pluginText,
                                AIMenuItemHandle* item);
  void PopAboutBox(SPMessageData* message, const char* title, const char* text);
  ASErr MenuGroupExists(const char* groupName, bool& exists);

 private:
  const AIMenuSuite* menuSuite_ = nullptr;
  const ADMBasicSuite* basicSuite_ = nullptr;
  const SPBasicSuite* basic_ = nullptr;
};

// The group of the shared submenu, and the text of its entry in the host's About group.
extern const char kAboutPluginsGroup[];
extern const char kAboutPluginsEntry[];

#endif
