#include "commands/headless_table_dialogs.h"

#include <array>

#include "commands/layers_dialog.h"
#include "commands/line_type_dialog.h"
#include "commands/table_dialog_strings.h"
#include "commands/text_styles_dialog.h"
#include "platform/message_box.h"
#include "platform/utf16.h"

namespace korvo {
namespace {

using Step = TableDialogStep;

// Labels compare without regard to case and with or without their final colon.
bool IsLabel(std::u16string_view given, std::u16string_view label) {
  if (!given.empty() && given.back() == u':') given.remove_suffix(1);
  return ToUpper(given) == ToUpper(label);
}

std::optional<bool> ReadFlag(std::u16string_view text) {
  const std::u16string upper = ToUpper(text);
  if (upper == u"YES" || upper == u"ON" || upper == u"1" || upper == u"TRUE") return true;
  if (upper == u"NO" || upper == u"OFF" || upper == u"0" || upper == u"FALSE") return false;
  return std::nullopt;
}

std::optional<LayerColumn> ColumnOf(std::u16string_view text) {
  constexpr std::array<std::pair<std::u16string_view, LayerColumn>, 10> kColumns = {{
      {u"1", LayerColumn::LineType},
      {u"linetype", LayerColumn::LineType},
      {u"2", LayerColumn::Frozen},
      {u"frozen", LayerColumn::Frozen},
      {u"3", LayerColumn::Locked},
      {u"locked", LayerColumn::Locked},
      {u"4", LayerColumn::Current},
      {u"current", LayerColumn::Current},
      {u"5", LayerColumn::Delete},
      {u"delete", LayerColumn::Delete},
  }};
  for (const auto& [name, column] : kColumns) {
    if (IsLabel(text, name)) return column;
  }
  return std::nullopt;
}

std::u16string Quoted(std::u16string_view text) {
  return u"\"" + std::u16string(text) + u"\"";
}

}  // namespace

std::optional<TableDialogStep> HeadlessTableDialogs::Next(std::u16string_view title) {
  if (supplier_) return supplier_(title);
  if (steps_.empty()) return std::nullopt;
  Step step = std::move(steps_.front());
  steps_.pop_front();
  return step;
}

bool HeadlessTableDialogs::Fail(std::u16string why) {
  problems_.push_back(why);
  if (failure_) failure_(why);
  return false;
}

bool HeadlessTableDialogs::NoAnswer(const std::u16string& title) {
  problems_.push_back(u"No answer for the dialog " + Quoted(title) + u".");
  return false;
}

bool HeadlessTableDialogs::RunLayers(LayersDialogModel& model) {
  const std::u16string title(TableDialogString::kLayersTitle);
  titles_.push_back(title);
  const auto setFields = [&](const Step& step) {
    for (const auto& [label, text] : step.fields) {
      if (!IsLabel(label, u"Name"))
        return Fail(u"the dialog " + Quoted(title) + u" has no field " + Quoted(label));
      model.SetEditText(text);
    }
    return true;
  };
  const auto rowOf = [&](const Step& step) -> std::optional<std::size_t> {
    const auto row = model.FindRow(step.name);
    if (!row) Fail(u"the dialog " + Quoted(title) + u" has no layer " + Quoted(step.name));
    return row;
  };
  while (const auto step = Next(title)) {
    switch (step->kind) {
      case Step::Kind::Select: {
        const auto row = rowOf(*step);
        if (!row) return false;
        model.SelectRow(*row);
        break;
      }
      case Step::Kind::Row: {
        const auto row = rowOf(*step);
        if (!row) return false;
        const auto column = ColumnOf(step->column);
        if (!column) return Fail(u"the layers have no column " + Quoted(step->column));
        model.RowAction(*row, *column);
        break;
      }
      case Step::Kind::Set:
        if (!setFields(*step)) return false;
        break;
      case Step::Kind::Button:
        if (IsLabel(step->name, u"New")) {
          if (!model.CanNew()) return Fail(u"the button New is disabled");
          model.New();
        } else if (IsLabel(step->name, u"Rename")) {
          if (!model.CanRename()) return Fail(u"the button Rename is disabled");
          model.Rename();
        } else {
          return Fail(u"the dialog " + Quoted(title) + u" has no button " + Quoted(step->name));
        }
        break;
      case Step::Kind::Ok:
        return setFields(*step);
      case Step::Kind::Cancel:
        return false;
    }
  }
  return NoAnswer(title);
}

bool HeadlessTableDialogs::RunTextStyles(TextStylesDialogModel& model) {
  const std::u16string title(TableDialogString::kTextStylesTitle);
  titles_.push_back(title);
  constexpr std::array<std::pair<std::u16string_view, TextStyleField>, 5> kFields = {{
      {u"Style", TextStyleField::Name},
      {u"Font", TextStyleField::Font},
      {u"Height", TextStyleField::Height},
      {u"Width factor", TextStyleField::WidthFactor},
      {u"Oblique angle", TextStyleField::ObliqueAngle},
  }};
  const auto setField = [&](const std::u16string& label, const std::u16string& text) {
    for (const auto& [name, field] : kFields) {
      if (IsLabel(label, name)) {
        model.SetField(field, text);
        return true;
      }
    }
    const bool upsideDown = IsLabel(label, u"Upside down");
    if (!upsideDown && !IsLabel(label, u"Backwards"))
      return Fail(u"the dialog " + Quoted(title) + u" has no field " + Quoted(label));
    const auto on = ReadFlag(text);
    if (!on) return Fail(u"a check box takes yes or no, not " + Quoted(text));
    upsideDown ? model.SetUpsideDown(*on) : model.SetBackwards(*on);
    return true;
  };
  const auto setFields = [&](const Step& step) {
    for (const auto& [label, text] : step.fields) {
      if (!setField(label, text)) return false;
    }
    return true;
  };
  while (const auto step = Next(title)) {
    switch (step->kind) {
      case Step::Kind::Select: {
        const auto index = model.FindStyle(step->name);
        if (!index)
          return Fail(u"the dialog " + Quoted(title) + u" has no style " + Quoted(step->name));
        model.SelectStyle(*index);
        break;
      }
      case Step::Kind::Row:
        return Fail(u"the dialog " + Quoted(title) + u" has no row actions");
      case Step::Kind::Set:
        if (!setFields(*step)) return false;
        break;
      case Step::Kind::Button:
        if (IsLabel(step->name, u"New")) {
          if (!model.CanNew()) return Fail(u"the button New is disabled");
          model.New();
        } else if (IsLabel(step->name, u"Apply changes")) {
          if (!model.CanApply()) return Fail(u"the button Apply changes is disabled");
          model.Apply();
        } else {
          return Fail(u"the dialog " + Quoted(title) + u" has no button " + Quoted(step->name));
        }
        break;
      case Step::Kind::Ok:
        if (!setFields(*step)) return false;
        if (model.Accept()) return true;
        break;
      case Step::Kind::Cancel:
        return false;
    }
  }
  return NoAnswer(title);
}

bool HeadlessTableDialogs::RunLineType(LineTypeDialogModel& model) {
  const std::u16string title(TableDialogString::kLineTypeTitle);
  titles_.push_back(title);
  const auto setField = [&](const std::u16string& label, const std::u16string& text) {
    if (IsLabel(label, u"Linetype")) {
      if (!model.SelectLineType(text))
        return Fail(u"the dialog " + Quoted(title) + u" offers no line type " + Quoted(text));
    } else if (IsLabel(label, u"Lineweight")) {
      model.SetLineWeightText(text);
    } else if (IsLabel(label, u"Linetype scale") && model.EditsScale()) {
      model.SetScaleText(text);
    } else if (IsLabel(label, u"Color")) {
      model.SetColorText(text);
    } else {
      return Fail(u"the dialog " + Quoted(title) + u" has no field " + Quoted(label));
    }
    return true;
  };
  while (const auto step = Next(title)) {
    switch (step->kind) {
      case Step::Kind::Set:
      case Step::Kind::Ok: {
        for (const auto& [label, text] : step->fields) {
          if (!setField(label, text)) return false;
        }
        if (step->kind == Step::Kind::Set) break;
        if (model.Accept()) return true;
        messages_.Show(model.ErrorMessage(), MessageButtons::Ok, MessageIcon::Exclamation);
        break;
      }
      case Step::Kind::Button: {
        const bool byLayer = IsLabel(step->name, u"By layer");
        if (!byLayer && !IsLabel(step->name, u"By block"))
          return Fail(u"the dialog " + Quoted(title) + u" has no button " + Quoted(step->name));
        if (!(byLayer ? model.PressByLayer() : model.PressByBlock()))
          return Fail(u"the dialog " + Quoted(title) + u" shows no button " + Quoted(step->name));
        break;
      }
      case Step::Kind::Select:
      case Step::Kind::Row:
        return Fail(u"the dialog " + Quoted(title) + u" has no rows to tap");
      case Step::Kind::Cancel:
        return false;
    }
  }
  return NoAnswer(title);
}

}  // namespace korvo
