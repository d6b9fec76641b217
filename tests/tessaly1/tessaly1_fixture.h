// The fixture of the copy tool's host-driven tests: the started module, its options palette as
// the dialog manager holds it, changes made as a person makes them, gestures with the tool, a
// new plug-in object in the same load (whose palette shows the option variables as they are),
// selected squares and compound paths in the document, and what the document holds.
#pragma once

#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "copy_tool_items.h"
#include "tool_fixture.h"

namespace qv::test {

class Tessaly1Test : public ToolTest {
 protected:
  Tessaly1Test() : ToolTest(kTessaly1) {}
  host::PluginModule& tessaly1() { return module(); }

  static constexpr int32_t kToolPopup = 19;
  static constexpr int32_t kResetButton = 3;
  void pickTool(int32_t tool) { change(kToolPopup, static_cast<double>(tool)); }
  // restart() with every option at its default and the tool selected.
  void restartWithTool(host::HostOptions options = {}) {
    restart(options);
    ASSERT_EQ(selectTool(), kNoErr);
  }
  // A new empty document of the default size.
  void newDocument() { host().setDocument(std::make_unique<host::Document>(612, 792)); }
  // The Grid tool's columns and rows.
  void gridSize(int columns, int rows) {
    change(items::kColumns, static_cast<double>(columns));
    change(items::kRows, static_cast<double>(rows));
  }

  // A new plug-in object in the same load of the code: the option variables stay, and the
  // palette made at its first selection is built from them.
  void rebuild() {
    EXPECT_EQ(host().shutdown(tessaly1()), kNoErr);
    EXPECT_EQ(host().startup(tessaly1()), kNoErr);
    EXPECT_EQ(selectTool(), kNoErr);
  }

  static uint64_t undoCalls() { return calls("AI Undo Suite", "UndoChanges"); }

  host::DragEvent at(AIReal h, AIReal v, AIToolPressure pressure = 0) {
    return host::DragEvent{AIRealPoint{h, v}, 0, pressure};
  }
  // Mouse down, `drags` drag events, mouse up; each drag must succeed.
  void gesture(int drags, AIToolPressure pressure = 0) {
    EXPECT_EQ(host().mouseDown(tessaly1(), at(100, 100)), kNoErr);
    for (int i = 1; i <= drags; ++i) {
      EXPECT_EQ(host().mouseDrag(tessaly1(), at(100 + 10.0f * i, 100, pressure)), kNoErr);
    }
    EXPECT_EQ(host().mouseUp(tessaly1(), at(100 + 10.0f * drags, 100)), kNoErr);
  }

  // A selected closed square path in the current layer.
  host::Art& selectedSquare(AIReal left, AIReal bottom, AIReal size) {
    host::Art& art = host().document().create(kPathArt);
    const AIRealPoint corners[] = {
        {left, bottom}, {left, bottom + size}, {left + size, bottom + size}, {left + size, bottom}};
    for (const AIRealPoint corner : corners) art.segments.push_back({corner, corner, corner, true});
    art.closed = true;
    host().document().select(art, true);
    return art;
  }
  std::size_t artCount() {
    std::size_t count = 0;
    host().document().forEach([&count](const host::Art&) { ++count; });
    return count;
  }

  // One gesture: mouse down at `from`, one drag event to `to`, mouse up there; the drag
  // event's result.
  SPErr drag(AIRealPoint from, AIRealPoint to, int32_t modifiers = 0, AIToolPressure pressure = 0) {
    EXPECT_EQ(host().mouseDown(tessaly1(), host::DragEvent{from, modifiers, pressure}), kNoErr);
    const SPErr error = host().mouseDrag(tessaly1(), host::DragEvent{to, modifiers, pressure});
    EXPECT_EQ(host().mouseUp(tessaly1(), host::DragEvent{to, modifiers, pressure}), kNoErr);
    return error;
  }
  // A selected compound path of two squares of `size` side by side, `gap` apart.
  host::Art& selectedCompound(AIReal left, AIReal bottom, AIReal size, AIReal gap) {
    host::Document& doc = host().document();
    host::Art& compound = doc.create(kCompoundPathArt);
    for (const AIReal x : {left, left + size + gap}) {
      host::Art& path = doc.create(kPathArt, host::Container{nullptr, &compound});
      const AIRealPoint corners[] = {
          {x, bottom}, {x, bottom + size}, {x + size, bottom + size}, {x + size, bottom}};
      for (const AIRealPoint corner : corners) {
        path.segments.push_back({corner, corner, corner, true});
      }
      path.closed = true;
    }
    doc.select(compound, true);
    return compound;
  }

