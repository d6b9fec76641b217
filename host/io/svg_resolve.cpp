// Walks the element tree with what each element inherits (transform, style, viewport, the
// <use> elements being expanded), turning drawing elements into paths and groups, and the
// rest into pass-through fragments with a warning that says why.
#include "svg_resolve.h"

#include <algorithm>
#include <cmath>
#include <unordered_set>

#include "blend_modes.h"
#include "element_bounds.h"
#include "fragment_svg.h"
#include "number_format.h"
#include "svg_color.h"
#include "svg_fragment.h"
#include "svg_shapes.h"
#include "svg_transform.h"

namespace qv::host::io {

namespace {

constexpr int kMaxDepth = 256;
constexpr std::size_t kMaxElements = 250'000;

// Elements that draw nothing where they stand: definitions, metadata, animation, and text
// parts outside a text element.
bool isNonRendering(std::string_view name) {
  static const std::unordered_set<std::string_view> kNames{"altGlyph",
                                                           "altGlyphDef",
                                                           "altGlyphItem",
                                                           "clipPath",
                                                           "color-profile",
                                                           "cursor",
                                                           "defs",
                                                           "desc",
                                                           "discard",
                                                           "filter",
                                                           "font",
                                                           "font-face",
                                                           "font-face-format",
                                                           "font-face-name",
                                                           "font-face-src",
                                                           "font-face-uri",
                                                           "glyph",
                                                           "glyphRef",
                                                           "hkern",
                                                           "linearGradient",
                                                           "marker",
                                                           "mask",
                                                           "metadata",
                                                           "missing-glyph",
                                                           "mpath",
                                                           "pattern",
                                                           "radialGradient",
                                                           "script",
                                                           "set",
                                                           "stop",
                                                           "style",
                                                           "symbol",
                                                           "textPath",
                                                           "title",
                                                           "tref",
                                                           "tspan",
                                                           "view",
                                                           "vkern"};
  return kNames.count(name) != 0 || name.starts_with("animate") ||
         (name.starts_with("fe") && name.size() > 2 &&
          std::isupper(static_cast<unsigned char>(name[2])));
}

bool isPaintServer(std::string_view name) {
  return name == "linearGradient" || name == "radialGradient" || name == "pattern";
}

// A number or a percentage as a fraction clamped to 0..1 (opacities).
AIReal unitValue(std::string_view text) {
  text = trim(text);
  if (text.empty()) return 1;
  const bool percent = text.ends_with('%');
  const auto value = parseNumber(percent ? text.substr(0, text.size() - 1) : text);
  if (!value) return 1;
  return static_cast<AIReal>(std::clamp(percent ? *value / 100 : *value, 0.0, 1.0));
}

AIRealPoint real(Point p) { return {static_cast<AIReal>(p.x), static_cast<AIReal>(p.y)}; }

Bounds boundsOf(const std::vector<Subpath>& subpaths) {
  Bounds bounds;
  std::vector<AIPathSegment> segments;
  for (const Subpath& subpath : subpaths) {
    segments.clear();
    for (const Segment& s : subpath.segments) {
      segments.push_back({real(s.p), real(s.in), real(s.out), s.corner});
    }
    bounds.add(pathBounds(segments, subpath.closed));
  }
  return bounds;
}

// What resolved art covers in root coordinates, strokes included.
Bounds coverage(const ResolvedArt& art) {
  Bounds bounds;
  if (art.kind == ResolvedArt::Kind::PassThrough) return art.elementBounds;
  if (art.kind == ResolvedArt::Kind::Path) {
    bounds = boundsOf(art.subpaths);
    if (!bounds.empty && art.style.strokePaint) {
      const AIReal half = art.style.stroke.width / 2;
      bounds.add(AIRealPoint{bounds.rect.left - half, bounds.rect.bottom - half});
      bounds.add(AIRealPoint{bounds.rect.right + half, bounds.rect.top + half});
    }
    return bounds;
  }
  for (const ResolvedArt& child : art.children) bounds.add(coverage(child));
  return bounds;
}

bool inside(const Bounds& inner, const Bounds& outer) {
  const float slack = 1e-3f;
  return inner.empty || (!outer.empty && inner.rect.left >= outer.rect.left - slack &&
                         inner.rect.right <= outer.rect.right + slack &&
                         inner.rect.bottom >= outer.rect.bottom - slack &&
                         inner.rect.top <= outer.rect.top + slack);
}

void clearIds(std::vector<ResolvedArt>& art) {
  for (ResolvedArt& a : art) {
    a.id.clear();
    clearIds(a.children);
  }
}

struct Context {
  AIRealMatrix ctm = kIdentity;  // user space to root coordinates
  ComputedStyle style;           // of the element whose children are resolved
  LengthBase lengths;            // its viewport and font size
  int depth = 0;
  bool foreignNamespace = false;             // inside an element of another default namespace
  std::vector<pugi::xml_node_struct*> uses;  // targets of the <use> elements being expanded
};

struct Paint {
  bool on = false;
  AIColor color = noColor();
  AIReal alpha = 1;
  std::string server;  // gradient or pattern fragment
};

class Resolver {
 public:
  explicit Resolver(const SvgSource& source) : source_(source) {}

