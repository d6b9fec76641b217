// Style sheets and style attributes: declarations, and the selectors a style sheet in an SVG
// file uses (type, *, #id, .class, [attribute], [attribute=value], :first-child, joined by
// descendant and child combinators). Reads pugixml nodes; changes nothing.
#pragma once

#include <pugixml.hpp>
#include <string>
#include <string_view>
#include <vector>

namespace qv::host::io {

struct Declaration {
  std::string name;  // lower case
  std::string value;
  bool important = false;
};

// "name: value; ..." as a style attribute or a rule's body holds it.
std::vector<Declaration> parseDeclarations(std::string_view text);

// An element's name without a namespace prefix.
std::string_view localName(const pugi::xml_node& node);

class StyleSheet {
 public:
  // Adds the rules of one <style> element. A rule whose selector is not understood is left
  // out, with a warning that names it; @-rules are skipped.
  void add(std::string_view css, std::vector<std::string>& warnings);
  bool empty() const { return rules_.empty(); }
  // The declarations of the rules that match `element`, lowest specificity first (source
  // order among equals), as the cascade applies them.
  std::vector<const Declaration*> matching(const pugi::xml_node& element) const;

 private:
  struct Simple {  // one compound selector: tag, id, classes, attributes, :first-child
    std::string tag;
    std::string id;
    std::vector<std::string> classes;
    struct Attribute {
      std::string name, value;
      bool hasValue = false;  // [name] matches presence alone
    };
    std::vector<Attribute> attributes;
    bool firstChild = false;
  };
  struct Selector {
    std::vector<Simple> parts;      // left to right
    std::vector<char> combinators;  // between parts: ' ' or '>'
    unsigned specificity = 0;
  };
  struct Rule {
    Selector selector;
    std::vector<Declaration> declarations;
    std::size_t order = 0;
  };
  static bool parseSelector(std::string_view text, Selector& selector);
  static bool matches(const Simple& simple, const pugi::xml_node& element);
  static bool matches(const Selector& selector, std::size_t part, const pugi::xml_node& element);
  std::vector<Rule> rules_;
};

}  // namespace qv::host::io
