#include <algorithm>
#include <utility>
#include <vector>

#include "core/drawing.h"
#include "core/undo_table_records.h"

namespace korvo {
namespace {

// The text style table as a set of style objects, each with its values, and the current
// style. Entities point to the style objects, so an exchange keeps the objects and swaps
// which of them are in the table and what values they hold.
struct TextStyleState {
  std::vector<TextStyle*> members;
  std::vector<std::unique_ptr<TextStyle>> values;  // one per member
  TextStyle* current = nullptr;
};

TextStyleState Capture(const Drawing& drawing) {
  TextStyleState state;
  for (TextStyle* style : drawing.textStyles) {
    state.members.push_back(style);
    state.values.push_back(std::make_unique<TextStyle>(*style));
  }
  state.current = drawing.settings.currentTextStyle;
  return state;
}

void AssignValues(TextStyle& to, const TextStyle& from) {
  to.height = from.height;
  to.widthFactor = from.widthFactor;
  to.obliqueAngle = from.obliqueAngle;
  to.flags = from.flags;
  to.name = from.name;
  to.font = from.font;
}

void Apply(Drawing& drawing, const TextStyleState& state) {
  // Empty the table first: re-adding under a name still taken would retire that entry.
  std::vector<TextStyle*> present(drawing.textStyles.begin(), drawing.textStyles.end());
  for (TextStyle* style : present) drawing.textStyles.Remove(style, TableRemoval::Keep);
  for (std::size_t i = 0; i < state.members.size(); ++i) {
    AssignValues(*state.members[i], *state.values[i]);
    drawing.textStyles.Add(state.members[i]);
  }
  drawing.settings.currentTextStyle = state.current;
}

class TextStylesRecord : public UndoRecord {
 public:
  explicit TextStylesRecord(TextStyleState saved)
      : UndoRecord(UndoKind::TextStylesReplaced), saved_(std::move(saved)) {}

  void Undo(Drawing& drawing) override { Exchange(drawing); }
  void Redo(Drawing& drawing) override { Exchange(drawing); }

  // Styles the kept state lists but the table does not hold are this record's to delete,
  // unless another record may still put them back.
  void Discard(Drawing& drawing, GroupState, const TextStyleHeld& held) override {
    const auto& table = drawing.textStyles;
    std::vector<TextStyle*> members = std::move(saved_.members);
    saved_ = {};
    for (TextStyle* style : members) {
      if (std::find(table.begin(), table.end(), style) != table.end()) continue;
      if (held && held(style)) continue;
      delete style;
    }
  }

  bool HoldsTextStyle(const TextStyle* style) const override {
    return std::find(saved_.members.begin(), saved_.members.end(), style) != saved_.members.end();
  }

 private:
  void Exchange(Drawing& drawing) {
    TextStyleState live = Capture(drawing);
    Apply(drawing, saved_);
    saved_ = std::move(live);
  }

  TextStyleState saved_;
};

}  // namespace

std::unique_ptr<UndoRecord> MakeTextStylesUndoRecord(Drawing& drawing) {
  return std::make_unique<TextStylesRecord>(Capture(drawing));
}

}  // namespace korvo