  ResolvedSvg run() {
    const pugi::xml_node root = source_.root();
    ResolvedSvg result;
    const auto viewBox = parseViewBox(root.attribute("viewBox").value());
    const LengthBase base{viewBox ? viewBox->width : 100, viewBox ? viewBox->height : 100, 16};
    auto size = [&](const char* name, Axis axis) -> std::optional<double> {
      const auto value = parseLength(root.attribute(name).value(), axis, base);
      if (value && *value > 0) return value;
      if (root.attribute(name) && std::string_view(root.attribute(name).value()) != "auto") {
        source_.warn(root, std::string(name) + " '" + root.attribute(name).value() +
                               "' is not a usable size; ignored");
      }
      return std::nullopt;
    };
    auto width = size("width", Axis::Horizontal);
    auto height = size("height", Axis::Vertical);
    if (viewBox) {
      // A missing side keeps the view box's proportions.
      if (!width) width = height ? *height * viewBox->width / viewBox->height : viewBox->width;
      if (!height) height = *width * viewBox->height / viewBox->width;
    }
    const bool sized = width && height;
    if (!sized) {
      // Lengths in % refer to 100 x 100 until the art gives the size.
      width = width.value_or(100);
      height = height.value_or(100);
    }
    width_ = result.width = static_cast<AIReal>(*width);
    height_ = result.height = static_cast<AIReal>(*height);

    Context ctx;
    if (viewBox) {
      ctx.ctm = viewBoxTransform(*viewBox, root.attribute("preserveAspectRatio").value(), *width,
                                 *height);
    }
    ctx.style = source_.computedAt(root);
    if (const auto transform = transformOf(root, ctx.style)) ctx.ctm = concat(ctx.ctm, *transform);
    ctx.lengths = {viewBox ? viewBox->width : *width, viewBox ? viewBox->height : *height,
                   ctx.style.fontSize};

    bool looseLayerOpen = false;
    for (const pugi::xml_node& child : root.children()) {
      if (child.type() != pugi::node_element) continue;
      if (isLayer(child)) {
        looseLayerOpen = false;
        std::vector<ResolvedArt> art;
        element(child, ctx, art);
        if (art.empty()) continue;
        ResolvedLayer& layer = result.layers.emplace_back();
        layer.name = layerName(child);
        ResolvedArt& group = art.front();
        layer.visible = !group.hidden;
        group.hidden = false;
        // A layer has no opacity or blending of its own: a group inside it keeps them.
        if (group.kind == ResolvedArt::Kind::Group && group.opacity == 1 && group.blendMode == 0) {
          layer.art = std::move(group.children);
        } else {
          layer.art = std::move(art);
        }
        continue;
      }
      if (!looseLayerOpen) result.layers.emplace_back();
      looseLayerOpen = true;
      element(child, ctx, result.layers.back().art);
    }
    std::erase_if(result.layers,
                  [](const ResolvedLayer& l) { return l.name.empty() && l.art.empty(); });
    rootProperties(root, ctx.style, result.layers);
    if (!sized) {
      // Without a size the artboard reaches from the origin to the far corner of the art.
      Bounds art;
      for (const ResolvedLayer& layer : result.layers) {
        for (const ResolvedArt& a : layer.art) art.add(coverage(a));
      }
      if (!art.empty) {
        if (!root.attribute("width")) result.width = std::max(1.0f, art.rect.right);
        if (!root.attribute("height")) result.height = std::max(1.0f, art.rect.top);
      }
      source_.warn(root, "has no usable width, height or viewBox; the artboard is " +
                             formatReal(result.width) + " x " + formatReal(result.height));
    }
    return result;
  }

