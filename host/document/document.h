// The vector document the modules work on: layers of art (paths, compound paths, groups,
// envelopes and pass-through kinds), styles, opacity, blending, tags, selection, swatches and
// the artboard; and its undo: a journal of the changes since mouse down that UndoChanges
// reverts (a failed drag event is rolled back on its own), and a history of whole gestures a
// user can undo. Every change goes through this class so that the journal sees it. Host UI
// thread only.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <memory_resource>
#include <optional>
#include <span>
#include <string>
#include <unordered_map>
#include <vector>

#include "AIPath.h"
#include "AITransformArt.h"
#include "AITypes.h"
#include "geometry.h"

namespace qv::host {

// A warp that an envelope applies to its member: style 1..15 (0 none), bend and the two
// distortions as fractions in -1..1.
struct Warp {
  int32_t style = 0;
  AIReal bend = 0;
  AIReal horizontal = 0;
  AIReal vertical = 0;
  bool rotate = false;
};

struct Art;

// Where art lives: the top-level list of a layer, or the children of a container art.
struct Container {
  AILayerHandle layer = nullptr;
  Art* art = nullptr;
  bool operator==(const Container&) const = default;
};

struct Art {
  AIArtHandle handle = nullptr;
  int16_t type = kPathArt;
  std::string id;  // the SVG id it came with, "" when none

  // Tree links; children in paint order, bottom first.
  Container container;
  std::vector<Art*> children;

  // Paths: segments with one selection state each.
  std::vector<AIPathSegment> segments;
  std::vector<int16_t> segmentSelection;
  bool closed = false;
  AIPathStyle style{};
  // SVG paint kept as it came for fills and strokes the host does not model (gradients,
  // patterns); used instead of the colour when not empty.
  std::string fillPaint;
  std::string strokePaint;

  AIReal opacity = 1;
  int32_t blendMode = 0;
  std::map<std::string, std::string> tags;
  bool selected = false;
  bool locked = false;
  bool hidden = false;

  // Placed, raster, symbol and other pass-through art: the SVG element as text, its bounds in
  // document coordinates, and a matrix the host applied on top.
  std::string element;
  AIRealRect elementBounds{0, 0, 0, 0};
  AIRealMatrix matrix = kIdentity;

  // Envelopes (kPluginArt): children are the member (first) and the shape (second).
  bool envelope = false;
  Warp warp;

  bool disposed = false;  // out of the tree; the handle stays reserved for undo
  // The document's journal that already holds this art's earlier state (it was created or
  // changed since that journal opened); 0 for none. Set by the document only.
  uint64_t journalMark = 0;

  // Selection state of segment `index`: its own entry, or the whole path's state when the
  // selection list is shorter than the segments.
  int16_t segmentSelected(std::size_t index) const;
};

// Whether `art` is `ancestor` itself or lies anywhere inside it.
bool isWithin(const Art& art, const Art& ancestor);

struct Layer {
  AILayerHandle handle = nullptr;
  std::string name;
  bool visible = true;
  std::vector<Art*> art;  // paint order, bottom first
};

struct Swatch {
  std::string name;
  AIColor color{};
};

// A default style: black fill, no stroke, width 1.
AIPathStyle defaultPathStyle();
AIColor grayColor(AIReal gray);
AIColor rgbColor(AIReal red, AIReal green, AIReal blue);
AIColor cmykColor(AIReal cyan, AIReal magenta, AIReal yellow, AIReal black);
AIColor noColor();

class Document {
 public:
  Document(AIReal width, AIReal height);
  Document(const Document&) = delete;
  Document& operator=(const Document&) = delete;
  ~Document();

  AIReal width() const { return width_; }
  AIReal height() const { return height_; }

  // Art by handle; null for an unknown, foreign or disposed one.
  Art* find(AIArtHandle handle) const;
  const std::vector<Layer>& layers() const { return layers_; }  // bottom first
  Layer* layer(AILayerHandle handle);
  const Layer* layer(AILayerHandle handle) const;
  AILayerHandle currentLayer() const { return current_; }
  void setCurrentLayer(AILayerHandle layer) { current_ = layer; }

  // New art at the top of `where` (the current layer when empty).
  Art& create(int16_t type, Container where = {});
  // A copy of `source` and its children (geometry, style, opacity, blending, tags; not
  // selected), placed by paint order relative to `prep`: 5 top and 6 bottom of the current
  // layer, 1 above and 2 below prep, 3 and 4 inside prep on top and bottom.
  // Null when the paint order or prep is not usable.
  Art* duplicate(const Art& source, int16_t paintOrder, const Art* prep);
  bool reorder(Art& art, int16_t paintOrder, const Art* prep);
  void dispose(Art& art);
  // Replaces segments from `first` on (growing the path when they run past its end) and keeps
  // the selection list as long as the segments; the caller checks the range.
  void setSegments(Art& path, std::size_t first, std::span<const AIPathSegment> segments);
  // Wraps `member` in a new envelope (kPluginArt) at the member's place; the member and then
  // the shape become its children. The caller checks that neither lies inside the other.
  Art& makeEnvelope(Art& member, Art& shape);
  // The art just below `art` in its layer or container; null at the bottom.
  Art* below(const Art& art) const;
  // Returns `art` for a change of its own content (not its place); the journal keeps what it
  // was before the first change since the last mark.
  Art& edit(Art& art);
  AILayerHandle insertLayer(AILayerHandle reference, int16_t paintOrder);

