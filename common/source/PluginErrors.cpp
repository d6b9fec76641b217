// Error reporting: the silent-code filter, the 5-second duplicate window, the lookup of a
// message in string list 16050 and the error alert. Touches the object's last-error members
// and, while it shows an alert, the ADM Basic Suite pointer.
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include "HostMemory.hpp"
#include "Plugin.hpp"
#include "SuitePointers.hpp"

namespace {

// Codes that are answered to the host but never shown, ended by 0.
const ASErr kSilentErrors[] = {QV_FOURCC('F', 'M', 'T', '?'),
                               QV_FOURCC('R', 'F', 'S', 'E'),
                               QV_FOURCC('A', 'F', 'T', 'R'),
                               QV_FOURCC('V', 'A', 'L', 'D'),
                               QV_FOURCC('M', 'O', 'O', 'T'),
                               QV_FOURCC('T', 'R', 'S', 'H'),
                               QV_FOURCC('C', 'H', 'E', 'K'),
                               QV_FOURCC('C', 'H', 'I', 'T'),
                               QV_FOURCC('T', 'L', 'T', 'K'),
                               QV_FOURCC('p', 'F', 'l', 's'),
                               QV_FOURCC('S', '!', 'F', 'd'),
                               QV_FOURCC('!', 'A', 'c', 'q'),
                               QV_FOURCC('d', 's', 'R', 'P'),
                               QV_FOURCC('s', 'k', 'p', 'E'),
                               QV_FOURCC('D', 'O', 'N', 'E'),
                               QV_FOURCC('S', 'T', 'O', 'P'),
                               361,
                               0};

constexpr int32_t kMessageLength = 128;
constexpr int32_t kCodeTextLength = 10;
constexpr std::size_t kFormatLimit = 120;

// A code text of the list: decimal when it starts with '-' or a digit, else the code of its
// first four characters (each a signed byte shifted in from the right).
ASErr ParseCodeText(const char* text) {
  if (text[0] == '-' || std::isdigit(static_cast<unsigned char>(text[0]))) {
    return static_cast<ASErr>(std::strtol(text, nullptr, 10));
  }
  uint32_t code = 0;
  for (int i = 0; i < 4 && text[i] != '\0'; ++i) {
    code = (code << 8) +
           static_cast<uint32_t>(static_cast<int32_t>(static_cast<signed char>(text[i])));
  }
  return static_cast<ASErr>(code);
}

// The code as the alert shows it: four characters above 0x4000, else decimal. A byte that is
// not a printable character is written as \xHH, so that no code shows as an empty text.
void CodeText(ASErr error, char (&text)[20]) {
  if (error > 0x4000) {
    char* out = text;
    for (int shift = 24; shift >= 0; shift -= 8) {
      const auto byte = static_cast<unsigned char>((static_cast<uint32_t>(error) >> shift) & 0xFF);
      if (std::isprint(byte)) {
        *out++ = static_cast<char>(byte);
      } else {
        out += std::snprintf(out, 5, "\\x%02X", byte);
      }
    }
    *out = '\0';
  } else {
    std::snprintf(text, sizeof text, "%d", error);
  }
}

// Puts the code text in place of the message's one "%s". Every other character is copied as it
// stands: a message is text from resources, never a format that could read past its argument.
void InsertCode(const char* message, const char* code, char* out, std::size_t length) {
  std::size_t used = 0;
  bool inserted = false;
  for (const char* p = message; *p != '\0' && used + 1 < length; ++p) {
    if (!inserted && p[0] == '%' && p[1] == 's') {
      for (const char* c = code; *c != '\0' && used + 1 < length; ++c) out[used++] = *c;
      inserted = true;
      ++p;
    } else {
      out[used++] = *p;
    }
  }
  out[used] = '\0';
}

}  // namespace

bool Plugin::FilterError(ASErr error) {
  for (const ASErr* code = kSilentErrors; *code != 0; ++code) {
    if (*code == error) return true;
  }
  return false;
}

ASErr Plugin::ReportError(ASErr error, const char* /*caller*/, const char* /*selector*/,
                          void* /*message*/) {
  if (FilterError(error)) return kNoErr;
  const std::time_t now = std::time(nullptr);
  if (error == lastError && suppressDuplicateErrors && now < lastErrorTime + errorTimeout) {
    return kNoErr;
  }
  lastError = error;
  lastErrorTime = now;
  DefaultError(pluginRef, error);
  return kNoErr;
}

ASErr Plugin::DefaultError(SPPluginRef self, ASErr error) {
  if (FilterError(error)) return kNoErr;
  bool acquiredHere = false;
  if (sADMBasic == nullptr) {
    if (sSPBasic == nullptr) return kNoErr;
    const void* suite = nullptr;
    if (sSPBasic->AcquireSuite(kADMBasicSuite, kADMBasicSuiteVersion2, &suite) != kSPNoError ||
        suite == nullptr) {
      return kNoErr;
    }
    sADMBasic = static_cast<const ADMBasicSuite*>(suite);
    acquiredHere = true;
  }
  char buffer[kMessageLength];
  const char* message = FindErrorMessage(self, error, buffer, kMessageLength);
  if (message != nullptr) {
    char formatted[kMessageLength];
    if (std::strlen(message) < kFormatLimit) {
      char code[20];
      CodeText(error, code);
      InsertCode(message, code, formatted, sizeof formatted);
      message = formatted;
    }
    sADMBasic->ErrorAlert(message);
  }
  if (acquiredHere) {
    sSPBasic->ReleaseSuite(kADMBasicSuite, kADMBasicSuiteVersion2);
    sADMBasic = nullptr;
  }
  return kNoErr;
}

char* FindErrorMessage(SPPluginRef self, ASErr error, char* buffer, int32_t length) {
  int32_t index = 1;
  for (;;) {
    char codeText[kCodeTextLength] = "";
    if (sADMBasic->GetIndexString(self, kErrorMessageListID, index, codeText, kCodeTextLength) !=
            kNoErr ||
        codeText[0] == '\0') {
      if (index == 1) return nullptr;
      index -= 1;  // the last pair's message is the general one
      break;
    }
    if (ParseCodeText(codeText) == error) {
      index += 1;
      break;
    }
    index += 2;
  }
  buffer[0] = '\0';
  if (sADMBasic->GetIndexString(self, kErrorMessageListID, index, buffer, length) != kNoErr ||
      buffer[0] == '\0') {
    return nullptr;
  }
  return buffer;
}