 private:
  // The root's own opacity, blending and display hold for all its art: a group in each layer
  // carries them. A clip, mask or filter on the root is not modelled.
  void rootProperties(const pugi::xml_node& root, const ComputedStyle& style,
                      std::vector<ResolvedLayer>& layers) const {
    ResolvedArt group;
    common(root, style, group);
    group.id.clear();
    group.tags.clear();
    if (const std::string reason = unmodelled("svg", style); !reason.empty()) {
      source_.warn(root, reason + " on the root; ignored");
    }
    if (group.opacity == 1 && group.blendMode == 0 && !group.hidden) return;
    for (ResolvedLayer& layer : layers) {
      ResolvedArt wrapper = group;
      wrapper.children = std::move(layer.art);
      layer.art.clear();
      layer.art.push_back(std::move(wrapper));
    }
  }

  static bool isLayer(const pugi::xml_node& node) {
    return localName(node) == "g" &&
           (std::string_view(node.attribute("inkscape:groupmode").value()) == "layer" ||
            node.attribute("data-layer"));
  }

  static std::string layerName(const pugi::xml_node& node) {
    for (const char* name : {"data-layer", "inkscape:label", "id"}) {
      if (const char* value = node.attribute(name).value(); *value != '\0') return value;
    }
    return "";
  }

  std::optional<AIRealMatrix> transformOf(const pugi::xml_node& node, const ComputedStyle& style) {
    const std::string_view text = trim(style.get("transform"));
    if (text.empty() || text == "none") return std::nullopt;
    const auto m = parseTransform(text);
    if (!m) source_.warn(node, "transform '" + std::string(text) + "' cannot be read; ignored");
    return m;
  }

  // The element's name when it is in the SVG namespace.
  std::optional<std::string_view> svgName(const pugi::xml_node& node, const Context& ctx) const {
    const std::string_view name = node.name();
    if (const auto colon = name.find(':'); colon != std::string_view::npos) {
      const pugi::xml_attribute declared = namespaceDeclaration(node, name.substr(0, colon));
      if (!declared || std::string_view(declared.value()) != kSvgNamespace) return std::nullopt;
      return name.substr(colon + 1);
    }
    if (ctx.foreignNamespace) return std::nullopt;
    return name;
  }

  // Conditional processing as a renderer in English with no extensions would do it.
  static bool conditionsHold(const pugi::xml_node& node) {
    if (node.attribute("requiredExtensions")) return false;
    const pugi::xml_attribute languages = node.attribute("systemLanguage");
    if (!languages) return true;
    std::string_view rest = languages.value();
    while (!rest.empty()) {
      const auto comma = rest.find(',');
      const std::string_view language = trim(rest.substr(0, comma));
      if (language == "en" || language.starts_with("en-")) return true;
      if (comma == std::string_view::npos) break;
      rest = rest.substr(comma + 1);
    }
    return false;
  }

  double length(const pugi::xml_node& node, const char* name, Axis axis, const LengthBase& base,
                std::string_view fallback) const {
    const pugi::xml_attribute a = node.attribute(name);
    const std::string_view text = a && std::string_view(a.value()) != "auto" ? a.value() : fallback;
    return parseLength(text, axis, base).value_or(parseLength(fallback, axis, base).value_or(0));
  }