  // The top-level art of the current layer, bottom first.
  std::vector<const host::Art*> stack() {
    const host::Layer* layer = host().document().layer(host().document().currentLayer());
    return layer == nullptr ? std::vector<const host::Art*>{}
                            : std::vector<const host::Art*>(layer->art.begin(), layer->art.end());
  }
  // Every path of the document in paint order (children of compound paths included).
  std::vector<const host::Art*> paths() {
    std::vector<const host::Art*> found;
    host().document().forEach([&found](const host::Art& art) {
      if (art.type == kPathArt) found.push_back(&art);
    });
    return found;
  }
  AIRealRect bounds(const host::Art& art) { return host().document().bounds(art).rect; }
  AIRealPoint centre(const host::Art& art) {
    const AIRealRect r = bounds(art);
    return {(r.left + r.right) / 2, (r.bottom + r.top) / 2};
  }
  // The lower-left corner of an art's bounds.
  AIRealPoint corner(const host::Art& art) {
    const AIRealRect r = bounds(art);
    return {r.left, r.bottom};
  }

  // Everything the document holds, as text: layers, and per art its handle, kind, place,
  // geometry, style, opacity, blending, tags and warp. Equal texts mean equal documents.
  std::string dump() {
    std::ostringstream out;
    host::Document& doc = host().document();
    for (const host::Layer& layer : doc.layers()) out << "layer " << layer.name << "\n";
    doc.forEach([&out](const host::Art& art) {
      out << art.handle << " type " << art.type << " in " << art.container.art << " sel "
          << art.selected << " op " << art.opacity << " blend " << art.blendMode << " width "
          << art.style.stroke.width << " fill " << art.style.fillPaint << " warp " << art.warp.style
          << " " << art.warp.bend << " m";
      for (const AIReal value :
           {art.matrix.a, art.matrix.b, art.matrix.c, art.matrix.d, art.matrix.tx, art.matrix.ty}) {
        out << " " << value;
      }
      for (const AIPathSegment& s : art.segments) out << " (" << s.p.h << "," << s.p.v << ")";
      for (const auto& [name, value] : art.tags) out << " " << name << "=" << value;
      out << "\n";
    });
    return out.str();
  }

  // Fails for every number of the document that is not finite: anchors and handles, the
  // pass-through matrix, opacity, stroke width, warp values and bounds.
  void expectFinite(const std::string& what) {
    std::size_t bad = 0;
    host::Document& doc = host().document();
    doc.forEach([&](const host::Art& art) {
      bool ok = host::finite(art.matrix) && host::finite(art.opacity) &&
                host::finite(art.style.stroke.width) && host::finite(art.warp.bend) &&
                host::finite(art.warp.horizontal) && host::finite(art.warp.vertical);
      for (const AIPathSegment& s : art.segments) {
        ok = ok && host::finite(s.p) && host::finite(s.in) && host::finite(s.out);
      }
      const AIRealRect r = doc.bounds(art).rect;
      ok = ok && host::finite(r.left) && host::finite(r.top) && host::finite(r.right) &&
           host::finite(r.bottom);
      if (!ok) ++bad;
    });
    EXPECT_EQ(bad, 0u) << what << ": art with numbers that are not finite";
  }
};

}  // namespace qv::test
