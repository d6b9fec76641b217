// Indexing a parsed SVG file: ids, style sheets, line starts, and computed styles on demand.
#include "svg_source.h"

#include <algorithm>

namespace qv::host::io {

SvgSource::SvgSource(const pugi::xml_document& xml, std::string_view text, std::string label,
                     std::filesystem::path folder, std::vector<std::string>& warnings)
    : root_(xml.document_element()),
      text_(text),
      label_(std::move(label)),
      folder_(std::move(folder)),
      warnings_(warnings),
      cascade_(sheet_) {
  lineStarts_.push_back(0);
  for (std::size_t i = 0; i < text_.size(); ++i) {
    if (text_[i] == '\n') lineStarts_.push_back(i + 1);
  }
  for (pugi::xml_node node = root_; node;) {
    if (node.type() == pugi::node_element) {
      const char* id = node.attribute("id").value();
      if (*id != '\0') ids_.emplace(id, node);
      if (localName(node) == "style") {
        const std::string_view type = node.attribute("type").value();
        if (type.empty() || type == "text/css") {
          std::string css;
          for (const pugi::xml_node& part : node.children()) {
            if (part.type() == pugi::node_pcdata || part.type() == pugi::node_cdata)
              css += part.value();
          }
          sheet_.add(css, warnings_);
        }
      }
    }
    // Pre-order walk without recursion, so deep files cannot exhaust the stack.
    if (node.first_child()) {
      node = node.first_child();
      continue;
    }
    while (node && !node.next_sibling() && node != root_) node = node.parent();
    if (!node || node == root_) break;
    node = node.next_sibling();
  }
}

pugi::xml_node SvgSource::byId(std::string_view id) const {
  const auto it = ids_.find(std::string(id));
  return it == ids_.end() ? pugi::xml_node() : it->second;
}

pugi::xml_node SvgSource::referenced(std::string_view reference) const {
  const std::string id = referenceId(reference);
  return id.empty() ? pugi::xml_node() : byId(id);
}

const ComputedStyle& SvgSource::computedAt(const pugi::xml_node& element) const {
  // From the nearest ancestor already computed down to the element, without recursion.
  std::vector<pugi::xml_node> path;
  const ComputedStyle* style = &initial_;
  for (pugi::xml_node node = element; node && node.type() == pugi::node_element;
       node = node.parent()) {
    if (const auto it = computed_.find(node.internal_object()); it != computed_.end()) {
      style = &it->second;
      break;
    }
    path.push_back(node);
  }
  for (auto it = path.rbegin(); it != path.rend(); ++it) {
    ComputedStyle computed = computeStyle(*style, specified(*it), LengthBase{});
    style = &computed_.emplace(it->internal_object(), std::move(computed)).first->second;
  }
  return *style;
}

std::size_t SvgSource::lineAt(std::ptrdiff_t offset) const {
  if (offset < 0) return 0;
  const auto it =
      std::upper_bound(lineStarts_.begin(), lineStarts_.end(), static_cast<std::size_t>(offset));
  return static_cast<std::size_t>(it - lineStarts_.begin());
}

std::string SvgSource::where(const pugi::xml_node& element) const {
  std::string text = label_;
  if (const std::size_t line = lineAt(element.offset_debug()); line > 0) {
    text += ":" + std::to_string(line);
  }
  text += ": <" + std::string(element.name());
  if (const char* id = element.attribute("id").value(); *id != '\0') {
    text += " id=\"" + std::string(id) + "\"";
  }
  return text + ">";
}

void SvgSource::warn(const pugi::xml_node& element, const std::string& reason) const {
  warnings_.push_back(where(element) + ": " + reason);
}

std::string referenceId(std::string_view reference) {
  std::string_view r = trim(reference);
  if (r.starts_with("url(")) {
    const auto close = r.find(')');
    if (close == std::string_view::npos) return "";
    r = trim(r.substr(4, close - 4));
    if (r.size() >= 2 && (r.front() == '"' || r.front() == '\'') && r.back() == r.front()) {
      r = trim(r.substr(1, r.size() - 2));
    }
  }
  if (!r.starts_with('#')) return "";
  return std::string(r.substr(1));
}

std::string_view hrefOf(const pugi::xml_node& element) {
  const pugi::xml_attribute href = element.attribute("href");
  return href ? href.value() : element.attribute("xlink:href").value();
}

pugi::xml_attribute namespaceDeclaration(pugi::xml_node node, std::string_view prefix) {
  const std::string name = "xmlns:" + std::string(prefix);
  for (; node && node.type() == pugi::node_element; node = node.parent()) {
    if (const pugi::xml_attribute a = node.attribute(name.c_str())) return a;
  }
  return {};
}

bool containsOrIs(const pugi::xml_node& outer, pugi::xml_node inner) {
  for (; inner; inner = inner.parent()) {
    if (inner == outer) return true;
  }
  return false;
}

}  // namespace qv::host::io