  void children(const pugi::xml_node& parent, const Context& ctx, std::vector<ResolvedArt>& out) {
    for (const pugi::xml_node& child : parent.children()) element(child, ctx, out);
  }

  void element(const pugi::xml_node& node, const Context& parent, std::vector<ResolvedArt>& out) {
    if (node.type() != pugi::node_element) return;
    Context ctx = parent;
    if (const pugi::xml_attribute ns = node.attribute("xmlns")) {
      ctx.foreignNamespace = std::string_view(ns.value()) != kSvgNamespace;
    }
    const auto name = svgName(node, ctx);
    if (!name || isNonRendering(*name) || !conditionsHold(node)) return;
    if (ctx.depth >= kMaxDepth) {
      source_.warn(node,
                   "is nested more than " + std::to_string(kMaxDepth) + " levels deep; left out");
      return;
    }
    if (++elements_ > kMaxElements) {
      if (elements_ == kMaxElements + 1) {
        source_.warn(node, "the file expands to more than " + std::to_string(kMaxElements) +
                               " elements; the rest is left out");
      }
      return;
    }
    ++ctx.depth;
    ctx.style = computeStyle(parent.style, source_.specified(node), parent.lengths);
    ctx.lengths.fontSize = ctx.style.fontSize;
    if (const auto transform = transformOf(node, ctx.style))
      ctx.ctm = concat(*transform, parent.ctm);

    ResolvedArt art;
    if (const std::string reason = unmodelled(*name, ctx.style); !reason.empty()) {
      source_.warn(node, reason + "; kept as pass-through art");
      art = passThrough(node, *name, ctx, parent, *name == "text" ? kTextFrameArt : kForeignArt);
    } else if (*name == "g" || *name == "a") {
      children(node, ctx, art.children);
    } else if (*name == "switch") {
      for (const pugi::xml_node& child : node.children()) {
        const auto childName =
            child.type() == pugi::node_element ? svgName(child, ctx) : std::nullopt;
        if (!childName || isNonRendering(*childName) || !conditionsHold(child)) continue;
        element(child, ctx, art.children);
        break;
      }
    } else if (*name == "svg") {
      Context inner = ctx;
      Bounds frame;
      if (!viewport(node, inner, frame)) return;
      children(node, inner, art.children);
      // The document has no clips: content the viewport would cut keeps it as pass-through.
      const std::string_view overflow = trim(ctx.style.get("overflow"));
      if (overflow != "visible" && overflow != "auto" && !inside(coverage(art), frame)) {
        source_.warn(node,
                     "its content reaches outside its viewport, whose clip is not modelled; "
                     "kept as pass-through art");
        art = passThrough(node, *name, ctx, parent, kForeignArt);
      }
    } else if (*name == "use") {
      if (!use(node, *name, ctx, parent, art)) return;
    } else if (isShapeElement(*name)) {
      if (!shape(node, *name, ctx, art)) return;
    } else if (*name == "image") {
      const bool embedded = hrefOf(node).starts_with("data:");
      art = passThrough(node, *name, ctx, parent, embedded ? kRasterArt : kPlacedArt);
    } else if (*name == "text") {
      art = passThrough(node, *name, ctx, parent, kTextFrameArt);
    } else {
      source_.warn(node, *name == "foreignObject"
                             ? "holds content of another language; kept as pass-through art"
                             : "is not an element the host knows; kept as pass-through art");
      art = passThrough(node, *name, ctx, parent, kForeignArt);
    }
    common(node, ctx.style, art);
    out.push_back(std::move(art));
  }

  // Why the document cannot hold the element as paths and groups, or "".
  static std::string unmodelled(std::string_view name, const ComputedStyle& style) {
    for (const char* property : {"clip-path", "mask", "filter"}) {
      const std::string_view value = trim(style.get(property));
      if (!value.empty() && value != "none") return std::string(property) + " is not modelled";
    }
    if (name == "path" || name == "line" || name == "polyline" || name == "polygon") {
      for (const char* property : {"marker", "marker-start", "marker-mid", "marker-end"}) {
        const std::string_view value = trim(style.get(property));
        if (!value.empty() && value != "none") return "markers are not modelled";
      }
    }
    return "";
  }

