// The fixture of the copy tool's host-driven tests: the started module, its options palette as
// the dialog manager holds it, changes made as a person makes them, gestures with the tool, a
// new plug-in object in the same load (whose palette shows the option variables as they are),
// selected squares and compound paths in the document, and what the document holds.
#pragma once

#include <cstdint>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "adm/control_change.h"
#include "copy_tool_items.h"
#include "host_fixture.h"
#include "pica/call_sites.h"

namespace qv::test {

class Tessaly1Test : public HostTest {
 protected:
  host::PluginModule& tessaly1() {
    if (module_ == nullptr) {
      module_ = &loadPlugin(kTessaly1);
      EXPECT_EQ(host().startup(*module_), kNoErr);
    }
    return *module_;
  }
  SPErr selectTool() { return host().sendTool(tessaly1(), kSelectorAISelectTool); }
  // A new host (with the end-of-test checks for the old one) and a new load of the module.
  void restart(host::HostOptions options) {
    HostTest::TearDown();
    module_ = nullptr;
    makeHost(options);
  }

  // The module's one palette; null (and a failure) when it has none or more.
  ADMDialogRef palette() {
    const auto dialogs = host().dialogs().dialogsOf(&tessaly1());
    EXPECT_EQ(dialogs.size(), 1u) << "the copy tool has one palette";
    return dialogs.empty() ? nullptr : dialogs.back();
  }
  host::adm::Dialog& dialog() { return *host().dialogs().dialog(palette()); }
  const host::adm::Item& item(int32_t id) {
    const ADMItemRef found = host().dialogs().itemWithId(palette(), id);
    if (found == nullptr) {
      ADD_FAILURE() << "the palette has no item " << id;
      static const host::adm::Item none;
      return none;
    }
    return *host().dialogs().item(found);
  }
  double number(int32_t id) { return item(id).number.value(); }
  bool checked(int32_t id) { return item(id).checked; }
  bool visible(int32_t id) { return item(id).visible; }
  bool enabled(int32_t id) { return item(id).enabled; }
  // The ID of a popup's selected entry; -1 when none is selected.
  int32_t selected(int32_t id) {
    const host::adm::EntryList* list = host().dialogs().list(item(id).list);
    if (list == nullptr || list->active == nullptr) return -1;
    return host().dialogs().entry(list->active)->id;
  }

  // What every control of the palette shows, by item ID: a number, a tick or an entry ID.
  std::map<int32_t, double> values() {
    std::map<int32_t, double> shown;
    for (const ADMItemRef handle : dialog().items) {
      const host::adm::Item& control = *host().dialogs().item(handle);
      switch (control.kind) {
        case host::adm::ItemKind::SpinEdit:
          shown[control.id] = control.number.value();
          break;
        case host::adm::ItemKind::CheckBox:
          shown[control.id] = control.checked ? 1 : 0;
          break;
        case host::adm::ItemKind::Popup:
          shown[control.id] = selected(control.id);
          break;
        default:
          break;
      }
    }
    return shown;
  }

  // A person's change: a number typed (or, for a popup, the ID of the entry picked), a tick,
  // an entry picked by its text, or a press.
  void change(int32_t id, const host::adm::ControlInput& input) {
    const host::adm::ChangeResult result = host::adm::changeControl(host(), palette(), id, input);
    EXPECT_TRUE(result.ok()) << result.error;
  }
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

  // Calls of one host suite function so far.
  static uint64_t calls(const char* suite, const char* call) {
    const host::CallSite* site = host::CallSiteRegistry::instance().find(suite, call);
    EXPECT_NE(site, nullptr) << suite << " / " << call;
    return site == nullptr ? 0 : site->calls;
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

 private:
  host::PluginModule* module_ = nullptr;
};

}  // namespace qv::test
