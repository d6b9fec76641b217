// Copies of source elements made to stand on their own, and the definitions they pull in.
#include "svg_fragment.h"

#include <algorithm>
#include <deque>
#include <iterator>
#include <set>

#include "number_format.h"
#include "svg_transform.h"
#include "xml_text.h"

namespace qv::host::io {

namespace {

std::string_view prefixOf(std::string_view name) {
  const auto colon = name.find(':');
  return colon == std::string_view::npos ? std::string_view() : name.substr(0, colon);
}

// Prefixes a fragment may use without declaring them (the writers declare xlink).
bool knownPrefix(std::string_view prefix) {
  return prefix.empty() || prefix == "xml" || prefix == "xmlns" || prefix == "xlink";
}

bool isRelativeFile(std::string_view href) {
  if (href.empty() || href.front() == '#' || href.front() == '/') return false;
  const auto colon = href.find(':');
  const auto slash = href.find('/');
  return colon == std::string_view::npos || (slash != std::string_view::npos && slash < colon);
}

template <typename Visit>
void forEachElement(const pugi::xml_node& node, Visit visit) {
  if (node.type() != pugi::node_element) return;
  visit(node);
  for (const pugi::xml_node& child : node.children()) forEachElement(child, visit);
}

void addReferences(const pugi::xml_node& node, std::deque<std::string>& out) {
  forEachElement(node, [&out](const pugi::xml_node& element) {
    for (const pugi::xml_attribute& a : element.attributes()) {
      const std::string_view name = a.name();
      const std::string_view value = a.value();
      if (name == "href" || name == "xlink:href") {
        if (std::string id = referenceId(value); !id.empty()) out.push_back(std::move(id));
        continue;
      }
      for (auto at = value.find("url("); at != std::string_view::npos;
           at = value.find("url(", at + 4)) {
        if (std::string id = referenceId(value.substr(at)); !id.empty())
          out.push_back(std::move(id));
      }
    }
  });
}

class FragmentBuilder {
 public:
  explicit FragmentBuilder(const SvgSource& source) : source_(source) {}

  // Appends a copy of `original` under `parent` (the fragment's top level when empty) with
  // `style` written out as its style.
  pugi::xml_node addRoot(const pugi::xml_node& original, const ComputedStyle& style,
                         pugi::xml_node parent = {}) {
    pugi::xml_node copy = (parent ? parent : xml_.root()).append_copy(original);
    Properties values = style.inherited;
    for (const auto& [name, value] : style.own) values[name] = value;
    bakeAttributes(original, copy, std::move(values));
    bakeChildren(original, copy);
    declarePrefixes(original, copy);
    return copy;
  }

  pugi::xml_document& xml() { return xml_; }

  // Copies of `owner`'s children under `parent`, made to stand on their own.
  void addChildrenOf(const pugi::xml_node& owner, pugi::xml_node parent) {
    for (const pugi::xml_node& child : owner.children()) parent.append_copy(child);
    bakeChildren(owner, parent);
  }

  void declarePrefixes(const pugi::xml_node& original, pugi::xml_node copy) {
    std::set<std::string> prefixes;
    forEachElement(copy, [&prefixes](const pugi::xml_node& element) {
      prefixes.emplace(prefixOf(element.name()));
      for (const pugi::xml_attribute& a : element.attributes())
        prefixes.emplace(prefixOf(a.name()));
    });
    for (const std::string& prefix : prefixes) {
      if (knownPrefix(prefix)) continue;
      const std::string name = "xmlns:" + prefix;
      const pugi::xml_attribute declared = namespaceDeclaration(original, prefix);
      if (declared && !copy.attribute(name.c_str())) {
        copy.append_attribute(name.c_str()) = declared.value();
      }
    }
  }

  // Appends the definitions the fragment refers to and does not hold, leaving out any that
  // contain `drawn` (a reference into itself).
  void addDefinitions(const pugi::xml_node& drawn) {
    std::set<std::string> held;
    std::deque<std::string> wanted;
    for (const pugi::xml_node& top : xml_.children()) {
      forEachElement(top, [&held](const pugi::xml_node& e) {
        if (*e.attribute("id").value() != '\0') held.emplace(e.attribute("id").value());
      });
      addReferences(top, wanted);
    }
    while (!wanted.empty()) {
      const std::string id = std::move(wanted.front());
      wanted.pop_front();
      if (!held.insert(id).second) continue;
      const pugi::xml_node definition = source_.byId(id);
      if (!definition || containsOrIs(definition, drawn)) continue;
      const pugi::xml_node copy = addRoot(definition, source_.computedAt(definition));
      forEachElement(copy, [&held](const pugi::xml_node& e) {
        if (*e.attribute("id").value() != '\0') held.emplace(e.attribute("id").value());
      });
      addReferences(copy, wanted);
    }
  }