  // What every element carries: id, data- attributes, opacity, blending, display.
  void common(const pugi::xml_node& node, const ComputedStyle& style, ResolvedArt& art) const {
    art.id = node.attribute("id").value();
    for (const pugi::xml_attribute& a : node.attributes()) {
      const std::string_view name = a.name();
      if (!name.starts_with("data-")) continue;
      const std::string key(name.substr(5));
      const bool on = std::string_view(a.value()) != "false";
      if (key == "selected") {
        art.selected = on;
      } else if (key == "locked") {
        art.locked = on;
      } else if (key != "layer" && key != "fill-color" && key != "stroke-color") {
        art.tags[key] = a.value();
      }
    }
    art.opacity *= unitValue(style.get("opacity"));
    if (const std::string_view blend = trim(style.get("mix-blend-mode")); !blend.empty()) {
      const auto* it = std::find(std::begin(kBlendModeNames), std::end(kBlendModeNames), blend);
      if (it == std::end(kBlendModeNames)) {
        source_.warn(node, "mix-blend-mode '" + std::string(blend) +
                               "' is not one of the sixteen; normal is used");
      } else {
        art.blendMode = static_cast<int32_t>(it - std::begin(kBlendModeNames));
      }
    }
    if (trim(style.get("display")) == "none") art.hidden = true;
  }

  // Moves ctx into the viewport of a nested <svg> and gives the viewport's frame in root
  // coordinates. False when it has no area and so draws nothing.
  bool viewport(const pugi::xml_node& node, Context& ctx, Bounds& frame) const {
    const LengthBase& base = ctx.lengths;
    const double x = length(node, "x", Axis::Horizontal, base, "0");
    const double y = length(node, "y", Axis::Vertical, base, "0");
    const double w = length(node, "width", Axis::Horizontal, base, "100%");
    const double h = length(node, "height", Axis::Vertical, base, "100%");
    if (!(w > 0) || !(h > 0)) {
      source_.warn(node, "has a viewport without area; left out");
      return false;
    }
    for (const double cx : {x, x + w}) {
      for (const double cy : {y, y + h}) {
        frame.add(apply(ctx.ctm, {static_cast<AIReal>(cx), static_cast<AIReal>(cy)}));
      }
    }
    ctx.ctm = concat(translation(static_cast<AIReal>(x), static_cast<AIReal>(y)), ctx.ctm);
    if (const auto box = parseViewBox(node.attribute("viewBox").value())) {
      ctx.ctm = concat(viewBoxTransform(*box, node.attribute("preserveAspectRatio").value(), w, h),
                       ctx.ctm);
      ctx.lengths.viewportWidth = box->width;
      ctx.lengths.viewportHeight = box->height;
    } else {
      ctx.lengths.viewportWidth = w;
      ctx.lengths.viewportHeight = h;
    }
    return true;
  }

  bool use(const pugi::xml_node& node, std::string_view name, Context& ctx, const Context& parent,
           ResolvedArt& art) {
    const std::string_view href = hrefOf(node);
    const pugi::xml_node target = source_.referenced(href);
    if (!target) {
      if (!href.empty() && href.front() != '#') {
        source_.warn(node, "refers to another file; kept as pass-through art");
        art = passThrough(node, name, ctx, parent, kForeignArt);
        return true;
      }
      source_.warn(node, href.empty() ? "refers to nothing; left out"
                                      : "refers to " + std::string(href) +
                                            ", which the file does not have; left out");
      return false;
    }
    if (containsOrIs(target, node) ||
        std::find(ctx.uses.begin(), ctx.uses.end(), target.internal_object()) != ctx.uses.end()) {
      source_.warn(node, "refers to itself through " + std::string(href) + "; left out");
      return false;
    }
    ctx.uses.push_back(target.internal_object());
    const double x = length(node, "x", Axis::Horizontal, ctx.lengths, "0");
    const double y = length(node, "y", Axis::Vertical, ctx.lengths, "0");
    ctx.ctm = concat(translation(static_cast<AIReal>(x), static_cast<AIReal>(y)), ctx.ctm);
    if (localName(target) == "symbol") {
      Context inner = ctx;
      inner.style = computeStyle(ctx.style, source_.specified(target), ctx.lengths);
      inner.lengths.fontSize = inner.style.fontSize;
      if (!symbolViewport(node, target, inner)) return false;
      children(target, inner, art.children);
    } else {
      element(target, ctx, art.children);
    }
    clearIds(art.children);
    return true;
  }

