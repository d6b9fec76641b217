// The document's tree operations, bounds, transforms, selection and undo journal.
#include "document.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "pica/handle_table.h"
#include "warp.h"

namespace qv::host {

AIColor grayColor(AIReal gray) {
  AIColor color{};
  color.kind = kGrayColor;
  color.c.g.gray = gray;
  return color;
}
AIColor rgbColor(AIReal red, AIReal green, AIReal blue) {
  AIColor color{};
  color.kind = kThreeColor;
  color.c.rgb = {red, green, blue};
  return color;
}
AIColor cmykColor(AIReal cyan, AIReal magenta, AIReal yellow, AIReal black) {
  AIColor color{};
  color.kind = kFourColor;
  color.c.f = {cyan, magenta, yellow, black};
  return color;
}
AIColor noColor() {
  AIColor color{};
  color.kind = kNoneColor;
  return color;
}

AIPathStyle defaultPathStyle() {
  AIPathStyle style{};
  style.fillPaint = true;
  style.fill.color = grayColor(1);
  style.strokePaint = false;
  style.stroke.color = noColor();
  style.stroke.width = 1;
  style.stroke.miterLimit = 4;
  return style;
}

namespace {
std::vector<Swatch> defaultSwatches() {
  Swatch registration{"[Registration]", cmykColor(1, 1, 1, 1)};
  return {
      {"[None]", noColor()},
      registration,
      {"White", grayColor(0)},
      {"Black", grayColor(1)},
      {"Gray 25%", grayColor(0.25f)},
      {"Gray 50%", grayColor(0.5f)},
      {"Gray 75%", grayColor(0.75f)},
      {"Red", rgbColor(1, 0, 0)},
      {"Orange", rgbColor(1, 0.5f, 0)},
      {"Yellow", rgbColor(1, 0.9f, 0)},
      {"Green", rgbColor(0, 0.6f, 0.2f)},
      {"Teal", rgbColor(0, 0.5f, 0.5f)},
      {"Blue", rgbColor(0.1f, 0.3f, 0.9f)},
      {"Violet", rgbColor(0.5f, 0.2f, 0.8f)},
      {"Cyan", cmykColor(1, 0, 0, 0)},
      {"Magenta", cmykColor(0, 1, 0, 0)},
      {"Process Yellow", cmykColor(0, 0, 1, 0)},
      {"Brown", cmykColor(0.3f, 0.6f, 0.9f, 0.3f)},
  };
}
}  // namespace

Document::Document(AIReal width, AIReal height)
    : width_(width), height_(height), swatches_(defaultSwatches()) {
  Layer first;
  first.handle = reinterpret_cast<AILayerHandle>(nextHandleValue());
  first.name = "Layer 1";
  layers_.push_back(first);
  current_ = first.handle;
}

Document::~Document() = default;

Art* Document::find(AIArtHandle handle) const {
  const auto it = art_.find(handle);
  if (it == art_.end() || it->second.disposed) return nullptr;
  // The document hands out its art for change; finding it changes nothing.
  return const_cast<Art*>(&it->second);
}

int16_t Art::segmentSelected(std::size_t index) const {
  if (index < segmentSelection.size()) return segmentSelection[index];
  return selected ? kSegmentPointSelected : kSegmentNotSelected;
}

bool isWithin(const Art& art, const Art& ancestor) {
  for (const Art* at = &art; at != nullptr; at = at->container.art) {
    if (at == &ancestor) return true;
  }
  return false;
}

namespace {
// Whether placing art at `where` would put it inside itself.
bool landsInside(const Container& where, const Art& art) {
  return where.art != nullptr && isWithin(*where.art, art);
}
}  // namespace

const Layer* Document::layer(AILayerHandle handle) const {
  for (const Layer& layer : layers_) {
    if (layer.handle == handle) return &layer;
  }
  return nullptr;
}

Layer* Document::layer(AILayerHandle handle) {
  return const_cast<Layer*>(std::as_const(*this).layer(handle));
}

const std::vector<Art*>& Document::list(const Container& where) const {
  if (where.art != nullptr) return where.art->children;
  return layer(where.layer)->art;
}

std::vector<Art*>& Document::list(const Container& where) {
  return const_cast<std::vector<Art*>&>(std::as_const(*this).list(where));
}

std::size_t Document::indexIn(const Container& where, const Art* art) {
  const auto& items = list(where);
  return static_cast<std::size_t>(std::find(items.begin(), items.end(), art) - items.begin());
}

void Document::attach(Art& art, const Container& where, std::size_t index) {
  auto& items = list(where);
  items.insert(items.begin() + static_cast<std::ptrdiff_t>(std::min(index, items.size())), &art);
  art.container = where;
}

std::size_t Document::detach(Art& art) {
  auto& items = list(art.container);
  // New and changed art is mostly near the top (the end), as is the newest art an undo
  // removes first: searched from there, reverting n new members costs n steps, not n^2.
  const auto found = std::find(items.rbegin(), items.rend(), &art);
  if (found == items.rend()) return items.size();
  const auto it = std::prev(found.base());
  const auto index = static_cast<std::size_t>(it - items.begin());
  items.erase(it);
  return index;
}

std::optional<std::pair<Container, std::size_t>> Document::place(int16_t paintOrder,
                                                                 const Art* prep) {
  const Container current{current_, nullptr};
  switch (paintOrder) {
    case kPlaceAboveAll:
      return std::pair{current, list(current).size()};
    case kPlaceBelowAll:
      return std::pair{current, std::size_t{0}};
    default:
      break;
  }
  if (prep == nullptr || prep->disposed) return std::nullopt;
  switch (paintOrder) {
    case kPlaceAbove:
      return std::pair{prep->container, indexIn(prep->container, prep) + 1};
    case kPlaceBelow:
      return std::pair{prep->container, indexIn(prep->container, prep)};
    case kPlaceInsideOnTop:
      if (prep->children.empty() && prep->type != kGroupArt && prep->type != kCompoundPathArt)
        break;
      return std::pair{Container{nullptr, const_cast<Art*>(prep)}, prep->children.size()};
    case kPlaceInsideOnBottom:
      if (prep->children.empty() && prep->type != kGroupArt && prep->type != kCompoundPathArt)
        break;
      return std::pair{Container{nullptr, const_cast<Art*>(prep)}, std::size_t{0}};
    default:
      break;
  }
  return std::nullopt;
}

void Document::record(Entry::Kind kind, Art* art, Container from, std::size_t index) {
  if (!journaling_) return;
  Entry& entry = journal_.emplace_back();
  entry.kind = kind;
  entry.art = art;
  entry.from = from;
  entry.index = index;
}

Art& Document::newArt() {
  const auto handle = reinterpret_cast<AIArtHandle>(nextHandleValue());
  Art& art = art_.try_emplace(handle).first->second;
  art.handle = handle;
  // What the open journal creates needs no Changed entry.
  if (journaling_) art.journalMark = journalMark_;
  return art;
}

Art& Document::create(int16_t type, Container where) {
  if (where.layer == nullptr && where.art == nullptr) where.layer = current_;
  Art& art = newArt();
  art.type = type;
  art.style = defaultPathStyle();
  attach(art, where, list(where).size());
  record(Entry::Created, &art);
  return art;
}

void Document::copyContent(Art& to, const Art& from) {
  to.type = from.type;
  to.id = from.id;
  to.segments = from.segments;
  to.segmentSelection = from.segmentSelection;
  to.closed = from.closed;
  to.style = from.style;
  to.fillPaint = from.fillPaint;
  to.strokePaint = from.strokePaint;
  to.opacity = from.opacity;
  to.blendMode = from.blendMode;
  to.tags = from.tags;
  to.selected = from.selected;
  to.locked = from.locked;
  to.hidden = from.hidden;
  to.element = from.element;
  to.elementBounds = from.elementBounds;
  to.matrix = from.matrix;
  to.envelope = from.envelope;
  to.warp = from.warp;
}

Art& Document::copyTree(const Art& source, const Container& where, std::size_t index) {
  Art& copy = newArt();
  copyContent(copy, source);
  copy.id.clear();  // ids name one element
  copy.selected = false;
  std::fill(copy.segmentSelection.begin(), copy.segmentSelection.end(), kSegmentNotSelected);
  attach(copy, where, index);
  for (const Art* child : source.children) {
    copyTree(*child, Container{nullptr, &copy}, copy.children.size());
  }
  return copy;
}

Art* Document::duplicate(const Art& source, int16_t paintOrder, const Art* prep) {
  const auto where = place(paintOrder, prep);
  if (!where || landsInside(where->first, source)) return nullptr;
  Art& copy = copyTree(source, where->first, where->second);
  record(Entry::Created, &copy);
  return &copy;
}

bool Document::reorder(Art& art, int16_t paintOrder, const Art* prep) {
  if (prep == &art) return false;
  const Container from = art.container;
  const std::size_t index = detach(art);
  const auto where = place(paintOrder, prep);
  if (!where || landsInside(where->first, art)) {
    attach(art, from, index);
    return false;
  }
  attach(art, where->first, where->second);
  record(Entry::Moved, &art, from, index);
  return true;
}

void Document::dispose(Art& art) {
  const Container from = art.container;
  const std::size_t index = detach(art);
  auto mark = [](auto& self, Art& a) -> void {
    a.disposed = true;
    for (Art* child : a.children) self(self, *child);
  };
  mark(mark, art);
  if (journaling_) {
    record(Entry::Disposed, &art, from, index);
  } else if (history_.empty()) {
    destroy(art);
  }
}

void Document::setSegments(Art& path, std::size_t first, std::span<const AIPathSegment> segments) {
  edit(path);
  const std::size_t end = first + segments.size();
  if (end > path.segments.size()) path.segments.resize(end);
  std::copy(segments.begin(), segments.end(),
            path.segments.begin() + static_cast<std::ptrdiff_t>(first));
  // Segments past the old selection list take the state of the whole path.
  path.segmentSelection.resize(path.segments.size(),
                               path.segmentSelected(path.segmentSelection.size()));
}

Art& Document::makeEnvelope(Art& member, Art& shape) {
  const Container where = member.container;
  Art& envelope = create(kPluginArt, where);
  envelope.envelope = true;
  // Its creation is undone wherever it stands, so moving it needs no journal entry.
  detach(envelope);
  attach(envelope, where, indexIn(where, &member));
  for (Art* child : {&member, &shape}) {
    const Container from = child->container;
    const std::size_t index = detach(*child);
    attach(*child, Container{nullptr, &envelope}, envelope.children.size());
    record(Entry::Moved, child, from, index);
  }
  return envelope;
}

Art* Document::below(const Art& art) const {
  const auto& items = list(art.container);
  const auto it = std::find(items.begin(), items.end(), &art);
  return it == items.begin() || it == items.end() ? nullptr : *(it - 1);
}

void Document::destroy(Art& art) {
  for (Art* child : std::vector<Art*>(art.children)) destroy(*child);
  if (!art.disposed) detach(art);
  const AIArtHandle handle = art.handle;  // erasing destroys `art`
  art_.erase(handle);
}

Art& Document::edit(Art& art) {
  if (journaling_ && art.journalMark != journalMark_) {
    art.journalMark = journalMark_;
    record(Entry::Changed, &art);
    journal_.back().before = std::make_unique<Art>();
    copyContent(*journal_.back().before, art);
  }
  return art;
}

AILayerHandle Document::insertLayer(AILayerHandle reference, int16_t paintOrder) {
  std::size_t index = layers_.size();
  if (paintOrder == kPlaceBelowAll) {
    index = 0;
  } else if (paintOrder == kPlaceAbove || paintOrder == kPlaceBelow) {
    const auto it = std::find_if(layers_.begin(), layers_.end(),
                                 [reference](const Layer& l) { return l.handle == reference; });
    if (it == layers_.end()) return nullptr;
    index = static_cast<std::size_t>(it - layers_.begin()) + (paintOrder == kPlaceAbove ? 1 : 0);
  } else if (paintOrder != kPlaceAboveAll) {
    return nullptr;
  }
  Layer added;
  added.handle = reinterpret_cast<AILayerHandle>(nextHandleValue());
  added.name = "Layer " + std::to_string(layers_.size() + 1);
  layers_.insert(layers_.begin() + static_cast<std::ptrdiff_t>(index), added);
  if (journaling_) {
    record(Entry::LayerCreated, nullptr);
    journal_.back().layer = added.handle;
    journal_.back().previousCurrent = current_;
  }
  current_ = added.handle;
  return added.handle;
}

Bounds Document::bounds(const Art& art) const {
  Bounds result;
  if (art.envelope && !art.children.empty()) {
    for (const WarpedPath& path : warpedMember(*this, art)) {
      result.add(pathBounds(path.segments, path.path->closed));
    }
    // A member without paths (pass-through art) is not warped.
    return result.empty ? bounds(*art.children.front()) : result;
  }
  if (!art.children.empty()) {
    for (const Art* child : art.children) result.add(bounds(*child));
    return result;
  }
  if (!art.element.empty()) {
    const AIRealRect& r = art.elementBounds;
    for (const AIRealPoint corner :
         {AIRealPoint{r.left, r.top}, AIRealPoint{r.right, r.top}, AIRealPoint{r.left, r.bottom},
          AIRealPoint{r.right, r.bottom}}) {
      result.add(apply(art.matrix, corner));
    }
    return result;
  }
  return pathBounds(art.segments, art.closed);
}

void Document::transform(Art& art, const AIRealMatrix& m, AIReal lineScale, int32_t flags) {
  edit(art);
  for (AIPathSegment& segment : art.segments) {
    segment.p = apply(m, segment.p);
    segment.in = apply(m, segment.in);
    segment.out = apply(m, segment.out);
  }
  if (!art.element.empty()) art.matrix = concat(art.matrix, m);
  if ((flags & kScaleLines) != 0) art.style.stroke.width *= lineScale;
  for (Art* child : art.children) transform(*child, m, lineScale, flags);
}

void Document::select(Art& art, bool selected) {
  art.selected = selected;
  std::fill(art.segmentSelection.begin(), art.segmentSelection.end(),
            selected ? int16_t{kSegmentPointSelected} : int16_t{kSegmentNotSelected});
  for (Art* child : art.children) select(*child, selected);
}

void Document::deselectAll() {
  for (Layer& layer : layers_) {
    for (Art* art : layer.art) select(*art, false);
  }
}

void Document::beginGesture() {
  journaling_ = true;
  journal_.clear();
  ++journalMark_;
}

namespace {
void setDisposed(Art& art, bool disposed) {
  art.disposed = disposed;
  for (Art* child : art.children) setDisposed(*child, disposed);
}
}  // namespace

void Document::revert(Journal& journal) {
  for (auto it = journal.rbegin(); it != journal.rend(); ++it) {
    Entry& entry = *it;
    switch (entry.kind) {
      case Entry::Created:
        destroy(*entry.art);
        break;
      case Entry::Revived:
        detach(*entry.art);
        setDisposed(*entry.art, true);
        break;
      case Entry::LayerRemoved:
        layers_.insert(layers_.begin() + static_cast<std::ptrdiff_t>(entry.index),
                       std::move(*entry.removed));
        current_ = entry.previousCurrent;
        break;
      case Entry::Changed:
        copyContent(*entry.art, *entry.before);
        break;
      case Entry::Moved:
        detach(*entry.art);
        attach(*entry.art, entry.from, entry.index);
        break;
      case Entry::Disposed:
        setDisposed(*entry.art, false);
        attach(*entry.art, entry.from, entry.index);
        break;
      case Entry::LayerCreated:
        std::erase_if(layers_, [&entry](const Layer& l) { return l.handle == entry.layer; });
        current_ = entry.previousCurrent;
        break;
    }
  }
  journal.clear();
}

void Document::revertJournaled(std::size_t first) {
  Journal made;
  for (std::size_t i = journal_.size(); i-- > first;) {
    Entry& entry = journal_[i];
    Art* art = entry.art;
    Entry& undo = made.emplace_back();
    undo.art = art;
    switch (entry.kind) {
      case Entry::Created:
      case Entry::Revived:
        // Kept, out of the tree: a rollback brings it back, endEvent destroys it.
        undo.kind = Entry::Disposed;
        undo.from = art->container;
        undo.index = detach(*art);
        setDisposed(*art, true);
        break;
      case Entry::Changed:
        undo.kind = Entry::Changed;
        undo.before = std::make_unique<Art>();
        copyContent(*undo.before, *art);
        copyContent(*art, *entry.before);
        break;
      case Entry::Moved:
        undo.kind = Entry::Moved;
        undo.from = art->container;
        undo.index = detach(*art);
        attach(*art, entry.from, entry.index);
        break;
      case Entry::Disposed:
        undo.kind = Entry::Revived;
        setDisposed(*art, false);
        attach(*art, entry.from, entry.index);
        break;
      case Entry::LayerCreated: {
        const auto it = std::find_if(layers_.begin(), layers_.end(),
                                     [&entry](const Layer& l) { return l.handle == entry.layer; });
        undo.kind = Entry::LayerRemoved;
        undo.index = static_cast<std::size_t>(it - layers_.begin());
        undo.previousCurrent = current_;
        undo.removed = std::move(*it);
        layers_.erase(it);
        current_ = entry.previousCurrent;
        break;
      }
      case Entry::LayerRemoved:
        undo.kind = Entry::LayerCreated;
        undo.layer = entry.removed->handle;
        undo.previousCurrent = current_;
        layers_.insert(layers_.begin() + static_cast<std::ptrdiff_t>(entry.index),
                       std::move(*entry.removed));
        current_ = entry.previousCurrent;
        break;
    }
  }
  std::move(made.begin(), made.end(), std::back_inserter(journal_));
}

void Document::revertGesture() {
  if (inEvent_) {
    // The entries before obsolete_ already cancel out.
    revertJournaled(obsolete_);
    obsolete_ = journal_.size();
  } else {
    revert(journal_);
  }
  ++journalMark_;
}

void Document::beginEvent() {
  if (!journaling_) return;
  inEvent_ = true;
  eventStart_ = journal_.size();
  // Art the gesture changed before gets a new entry for the state this event starts from.
  ++journalMark_;
}

void Document::rollbackEvent() {
  if (!inEvent_) return;
  Journal event(
      std::make_move_iterator(journal_.begin() + static_cast<std::ptrdiff_t>(eventStart_)),
      std::make_move_iterator(journal_.end()));
  journal_.resize(eventStart_);
  revert(event);
  obsolete_ = 0;
  inEvent_ = false;
  ++journalMark_;
}

void Document::endEvent() {
  if (!inEvent_) return;
  inEvent_ = false;
  if (obsolete_ == 0) return;
  // Up to obsolete_ the journal runs from mouse down and back again (the event's revert undid
  // it): the art those entries created is out of the tree for good.
  const auto end = journal_.begin() + static_cast<std::ptrdiff_t>(obsolete_);
  for (auto it = std::make_reverse_iterator(end); it != journal_.rend(); ++it) {
    if (it->kind == Entry::Created) destroy(*it->art);
  }
  journal_.erase(journal_.begin(), end);
  obsolete_ = 0;
}

void Document::endGesture() {
  if (!journal_.empty()) history_.push_back(std::move(journal_));
  journal_.clear();
  ++journalMark_;
  journaling_ = false;
}

bool Document::undoLastStep() {
  if (history_.empty() || journaling_) return false;
  revert(history_.back());
  history_.pop_back();
  return true;
}

}  // namespace qv::host