  // Pre-order walk of all live art, layers bottom first, each container before its children.
  template <typename Visit>
  void forEach(Visit visit) const {
    for (const Layer& layer : layers_) {
      for (Art* art : layer.art) walk(*art, visit);
    }
  }
  // Exact geometric bounds (stroke not included); a container is the union of its children,
  // an envelope the bounds of its warped member.
  Bounds bounds(const Art& art) const;
  // Maps anchors and handles (or the pass-through matrix) through m; with kScaleLines the
  // stroke width is multiplied by lineScale. Recurses into containers.
  void transform(Art& art, const AIRealMatrix& m, AIReal lineScale, int32_t flags);
  // Selects or deselects art with everything inside it (and every segment of its paths).
  void select(Art& art, bool selected);
  void deselectAll();

  std::vector<Swatch>& swatches() { return swatches_; }
  const std::vector<Swatch>& swatches() const { return swatches_; }

  // Undo. A gesture opens the journal at mouse down; revertGesture brings the artwork back to
  // that state (created art removed, changed art restored, disposed art revived under its
  // handle); endGesture closes it and keeps what it changed as one history step.
  void beginGesture();
  void revertGesture();
  void endGesture();
  bool inGesture() const { return journaling_; }
  // One drag event inside the gesture. A failed event is rolled back to the artwork at
  // beginEvent, also when it reverted the gesture (revertGesture during an event is itself
  // journaled so that it can be taken back); endEvent keeps the event and drops what such a
  // revert made obsolete. Outside a gesture these do nothing.
  void beginEvent();
  void rollbackEvent();
  void endEvent();
  // Undoes the last history step; false when there is none.
  bool undoLastStep();
  std::size_t historySize() const { return history_.size(); }

 private:
  struct Entry {
    // Revived and LayerRemoved come only from a revert made during an event.
    enum Kind {
      Created,
      Changed,
      Moved,
      Disposed,
      LayerCreated,
      Revived,
      LayerRemoved
    } kind = Created;
    Art* art = nullptr;
    std::unique_ptr<Art> before;    // Changed: the content as it was
    Container from;                 // Moved, Disposed: where it was
    std::size_t index = 0;          // ... and its index there; LayerRemoved: the layer's index
    AILayerHandle layer = nullptr;  // LayerCreated
    AILayerHandle previousCurrent = nullptr;  // LayerCreated, LayerRemoved
    std::optional<Layer> removed;             // LayerRemoved: the layer as it was
  };
  using Journal = std::vector<Entry>;

  template <typename Visit>
  static void walk(const Art& art, Visit& visit) {
    visit(art);
    for (const Art* child : art.children) walk(*child, visit);
  }
  std::vector<Art*>& list(const Container& where);
  const std::vector<Art*>& list(const Container& where) const;
  std::size_t indexIn(const Container& where, const Art* art);
  void attach(Art& art, const Container& where, std::size_t index);
  std::size_t detach(Art& art);
  std::optional<std::pair<Container, std::size_t>> place(int16_t paintOrder, const Art* prep);
  // A new art record under a new handle, outside the tree.
  Art& newArt();
  Art& copyTree(const Art& source, const Container& where, std::size_t index);
  void destroy(Art& art);
  // Adds an entry when the journal is open.
  void record(Entry::Kind kind, Art* art, Container from = {}, std::size_t index = 0);
  void revert(Journal& journal);
  // Reverts journal entries from `first` on and journals what the revert changes.
  void revertJournaled(std::size_t first);
  static void copyContent(Art& to, const Art& from);

  AIReal width_;
  AIReal height_;
  std::vector<Layer> layers_;
  AILayerHandle current_ = nullptr;
  // Art records come from a pool: a gesture makes and an undo frees them by the thousand.
  // Under AddressSanitizer they come from the heap, where a use after free is reported.
  std::pmr::unsynchronized_pool_resource artPool_;
#if defined(__SANITIZE_ADDRESS__)
  std::pmr::unordered_map<AIArtHandle, Art> art_{std::pmr::new_delete_resource()};
#else
  std::pmr::unordered_map<AIArtHandle, Art> art_{&artPool_};  // nodes keep their address
#endif
  std::vector<Swatch> swatches_;

  bool journaling_ = false;
  Journal journal_;
  // The open journal's mark (Art::journalMark); a new one at every open, revert and close.
  uint64_t journalMark_ = 1;
  std::vector<Journal> history_;
  // The open drag event: where its entries start, and the entries before `obsolete_` that a
  // revert during an event cancelled out (the artwork of mouse down, reached the long way).
  bool inEvent_ = false;
  std::size_t eventStart_ = 0;
  std::size_t obsolete_ = 0;
};

}  // namespace qv::host