  // The viewport a <use> shows a symbol in: the <use>'s size, else the symbol's own.
  bool symbolViewport(const pugi::xml_node& useNode, const pugi::xml_node& symbol,
                      Context& ctx) const {
    const LengthBase& base = ctx.lengths;
    auto side = [&](const char* name, Axis axis) {
      const pugi::xml_node from = useNode.attribute(name) ? useNode : symbol;
      return length(from, name, axis, base, "100%");
    };
    const double w = side("width", Axis::Horizontal), h = side("height", Axis::Vertical);
    if (!(w > 0) || !(h > 0)) {
      source_.warn(useNode, "shows a symbol in a viewport without area; left out");
      return false;
    }
    if (const auto box = parseViewBox(symbol.attribute("viewBox").value())) {
      ctx.ctm = concat(
          viewBoxTransform(*box, symbol.attribute("preserveAspectRatio").value(), w, h), ctx.ctm);
      ctx.lengths.viewportWidth = box->width;
      ctx.lengths.viewportHeight = box->height;
    }
    return true;
  }

  bool shape(const pugi::xml_node& node, std::string_view name, const Context& ctx,
             ResolvedArt& art) {
    std::string problem;
    art.subpaths = shapeSubpaths(node, name, ctx.lengths, problem);
    if (art.subpaths.empty()) {
      source_.warn(node, (problem.empty() ? std::string("draws nothing") : problem) + "; left out");
      return false;
    }
    if (!problem.empty()) source_.warn(node, problem + "; drawn up to there");
    const Bounds local = boundsOf(art.subpaths);
    transformSubpaths(art.subpaths, ctx.ctm);
    const Bounds root = boundsOf(art.subpaths);
    if (!root.empty && !(finite(AIRealPoint{root.rect.left, root.rect.bottom}) &&
                         finite(AIRealPoint{root.rect.right, root.rect.top}))) {
      source_.warn(node, "has coordinates beyond what the document holds; left out");
      return false;
    }
    art.kind = ResolvedArt::Kind::Path;
    const Paint fill = paint(node, ctx, "fill", local, root);
    const Paint stroke = paint(node, ctx, "stroke", local, root);
    pathStyle(node, ctx, fill, stroke, art);
    if (fill.on && stroke.on && fill.alpha != stroke.alpha) {
      // One art has one opacity: a filled and a stroked copy in a group keep both.
      source_.warn(node,
                   "fill and stroke have different opacities; kept as a group of a filled "
                   "and a stroked path");
      ResolvedArt filled = art, stroked = std::move(art);
      filled.style.strokePaint = false;
      filled.strokePaint.clear();
      filled.opacity = fill.alpha;
      stroked.style.fillPaint = false;
      stroked.fillPaint.clear();
      stroked.opacity = stroke.alpha;
      art = ResolvedArt{};
      art.children.push_back(std::move(filled));
      art.children.push_back(std::move(stroked));
    }
    const std::string_view visibility = trim(ctx.style.get("visibility"));
    if (visibility == "hidden" || visibility == "collapse") art.hidden = true;
    return true;
  }