  std::string text() const {
    return printXml(xml_, pugi::format_raw | pugi::format_no_declaration);
  }

  // What the cascade gave the original goes into the copy's style attribute (a transform
  // stays an attribute); attributes with prefixes the file never declared are left out.
  void bakeAttributes(const pugi::xml_node& original, pugi::xml_node copy, Properties values) {
    for (pugi::xml_attribute a = copy.first_attribute(); a;) {
      const pugi::xml_attribute next = a.next_attribute();
      const std::string_view name = a.name();
      const std::string_view prefix = prefixOf(name);
      if (name == "style" || isPresentationProperty(name) ||
          (!knownPrefix(prefix) && !namespaceDeclaration(original, prefix))) {
        copy.remove_attribute(a);
      }
      a = next;
    }
    if (const auto it = values.find("transform"); it != values.end()) {
      copy.append_attribute("transform") = it->second.c_str();
      values.erase(it);
    }
    if (!values.empty()) copy.append_attribute("style") = formatDeclarations(values).c_str();
    if (localName(original) == "image" && !source_.folder().empty()) {
      for (const char* name : {"href", "xlink:href"}) {
        pugi::xml_attribute href = copy.attribute(name);
        if (href && isRelativeFile(href.value())) {
          href = (source_.folder() / href.value()).lexically_normal().c_str();
        }
      }
    }
  }

 private:
  // Children pair up one to one with the original's, as append_copy made them. Style sheets
  // and scripts are left out: their effect is written into the copies. So is what lies
  // deeper than any drawing needs, which keeps hostile files from exhausting the stack.
  void bakeChildren(const pugi::xml_node& original, pugi::xml_node copy, int depth = 0) {
    pugi::xml_node copyChild = copy.first_child();
    for (pugi::xml_node child = original.first_child(); child && copyChild;
         child = child.next_sibling()) {
      const pugi::xml_node nextCopy = copyChild.next_sibling();
      if (child.type() == pugi::node_element) {
        const std::string_view prefix = prefixOf(child.name());
        const std::string_view name = localName(child);
        if ((!knownPrefix(prefix) && !namespaceDeclaration(child, prefix)) || name == "style" ||
            name == "script" || depth >= kMaxFragmentDepth) {
          copy.remove_child(copyChild);
        } else {
          bakeAttributes(child, copyChild, source_.specified(child));
          bakeChildren(child, copyChild, depth + 1);
        }
      }
      copyChild = nextCopy;
    }
  }

  static constexpr int kMaxFragmentDepth = 256;

