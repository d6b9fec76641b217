// A small CSS reader: comments, rules, declarations, and selector matching on pugixml nodes.
#include "svg_css.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "svg_numbers.h"

namespace qv::host::io {

namespace {

std::string lower(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

std::string withoutComments(std::string_view css) {
  std::string out;
  for (std::size_t i = 0; i < css.size(); ++i) {
    if (css.compare(i, 2, "/*") == 0) {
      const auto end = css.find("*/", i + 2);
      if (end == std::string_view::npos) break;
      i = end + 1;
    } else {
      out += css[i];
    }
  }
  return out;
}

bool isNameChar(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_' ||
         static_cast<unsigned char>(c) >= 0x80;
}

}  // namespace

std::vector<Declaration> parseDeclarations(std::string_view text) {
  std::vector<Declaration> declarations;
  const std::string clean = withoutComments(text);
  std::string_view rest(clean);
  while (!rest.empty()) {
    const auto end = rest.find(';');
    const std::string_view item = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    const auto colon = item.find(':');
    if (colon == std::string_view::npos) continue;
    Declaration d;
    d.name = lower(trim(item.substr(0, colon)));
    std::string_view value = trim(item.substr(colon + 1));
    if (const auto bang = value.rfind('!');
        bang != std::string_view::npos && lower(trim(value.substr(bang + 1))) == "important") {
      d.important = true;
      value = trim(value.substr(0, bang));
    }
    d.value = std::string(value);
    if (!d.name.empty() && !d.value.empty()) declarations.push_back(std::move(d));
  }
  return declarations;
}

std::string_view localName(const pugi::xml_node& node) {
  const char* name = node.name();
  const char* colon = std::strchr(name, ':');
  return colon != nullptr ? std::string_view(colon + 1) : std::string_view(name);
}

bool StyleSheet::parseSelector(std::string_view text, Selector& selector) {
  text = trim(text);
  std::size_t i = 0;
  auto name = [&]() {
    const std::size_t start = i;
    while (i < text.size() && isNameChar(text[i])) ++i;
    return std::string(text.substr(start, i - start));
  };
  char combinator = 0;
  while (i < text.size()) {
    if (text[i] == ' ' || text[i] == '>' || text[i] == '\t' || text[i] == '\n') {
      while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\n')) ++i;
      if (i < text.size() && text[i] == '>') {
        combinator = '>';
        ++i;
        while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\n')) ++i;
      } else if (combinator == 0) {
        combinator = ' ';
      }
      continue;
    }
    Simple simple;
    bool any = false;
    if (text[i] == '*') {
      ++i;
      any = true;
    } else if (isNameChar(text[i])) {
      simple.tag = name();
      any = true;
    }
    while (i < text.size()) {
      const char c = text[i];
      if (c == '#' || c == '.') {
        ++i;
        const std::string value = name();
        if (value.empty()) return false;
        if (c == '#') {
          simple.id = value;
          selector.specificity += 100;
        } else {
          simple.classes.push_back(value);
          selector.specificity += 10;
        }
      } else if (c == '[') {
        const auto close = text.find(']', i);
        if (close == std::string_view::npos) return false;
        const std::string_view inside = text.substr(i + 1, close - i - 1);
        Simple::Attribute attribute;
        if (const auto eq = inside.find('='); eq != std::string_view::npos) {
          if (eq > 0 && std::strchr("~|^$*", inside[eq - 1]) != nullptr) return false;
          attribute.name = std::string(trim(inside.substr(0, eq)));
          std::string_view value = trim(inside.substr(eq + 1));
          if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'')) {
            value = value.substr(1, value.size() - 2);
          }
          attribute.value = std::string(value);
          attribute.hasValue = true;
        } else {
          attribute.name = std::string(trim(inside));
        }
        simple.attributes.push_back(std::move(attribute));
        selector.specificity += 10;
        i = close + 1;
      } else if (text.substr(i).starts_with(":first-child")) {
        simple.firstChild = true;
        selector.specificity += 10;
        i += std::strlen(":first-child");
      } else {
        break;
      }
      any = true;
    }
    if (!any) return false;  // a character no supported selector uses
    if (!simple.tag.empty()) selector.specificity += 1;
    if (!selector.parts.empty()) selector.combinators.push_back(combinator == 0 ? ' ' : combinator);
    combinator = 0;
    selector.parts.push_back(std::move(simple));
  }
  return !selector.parts.empty() && combinator == 0;
}