  std::optional<Paint> paintValue(const pugi::xml_node& node, const Context& ctx,
                                  std::string_view property, std::string_view value,
                                  const Bounds& local, const Bounds& root) {
    value = trim(value);
    Paint paint;
    if (value == "none" || value == "context-fill" || value == "context-stroke") return paint;
    if (value.starts_with("url(")) {
      const auto close = value.find(')');
      const std::string_view reference =
          value.substr(0, close == std::string_view::npos ? value.size() : close + 1);
      const std::string_view fallback =
          close == std::string_view::npos ? "" : trim(value.substr(close + 1));
      const pugi::xml_node server = source_.referenced(reference);
      if (server && isPaintServer(localName(server))) {
        // A paint without area (an object bounding box of a line) draws the fallback, if any.
        if (const auto fragment =
                paintServerFragment(source_, server, ctx.ctm, local, root, ctx.lengths)) {
          paint.on = true;
          paint.color = rgbColor(0, 0, 0);
          paint.server = *fragment;
          return paint;
        }
      } else {
        source_.warn(node, std::string(property) + " refers to " + std::string(reference) +
                               ", which is not a gradient or pattern of the file; " +
                               (fallback.empty() ? "not painted" : "its fallback is used"));
      }
      if (fallback.empty() || fallback.starts_with("url(")) return paint;
      return paintValue(node, ctx, property, fallback, local, root);
    }
    if (value == "currentColor") {
      value = trim(ctx.style.get("color"));
      if (value.empty() || value == "currentColor") value = "black";
    }
    if (const auto icc = value.find("icc-color("); icc != std::string_view::npos)
      value = trim(value.substr(0, icc));
    const auto color = parseCssColor(value);
    if (!color) return std::nullopt;
    paint.on = true;
    paint.color = color->color;
    paint.alpha = color->alpha;
    return paint;
  }

  Paint paint(const pugi::xml_node& node, const Context& ctx, const std::string& property,
              const Bounds& local, const Bounds& root) {
    const bool fill = property == "fill";
    std::string_view value = ctx.style.get(property);
    if (value.empty()) value = fill ? "black" : "none";
    auto paint = paintValue(node, ctx, property, value, local, root);
    if (!paint) {
      source_.warn(node, property + " '" + std::string(value) + "' is not a paint; " +
                             (fill ? "black" : "none") + " is used");
      paint = paintValue(node, ctx, property, fill ? "black" : "none", local, root);
    }
    paint->alpha *= unitValue(ctx.style.get(property + "-opacity"));
    // The exact colour written beside the sRGB one, unless the sRGB one was changed since.
    const std::string exactName = "data-" + property + "-color";
    if (paint->on && paint->server.empty()) {
      if (const auto exact = parseExactColor(node.attribute(exactName.c_str()).value());
          exact && hexColor(*exact) == hexColor(paint->color)) {
        paint->color = *exact;
      }
    }
    if (paint->alpha == 0) *paint = Paint{};
    return *paint;
  }

  void pathStyle(const pugi::xml_node& node, const Context& ctx, const Paint& fill,
                 const Paint& stroke, ResolvedArt& art) {
    AIPathStyle& style = art.style;
    style.fillPaint = fill.on;
    style.fill.color = fill.color;
    art.fillPaint = fill.server;
    style.strokePaint = stroke.on;
    style.stroke.color = stroke.color;
    art.strokePaint = stroke.server;
    style.evenodd = trim(ctx.style.get("fill-rule")) == "evenodd";
    // A paint's own opacity becomes the art's (shape() splits art whose two paints differ).
    art.opacity = fill.on ? fill.alpha : stroke.on ? stroke.alpha : 1;

    const double scale = std::sqrt(std::fabs(static_cast<double>(ctx.ctm.a) * ctx.ctm.d -
                                             static_cast<double>(ctx.ctm.b) * ctx.ctm.c));
    auto strokeLength = [&](std::string_view text) -> std::optional<double> {
      const auto value = parseLength(trim(text), Axis::Other, ctx.lengths);
      if (!value) return std::nullopt;
      return *value * scale;
    };
    if (const auto width = strokeLength(ctx.style.get("stroke-width")); width && *width >= 0) {
      style.stroke.width = static_cast<AIReal>(*width);
    } else {
      style.stroke.width = static_cast<AIReal>(scale);
    }
    const std::string_view cap = trim(ctx.style.get("stroke-linecap"));
    style.stroke.cap = cap == "round"    ? kAIRoundCap
                       : cap == "square" ? kAIProjectingCap
                                         : kAIButtCap;
    const std::string_view join = trim(ctx.style.get("stroke-linejoin"));
    style.stroke.join = join == "round"   ? kAIRoundJoin
                        : join == "bevel" ? kAIBevelJoin
                                          : kAIMiterJoin;
    const auto miter = parseNumber(ctx.style.get("stroke-miterlimit"));
    style.stroke.miterLimit = miter && *miter >= 1 ? static_cast<AIReal>(*miter) : 4;
    dash(node, ctx, scale, style.stroke.dash);
  }

