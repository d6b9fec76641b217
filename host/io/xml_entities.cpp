// Reads <!ENTITY name "value"> from the internal subset and substitutes &name; after it.
#include "xml_entities.h"

#include <cctype>
#include <map>
#include <string_view>

namespace qv::host::io {

namespace {
constexpr std::size_t kMaxEntitySize = 1u << 20;
constexpr std::size_t kMaxDocumentSize = 64u << 20;

bool isNameChar(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '-' || c == '.' ||
         c == ':';
}

// Replaces &name; of known entities in `text`; false when it would grow past the limit.
bool substitute(std::string& text, const std::map<std::string, std::string, std::less<>>& entities,
                std::size_t from, std::size_t limit) {
  std::string out = text.substr(0, from);
  for (std::size_t i = from; i < text.size(); ++i) {
    if (text[i] == '&') {
      std::size_t end = i + 1;
      while (end < text.size() && isNameChar(text[end])) ++end;
      if (end < text.size() && text[end] == ';') {
        const auto it = entities.find(std::string_view(text).substr(i + 1, end - i - 1));
        if (it != entities.end()) {
          out += it->second;
          if (out.size() > limit) return false;
          i = end;
          continue;
        }
      }
    }
    out += text[i];
  }
  text = std::move(out);
  return true;
}
}  // namespace

bool expandInternalEntities(std::string& text) {
  const auto doctype = text.find("<!DOCTYPE");
  if (doctype == std::string::npos) return true;
  const auto open = text.find('[', doctype);
  const auto close = text.find("]>", doctype);
  const auto tagEnd = text.find('>', doctype);
  if (open == std::string::npos || close == std::string::npos || open > tagEnd) return true;
  std::map<std::string, std::string, std::less<>> entities;
  for (auto at = text.find("<!ENTITY", open); at != std::string::npos && at < close;
       at = text.find("<!ENTITY", at + 1)) {
    std::size_t i = at + 8;
    while (i < close && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
    if (text[i] == '%') continue;  // parameter entities are not for the document
    const std::size_t nameStart = i;
    while (i < close && isNameChar(text[i])) ++i;
    const std::string name = text.substr(nameStart, i - nameStart);
    while (i < close && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
    const char quote = text[i];
    if (name.empty() || (quote != '"' && quote != '\'')) continue;  // external entities stay
    const auto valueEnd = text.find(quote, i + 1);
    if (valueEnd == std::string::npos || valueEnd > close) continue;
    entities[name] = text.substr(i + 1, valueEnd - i - 1);
  }
  if (entities.empty()) return true;
  // Entity values may refer to entities declared before them.
  for (int round = 0; round < 8; ++round) {
    bool changed = false;
    for (auto& [name, value] : entities) {
      if (value.find('&') == std::string::npos) continue;
      std::string expanded = value;
      if (!substitute(expanded, entities, 0, kMaxEntitySize)) return false;
      changed = changed || expanded != value;
      value = std::move(expanded);
    }
    if (!changed) break;
  }
  return substitute(text, entities, close + 2, kMaxDocumentSize);
}

}  // namespace qv::host::io