  const SvgSource& source_;
  pugi::xml_document xml_;
};

// The chain of paint servers that `server` takes attributes and content from.
std::vector<pugi::xml_node> serverChain(const SvgSource& source, pugi::xml_node server) {
  const bool gradient = localName(server).ends_with("Gradient");
  std::vector<pugi::xml_node> chain;
  while (server && std::find(chain.begin(), chain.end(), server) == chain.end()) {
    const std::string_view name = localName(server);
    if (gradient != name.ends_with("Gradient") || (!gradient && name != "pattern")) break;
    chain.push_back(server);
    server = source.referenced(hrefOf(server));
  }
  return chain;
}

std::string_view chainAttribute(const std::vector<pugi::xml_node>& chain, const char* name) {
  for (const pugi::xml_node& node : chain) {
    if (const pugi::xml_attribute a = node.attribute(name)) return a.value();
  }
  return {};
}

// A paint server coordinate: a fraction of the bounding box, or a length in user units.
double coordinate(std::string_view value, std::string_view fallback, bool boundingBox, Axis axis,
                  const LengthBase& viewport) {
  for (const std::string_view text : {value, fallback}) {
    const std::string_view v = trim(text);
    if (v.empty()) continue;
    if (boundingBox) {
      const bool percent = v.ends_with('%');
      if (const auto n = parseNumber(percent ? v.substr(0, v.size() - 1) : v)) {
        return percent ? *n / 100 : *n;
      }
    } else if (const auto n = parseLength(v, axis, viewport)) {
      return *n;
    }
  }
  return 0;
}

bool hasArea(const Bounds& b) {
  return !b.empty && b.rect.right > b.rect.left && b.rect.top > b.rect.bottom;
}

void setNumber(pugi::xml_node node, const char* name, double value) {
  node.append_attribute(name) = formatReal(static_cast<AIReal>(value)).c_str();
}

}  // namespace

std::string passThroughFragment(const SvgSource& source, const pugi::xml_node& element,
                                const AIRealMatrix& ctm, const ComputedStyle& parent) {
  FragmentBuilder builder(source);
  ComputedStyle style = computeStyle(parent, source.specified(element), LengthBase{});
  for (const char* carried : {"opacity", "mix-blend-mode", "display"}) style.own.erase(carried);
  style.own.erase("transform");
  pugi::xml_node container;
  if (localName(element) == "svg") {
    // An <svg> takes no transform in SVG 1.1, so a group carries it.
    container = builder.xml().append_child("g");
    if (!isIdentity(ctm)) container.append_attribute("transform") = formatMatrix(ctm).c_str();
  } else if (!isIdentity(ctm)) {
    style.own["transform"] = formatMatrix(ctm);
  }
  pugi::xml_node copy = builder.addRoot(element, style, container);
  copy.remove_attribute("id");
  for (pugi::xml_attribute a = copy.first_attribute(); a;) {
    const pugi::xml_attribute next = a.next_attribute();
    if (std::string_view(a.name()).starts_with("data-")) copy.remove_attribute(a);
    a = next;
  }
  builder.addDefinitions(element);
  return builder.text();
}

std::optional<std::string> paintServerFragment(const SvgSource& source,
                                               const pugi::xml_node& server,
                                               const AIRealMatrix& ctm, const Bounds& local,
                                               const Bounds& root, const LengthBase& viewport) {
  const std::vector<pugi::xml_node> chain = serverChain(source, server);
  if (chain.empty()) return std::nullopt;
  const std::string_view kind = localName(server);
  const bool gradient = kind != "pattern";
  auto attribute = [&chain](const char* name) { return chainAttribute(chain, name); };
  // Coordinates come only from gradients of the same kind; units, transform and spread from any.
  std::vector<pugi::xml_node> sameKind;
  std::copy_if(chain.begin(), chain.end(), std::back_inserter(sameKind),
               [kind](const pugi::xml_node& n) { return localName(n) == kind; });
  auto coordinateAttribute = [&sameKind](const char* name) {
    return chainAttribute(sameKind, name);
  };
  // The server whose children are the content: the first in the chain that has any.
  pugi::xml_node owner;
  for (const pugi::xml_node& node : chain) {
    for (const pugi::xml_node& child : node.children()) {
      if (child.type() == pugi::node_element && (!gradient || localName(child) == "stop")) {
        owner = node;
        break;
      }
    }
    if (owner) break;
  }

  FragmentBuilder builder(source);
  pugi::xml_node copy = builder.xml().append_child(server.name());
  copy.append_attribute("id") = server.attribute("id").value();
  const ComputedStyle& style = source.computedAt(server);
  Properties values = style.inherited;
  for (const auto& [name, value] : style.own) values[name] = value;
  values.erase("transform");
  builder.bakeAttributes(server, copy, std::move(values));

  const AIRealRect& box = local.rect;
  const double bw = box.right - box.left, bh = box.top - box.bottom;
  const auto transform =
      parseTransform(attribute(gradient ? "gradientTransform" : "patternTransform"));
  const AIRealMatrix own = transform.value_or(kIdentity);

  if (gradient) {
    const bool boundingBox = attribute("gradientUnits") != "userSpaceOnUse";
    if (boundingBox && !hasArea(local)) return std::nullopt;
    auto number = [&](const char* name, std::string_view fallback, Axis axis) {
      setNumber(copy, name,
                coordinate(coordinateAttribute(name), fallback, boundingBox, axis, viewport));
    };
    if (kind == "linearGradient") {
      number("x1", "0%", Axis::Horizontal);
      number("y1", "0%", Axis::Vertical);
      number("x2", "100%", Axis::Horizontal);
      number("y2", "0%", Axis::Vertical);
    } else {
      const std::string cx(coordinateAttribute("cx").empty() ? "50%" : coordinateAttribute("cx"));
      const std::string cy(coordinateAttribute("cy").empty() ? "50%" : coordinateAttribute("cy"));
      number("cx", "50%", Axis::Horizontal);
      number("cy", "50%", Axis::Vertical);
      number("r", "50%", Axis::Other);
      number("fx", cx, Axis::Horizontal);
      number("fy", cy, Axis::Vertical);
      number("fr", "0%", Axis::Other);
    }
    if (const std::string_view spread = attribute("spreadMethod"); !spread.empty()) {
      copy.append_attribute("spreadMethod") = std::string(spread).c_str();
    }
    // Where the gradient's own space lands in root coordinates; then put in terms of the
    // art's bounding box there, so that the paint moves with the art.
    AIRealMatrix toRoot = boundingBox ? concat(own, boxMatrix(box)) : own;
    toRoot = concat(toRoot, ctm);
    const auto fromBox = hasArea(root) ? invert(boxMatrix(root.rect)) : std::nullopt;
    copy.append_attribute("gradientUnits") = fromBox ? "objectBoundingBox" : "userSpaceOnUse";
    copy.append_attribute("gradientTransform") =
        formatMatrix(fromBox ? concat(toRoot, *fromBox) : toRoot).c_str();
    if (owner) builder.addChildrenOf(owner, copy);
  } else {
    const bool boundingBoxTile = attribute("patternUnits") != "userSpaceOnUse";
    const bool boundingBoxContent = attribute("patternContentUnits") == "objectBoundingBox";
    const auto viewBox = parseViewBox(attribute("viewBox"));
    if ((boundingBoxTile || (boundingBoxContent && !viewBox)) && !hasArea(local))
      return std::nullopt;
    double x = coordinate(attribute("x"), "0", boundingBoxTile, Axis::Horizontal, viewport);
    double y = coordinate(attribute("y"), "0", boundingBoxTile, Axis::Vertical, viewport);
    double w = coordinate(attribute("width"), "0", boundingBoxTile, Axis::Horizontal, viewport);
    double h = coordinate(attribute("height"), "0", boundingBoxTile, Axis::Vertical, viewport);
    if (boundingBoxTile) {
      x = box.left + x * bw;
      y = box.bottom + y * bh;
      w *= bw;
      h *= bh;
    }
    if (!(w > 0) || !(h > 0)) return std::nullopt;
    setNumber(copy, "x", x);
    setNumber(copy, "y", y);
    setNumber(copy, "width", w);
    setNumber(copy, "height", h);
    copy.append_attribute("patternUnits") = "userSpaceOnUse";
    copy.append_attribute("patternContentUnits") = "userSpaceOnUse";
    copy.append_attribute("patternTransform") = formatMatrix(concat(own, ctm)).c_str();
    pugi::xml_node content = copy;
    if (viewBox) {
      copy.append_attribute("viewBox") = std::string(attribute("viewBox")).c_str();
      if (const std::string_view par = attribute("preserveAspectRatio"); !par.empty()) {
        copy.append_attribute("preserveAspectRatio") = std::string(par).c_str();
      }
    } else if (boundingBoxContent) {
      // Content in bounding box units is scaled by the box, not moved by it.
      content = copy.append_child("g");
      content.append_attribute("transform") =
          formatMatrix({static_cast<AIReal>(bw), 0, 0, static_cast<AIReal>(bh), 0, 0}).c_str();
    }
    if (owner) builder.addChildrenOf(owner, content);
  }
  builder.declarePrefixes(server, copy);
  builder.addDefinitions(server);
  return builder.text();
}

bool parseFragment(std::string_view text, ParsedFragment& fragment) {
  if (!fragment.xml.load_buffer(text.data(), text.size(),
                                pugi::parse_default | pugi::parse_fragment)) {
    return false;
  }
  fragment.main = {};
  fragment.definitions.clear();
  for (const pugi::xml_node& node : fragment.xml.children()) {
    if (node.type() != pugi::node_element) continue;
    if (!fragment.main) {
      fragment.main = node;
    } else {
      fragment.definitions.push_back(node);
    }
  }
  return static_cast<bool>(fragment.main);
}

}  // namespace qv::host::io