  void dash(const pugi::xml_node& node, const Context& ctx, double scale, AIDashStyle& dash) {
    dash = {};
    std::string list(trim(ctx.style.get("stroke-dasharray")));
    if (list.empty() || list == "none") return;
    std::replace(list.begin(), list.end(), ',', ' ');
    std::vector<double> lengths;
    std::string_view rest = list;
    while (!(rest = trim(rest)).empty()) {
      const auto space = rest.find_first_of(" \t\n\r");
      const auto value = parseLength(rest.substr(0, space), Axis::Other, ctx.lengths);
      if (!value || *value < 0) {
        source_.warn(node, "stroke-dasharray '" + list + "' cannot be read; drawn solid");
        return;
      }
      lengths.push_back(*value * scale);
      rest = space == std::string_view::npos ? std::string_view() : rest.substr(space);
    }
    double total = 0;
    for (double v : lengths) total += v;
    if (total <= 0) return;
    if (lengths.size() % 2 == 1) lengths.insert(lengths.end(), lengths.begin(), lengths.end());
    if (lengths.size() > kMaxDashComponents) {
      source_.warn(node, "stroke-dasharray has " + std::to_string(lengths.size()) +
                             " lengths; the first " + std::to_string(kMaxDashComponents) +
                             " are kept");
      lengths.resize(kMaxDashComponents);
    }
    dash.length = static_cast<int16_t>(lengths.size());
    for (std::size_t i = 0; i < lengths.size(); ++i)
      dash.array[i] = static_cast<AIReal>(lengths[i]);
    const auto offset =
        parseLength(trim(ctx.style.get("stroke-dashoffset")), Axis::Other, ctx.lengths);
    dash.offset = static_cast<AIReal>(offset.value_or(0) * scale);
  }

  ResolvedArt passThrough(const pugi::xml_node& node, std::string_view name, const Context& ctx,
                          const Context& parent, int16_t type) {
    ResolvedArt art;
    art.kind = ResolvedArt::Kind::PassThrough;
    art.passThroughType = type;
    art.element = passThroughFragment(source_, node, ctx.ctm, parent.style);
    const pugi::xml_attribute w = node.attribute("width"), h = node.attribute("height");
    if (name == "image" && w && h) {
      // An image's frame is known without drawing it.
      const double x = length(node, "x", Axis::Horizontal, ctx.lengths, "0");
      const double y = length(node, "y", Axis::Vertical, ctx.lengths, "0");
      const double width = length(node, "width", Axis::Horizontal, ctx.lengths, "0");
      const double height = length(node, "height", Axis::Vertical, ctx.lengths, "0");
      for (const double cx : {x, x + width}) {
        for (const double cy : {y, y + height}) {
          art.elementBounds.add(apply(ctx.ctm, {static_cast<AIReal>(cx), static_cast<AIReal>(cy)}));
        }
      }
    } else {
      art.elementBounds = measureFragment(art.element, width_, height_);
    }
    return art;
  }

  const SvgSource& source_;
  AIReal width_ = 0;
  AIReal height_ = 0;
  std::size_t elements_ = 0;
};

}  // namespace

ResolvedSvg resolveSvg(const SvgSource& source) { return Resolver(source).run(); }

}  // namespace qv::host::io
