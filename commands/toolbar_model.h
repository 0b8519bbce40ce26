#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korvo {

// One button of a toolbar.
struct ToolbarItem {
  std::u16string commandText;  // the definition's third line: a marker, then the name
  std::u16string itemText;
  std::filesystem::path image;  // empty when the definition names no image or it is missing
  bool checked = false;
  bool enabled = true;

  std::u16string_view CommandName() const {
    return commandText.empty() ? std::u16string_view{} : std::u16string_view(commandText).substr(1);
  }
  // Only an enabled button with a command text runs anything when tapped.
  bool CanTap() const { return enabled && !commandText.empty(); }
};

// The marker of a command text naming a script rather than a command of the table.
inline constexpr char16_t kScriptMarker = u'@';

// What a tapped button asks for: a command of the table, or a script by name (run as the
// named script command). An id of 0 asks for nothing.
struct ToolbarCommand {
  int id = 0;
  std::u16string scriptName;
};
ToolbarCommand ResolveToolbarCommand(std::u16string_view commandText);

enum class ToolbarLoad {
  Loaded,
  Unchanged,  // the same file as last time: nothing was read
  Failed,     // missing, empty or too large: the toolbar is empty
};

// What a release of the pen did.
struct ToolbarPenResult {
  enum class Kind { Nothing, Tapped, Scrolled } kind = Kind::Nothing;
  std::size_t index = 0;  // the tapped item, visible items first, then the overflow
};

// A scrollable row of image buttons loaded from a definition file: the first items fill the
// visible list up to its capacity, the rest wait in the overflow list. Buttons are found by
// command name, without regard to case. Positions along the row are pixels from the start of
// the widget; items follow each other, the visible ones first, each `buttonSize` long.
class ToolbarModel {
 public:
  explicit ToolbarModel(std::size_t capacity);

  // Reads `file` unless it is the one loaded last. Records whose name the command table does
  // not know (and that are not scripts) are left out; so is the image of a record whose
  // image file does not exist.
  ToolbarLoad LoadToolbar(const std::filesystem::path& file, int buttonSize);
  const std::filesystem::path& LoadedFile() const { return loadedFile_; }
  // The background from the definition's first line, 0xRRGGBB.
  uint32_t BackgroundColour() const { return background_; }

  std::size_t Capacity() const { return capacity_; }
  const std::vector<ToolbarItem>& Visible() const { return visible_; }
  const std::vector<ToolbarItem>& Overflow() const { return overflow_; }
  std::size_t Count() const { return visible_.size() + overflow_.size(); }
  // Visible items first, then the overflow; null past the end.
  const ToolbarItem* ItemAt(std::size_t index) const;

  // Each sets the flag of every matching item, visible or overflow. True when a flag changed;
  // only then does Revision() grow and the row need drawing again.
  bool SetButtonEnabled(std::u16string_view name, bool enabled);
  bool SetButtonChecked(std::u16string_view name, bool checked);
  // Moves the item named `name` to `position` (from 0) of the visible list. An item of the
  // overflow list is inserted there and the first visible item goes to the end of the
  // overflow. A name in neither list changes nothing; false then.
  bool MoveButton(std::u16string_view name, std::size_t position);
  // Grows whenever something shown changed: items, flags, order, scrolling, the pressed item.
  uint64_t Revision() const { return revision_; }

  // --- the pen along the row
  int ButtonSize() const { return buttonSize_; }
  void SetButtonSize(int size);
  // The row's visible length in pixels; scrolling stops where the last button shows.
  void SetViewLength(int length);
  int ScrollOffset() const { return scroll_; }
  // The furthest the row scrolls: whole buttons, so that the last one shows.
  int MaxScroll() const;
  // Scrolls by whole buttons (negative: back), as a wheel does; stops at both ends.
  void ScrollButtons(int buttons);
  // The item under `position`, if any.
  std::optional<std::size_t> IndexAt(int position) const;
  // The item shown pressed: under the pen since it went down, and not dragged away.
  std::optional<std::size_t> PressedIndex() const { return pressed_; }
  void PenDown(int position);
  // Moving further than a few pixels turns the press into a drag that scrolls the row.
  void PenMove(int position);
  ToolbarPenResult PenUp(int position);
  // The hint under the row: the held button's item text, "Select a command" after every
  // release.
  std::u16string_view HintText() const { return hint_; }

  // A drag ends on whole buttons: offset = round(offset / size) x size.
  static int RoundScroll(int offset, int buttonSize);

 private:
  ToolbarItem* Find(std::u16string_view name, std::vector<ToolbarItem>** list);
  void Clear();

  std::size_t capacity_;
  std::filesystem::path loadedFile_;
  uint32_t background_ = 0xC0C0C0;
  std::vector<ToolbarItem> visible_;
  std::vector<ToolbarItem> overflow_;
  uint64_t revision_ = 0;
  int buttonSize_ = 24;
  int viewLength_ = 0;
  int scroll_ = 0;
  int downPosition_ = 0;
  int downScroll_ = 0;
  bool dragging_ = false;
  bool penDown_ = false;
  std::optional<std::size_t> pressed_;
  std::u16string hint_;
};

}  // namespace korvo
