// The shared about submenu and the about alert. Acquires the AI Menu Suite or the ADM Basic
// Suite through the message's basic suite for the length of one call.
#include "SDKAboutPluginsHelper.hpp"

#include <cstring>

#include "SPBasic.h"

const char kAboutPluginsGroup[] = "BrellanSoftwareLtd";
const char kAboutPluginsEntry[] = "About Brellan Software Plug-ins";

SDKAboutPluginsHelper::~SDKAboutPluginsHelper() {
  if (basic_ == nullptr) return;
  if (menuSuite_ != nullptr) basic_->ReleaseSuite(kAIMenuSuite, kAIMenuSuiteVersion);
  if (basicSuite_ != nullptr) basic_->ReleaseSuite(kADMBasicSuite, kADMBasicSuiteVersion);
}

ASErr SDKAboutPluginsHelper::AddAboutPluginsMenuItem(SPInterfaceMessage* message,
                                                     const char* groupName,
                                                     const ai::UnicodeString& entryText,
                                                     const char* pluginText,
                                                     AIMenuItemHandle* item) {
  ASErr result = kNoErr;
  basic_ = message->d.basic;
  if (menuSuite_ == nullptr) {
    const void* suite = nullptr;
    result = basic_->AcquireSuite(kAIMenuSuite, kAIMenuSuiteVersion, &suite);
    menuSuite_ = result == kNoErr ? static_cast<const AIMenuSuite*>(suite) : nullptr;
  }
  if (result == kNoErr && menuSuite_ != nullptr) {
    bool exists = false;
    result = MenuGroupExists(groupName, exists);
    if (result == kNoErr && !exists) {
      ai::UnicodeString text;
      text = entryText;
      const AIPlatformAddMenuItemDataUS data = {kAboutMenuGroup, text.get()};
      AIMenuItemHandle newItem = nullptr;
      result = menuSuite_->AddMenuItem(message->d.self, nullptr, &data, 0, &newItem);
      if (result == kNoErr) {
        AIMenuGroup newGroup = nullptr;
        result = menuSuite_->AddMenuGroupAsSubMenu(groupName, 1, newItem, &newGroup);
      }
    }
  }
  if (result == kNoErr && menuSuite_ != nullptr) {
    const ai::UnicodeString text(pluginText);
    const AIPlatformAddMenuItemDataUS data = {groupName, text.get()};
    AIMenuItemHandle entry = nullptr;
    result = menuSuite_->AddMenuItem(message->d.self, nullptr, &data, 0, &entry);
    if (result == kNoErr) *item = entry;
  }
  if (menuSuite_ != nullptr) {
    basic_->ReleaseSuite(kAIMenuSuite, kAIMenuSuiteVersion);
    menuSuite_ = nullptr;
  }
  return result;
}

ASErr SDKAboutPluginsHelper::MenuGroupExists(const char* groupName, bool& exists) {
  exists = false;
  int32_t count = 0;
  if (const ASErr error = menuSuite_->CountMenuGroups(&count)) return error;
  for (int32_t i = 0; i < count; ++i) {
    AIMenuGroup group = nullptr;
    if (const ASErr error = menuSuite_->GetNthMenuGroup(i, &group)) return error;
    const char* name = nullptr;
    if (const ASErr error = menuSuite_->GetMenuGroupName(group, &name)) return error;
    if (name != nullptr && std::strcmp(name, groupName) == 0) {
      exists = true;
      break;
    }
  }
  return kNoErr;
}

void SDKAboutPluginsHelper::PopAboutBox(SPMessageData* message, const char* title,
                                        const char* text) {
  basic_ = message->basic;
  if (basicSuite_ == nullptr) {
    const void* suite = nullptr;
    if (basic_->AcquireSuite(kADMBasicSuite, kADMBasicSuiteVersion, &suite) == kNoErr) {
      basicSuite_ = static_cast<const ADMBasicSuite*>(suite);
    }
  }
  if (basicSuite_ != nullptr) {
    basicSuite_->AboutAlert(title, text);
    basic_->ReleaseSuite(kADMBasicSuite, kADMBasicSuiteVersion);
    basicSuite_ = nullptr;
  }
}