void StyleSheet::add(std::string_view css, std::vector<std::string>& warnings) {
  const std::string clean = withoutComments(css);
  std::string_view rest(clean);
  while (true) {
    rest = trim(rest);
    if (rest.empty()) break;
    if (rest.front() == '@') {
      // An @-rule ends at its semicolon or with its block.
      const auto semicolon = rest.find(';'), brace = rest.find('{');
      if (brace == std::string_view::npos ||
          (semicolon != std::string_view::npos && semicolon < brace)) {
        if (semicolon == std::string_view::npos) break;
        rest = rest.substr(semicolon + 1);
        continue;
      }
      int depth = 0;
      std::size_t i = brace;
      for (; i < rest.size(); ++i) {
        if (rest[i] == '{') ++depth;
        if (rest[i] == '}' && --depth == 0) break;
      }
      rest = i < rest.size() ? rest.substr(i + 1) : std::string_view();
      continue;
    }
    const auto open = rest.find('{');
    if (open == std::string_view::npos) break;
    const auto close = rest.find('}', open);
    const std::string_view selectors = rest.substr(0, open);
    const std::string_view body = rest.substr(
        open + 1, close == std::string_view::npos ? std::string_view::npos : close - open - 1);
    rest = close == std::string_view::npos ? std::string_view() : rest.substr(close + 1);
    const auto declarations = parseDeclarations(body);
    std::string_view list = selectors;
    while (true) {
      const auto comma = list.find(',');
      const std::string_view one = trim(list.substr(0, comma));
      Rule rule;
      if (parseSelector(one, rule.selector)) {
        rule.declarations = declarations;
        rule.order = rules_.size();
        rules_.push_back(std::move(rule));
      } else if (!one.empty()) {
        warnings.push_back("style sheet: selector '" + std::string(one) +
                           "' is not supported; its rule is left out");
      }
      if (comma == std::string_view::npos) break;
      list = list.substr(comma + 1);
    }
  }
}

bool StyleSheet::matches(const Simple& simple, const pugi::xml_node& element) {
  if (!simple.tag.empty() && localName(element) != simple.tag) return false;
  if (!simple.id.empty() && simple.id != element.attribute("id").value()) return false;
  if (!simple.classes.empty()) {
    std::string classes = std::string(" ") + element.attribute("class").value() + " ";
    std::replace_if(
        classes.begin(), classes.end(),
        [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }, ' ');
    for (const std::string& c : simple.classes) {
      if (classes.find(" " + c + " ") == std::string::npos) return false;
    }
  }
  for (const auto& attribute : simple.attributes) {
    const pugi::xml_attribute a = element.attribute(attribute.name.c_str());
    if (!a) return false;
    if (attribute.hasValue && attribute.value != a.value()) return false;
  }
  if (simple.firstChild) {
    for (pugi::xml_node before = element.previous_sibling(); before;
         before = before.previous_sibling()) {
      if (before.type() == pugi::node_element) return false;
    }
  }
  return true;
}

bool StyleSheet::matches(const Selector& selector, std::size_t part,
                         const pugi::xml_node& element) {
  if (!matches(selector.parts[part], element)) return false;
  if (part == 0) return true;
  const char combinator = selector.combinators[part - 1];
  for (pugi::xml_node up = element.parent(); up && up.type() == pugi::node_element;
       up = up.parent()) {
    if (matches(selector, part - 1, up)) return true;
    if (combinator == '>') return false;
  }
  return false;
}

std::vector<const Declaration*> StyleSheet::matching(const pugi::xml_node& element) const {
  std::vector<const Rule*> matched;
  for (const Rule& rule : rules_) {
    if (matches(rule.selector, rule.selector.parts.size() - 1, element)) matched.push_back(&rule);
  }
  std::stable_sort(matched.begin(), matched.end(), [](const Rule* a, const Rule* b) {
    return a->selector.specificity < b->selector.specificity;
  });
  std::vector<const Declaration*> declarations;
  for (const Rule* rule : matched) {
    for (const Declaration& d : rule->declarations) declarations.push_back(&d);
  }
  return declarations;
}

}  // namespace qv::host::io
