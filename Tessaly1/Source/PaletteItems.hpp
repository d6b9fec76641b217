// The options palette as data: one record per label or control (ID, kind, bounds, text, the
// option variable it shows, range, popup entries, notify procedure), grouped in sections in the
// order they are built; and the item-level steps that move a value between a control and its
// variable. Used by the build recipe and the handlers; touches the palette's items only.
#ifndef QV_TESSALY1_PALETTEITEMS_HPP
#define QV_TESSALY1_PALETTEITEMS_HPP

#include <cstdint>
#include <span>

#include "ADMTypes.h"
#include "Options.hpp"
#include "OptionsDialog.hpp"

namespace ornix::palette {

enum class Kind { Label, IntegerSpin, SwatchSpin, DecimalSpin, Popup, CheckBox, PushButton };

// A run of popup entries: one plain text, the texts of a list, or the numbered texts
// `text` first `suffix` ... `text` last `suffix`.
struct EntryRun {
  const char* text = "";
  int32_t first = 0;
  int32_t last = -1;
  const char* suffix = "";
  std::span<const char* const> list{};
  bool numbered() const { return first <= last; }
};
constexpr EntryRun Numbered(const char* prefix, int32_t first, int32_t last,
                            const char* suffix = "") {
  return {.text = prefix, .first = first, .last = last, .suffix = suffix};
}
constexpr EntryRun Texts(std::span<const char* const> list) { return {.list = list}; }

struct Item {
  int32_t id = 0;
  Kind kind = Kind::Label;
  ADMRect bounds{};
  const char* text = nullptr;  // labels, checkboxes and the push button
  int32_t* integer = nullptr;  // integer and swatch spin edits, popups
  float* decimal = nullptr;    // decimal spin edits
  bool* flag = nullptr;        // checkboxes
  float minimum = 0;           // spin edits; a swatch spin edit's maximum is the swatch count
  float maximum = 0;
  std::span<const EntryRun> entries{};  // popups
  ADMItemNotifyProc notify = nullptr;   // null for labels
};

constexpr Item Label(int32_t id, const char* text, ADMRect bounds) {
  return {.id = id, .kind = Kind::Label, .bounds = bounds, .text = text};
}
constexpr Item IntSpin(int32_t id, ADMRect bounds, int32_t& value, int32_t minimum,
                       int32_t maximum) {
  return {.id = id,
          .kind = Kind::IntegerSpin,
          .bounds = bounds,
          .integer = &value,
          .minimum = static_cast<float>(minimum),
          .maximum = static_cast<float>(maximum),
          .notify = ToolDlgOKButtonProc0};
}
constexpr Item SwatchSpin(int32_t id, ADMRect bounds, int32_t& value) {
  return {.id = id,
          .kind = Kind::SwatchSpin,
          .bounds = bounds,
          .integer = &value,
          .notify = ToolDlgOKButtonProc0};
}
constexpr Item RealSpin(int32_t id, ADMRect bounds, float& value, float minimum, float maximum) {
  return {.id = id,
          .kind = Kind::DecimalSpin,
          .bounds = bounds,
          .decimal = &value,
          .minimum = minimum,
          .maximum = maximum,
          .notify = ToolDlgOKButtonProc0};
}
constexpr Item Popup(int32_t id, ADMRect bounds, int32_t& value, std::span<const EntryRun> entries,
                     ADMItemNotifyProc notify = ToolDlgOKButtonProc0) {
  return {.id = id,
          .kind = Kind::Popup,
          .bounds = bounds,
          .integer = &value,
          .entries = entries,
          .notify = notify};
}
constexpr Item Check(int32_t id, ADMRect bounds, const char* text, bool& value) {
  return {.id = id,
          .kind = Kind::CheckBox,
          .bounds = bounds,
          .text = text,
          .flag = &value,
          .notify = ToolDlgOKButtonProc0};
}
constexpr Item Button(int32_t id, ADMRect bounds, const char* text, ADMItemNotifyProc notify) {
  return {.id = id, .kind = Kind::PushButton, .bounds = bounds, .text = text, .notify = notify};
}

// A tool's section: its title and its items, labels first, in build order.
struct Section {
  const char* title;
  std::span<const Item> items;
};

// Item IDs the handlers address.
constexpr int32_t kResetButtonID = 3;
constexpr int32_t kLayerCheckID = 4;
constexpr int32_t kFillPopupID = 10;
constexpr int32_t kStrokePopupID = 11;
constexpr int32_t kFillSwatchID = 12;
constexpr int32_t kStrokeSwatchID = 13;
constexpr int32_t kFillValueID = 16;
constexpr int32_t kStrokeValueID = 17;
constexpr int32_t kToolPopupID = 19;

extern const Section kGridSection, kDragSection, kSoftCenterSection, kFramedSection,
    kRimRandomSection, kWindmillSection, kScaledownSection, kBouncealongSection, kSpiralSection,
    kCheckerboardSection, kPaintSection, kBasicTileSection, kBackgroundSection;
// The sections by tool index.
extern const Section* const kToolSections[kToolCount];
// The common controls that the update procedure and Reset copy (the label included).
extern const Section kCommonSection;
// Built after the common section; neither is copied.
extern const Item kResetButton;
extern const Item kToolPopup;

// Builds one item into the dialog by the recipe of its kind; null when the dialog manager
// made none.
ADMItemRef BuildItem(ADMDialogRef dialog, const Item& item, int32_t swatchCount);
// Sets a control from its variable (labels and the push button have none).
void ShowValue(ADMItemRef control, const Item& item);
// Copies a control's value into its variable.
void ReadValue(ADMItemRef control, const Item& item);
// The ID of a popup's selected entry; false (and `id` untouched) when none is selected.
bool SelectedEntryID(ADMItemRef popup, int32_t& id);
// Shows or hides every item of a section.
void ShowSection(ADMDialogRef dialog, const Section& section, bool show);

}  // namespace ornix::palette

#endif
