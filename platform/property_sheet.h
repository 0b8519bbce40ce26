#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korvo {

enum class PropertyRowKind : uint8_t {
  Text,
  Int,
  IntRange,
  Double,
  DoubleRange,
  YesNo,
  Choice,
  List
};

// What running a sheet gave; the numbers are what the plug-in's RunDialog reports.
enum class PropertySheetResult : int { Ok = 1, Cancel = 2, NotRun = -1 };

// A property sheet's logic, shown by any front end: a title, a name, and rows that each edit
// one value of the caller.
//
// Each row keeps a working copy of its value, read from the caller's value when the row is
// added; the row setters change that copy. While the sheet is shown, the front end types
// texts into rows or picks options; Accept checks every row and, only when all of them read,
// stores the values in the working copies and writes them to the caller's values. Discard
// (a cancelled sheet) drops what was typed and writes nothing. A row added without a value
// of the caller keeps its own.
//
// The caller's values are read when the row is added and written on Accept, so they must
// stay valid until the sheet is gone. A text row's buffer holds `maxLength` characters and
// the terminator; nothing past that is read or written.
class PropertySheetModel {
 public:
  // The two texts of a yes/no row.
  static constexpr std::u16string_view kYesText = u"Yes";
  static constexpr std::u16string_view kNoText = u"No";

  PropertySheetModel(std::u16string title, std::u16string name);
  PropertySheetModel(const PropertySheetModel&) = delete;
  PropertySheetModel& operator=(const PropertySheetModel&) = delete;

  const std::u16string& Title() const { return title_; }
  const std::u16string& Name() const { return name_; }

  // --- adding rows; false (and no row) for arguments a row cannot hold: a negative maximum
  // length, bounds in the wrong order or not numbers, a list without items.
  bool AddTextRow(std::u16string label, char16_t* text, int32_t maxLength);
  bool AddIntRow(std::u16string label, int32_t* value);
  bool AddIntRangeRow(std::u16string label, int32_t* value, int32_t min, int32_t max);
  bool AddDoubleRow(std::u16string label, double* value);
  bool AddDoubleRangeRow(std::u16string label, double* value, double min, double max);
  bool AddYesNoRow(std::u16string label, uint8_t* value);
  bool AddChoiceRow(std::u16string label, uint8_t* value, std::u16string trueText,
                    std::u16string falseText);
  // `items` separated by line feeds (a carriage return before one is dropped, and so is an
  // empty item after a final line feed); the index is 0-based.
  bool AddListRow(std::u16string label, int32_t* index, std::u16string_view items);

  // --- the working copies by 0-based row. Setters take the row's own kind only and refuse
  // what the row could not accept on OK (a text too long, a value outside the bounds, a
  // number that is not finite); a null text keeps the row's texts or items. Getters answer
  // for rows of a fitting kind: GetInt for both integer kinds, GetDouble for both double
  // kinds, GetFlag for yes/no and choice rows, GetIndex for list rows.
  bool SetText(std::size_t row, std::u16string_view text);
  bool SetInt(std::size_t row, int32_t value);
  bool SetIntRange(std::size_t row, int32_t value, int32_t min, int32_t max);
  bool SetDouble(std::size_t row, double value);
  bool SetDoubleRange(std::size_t row, double value, double min, double max);
  bool SetYesNo(std::size_t row, uint8_t value);
  bool SetChoice(std::size_t row, uint8_t value, const std::u16string* trueText,
                 const std::u16string* falseText);
  bool SetList(std::size_t row, int32_t index, const std::u16string_view* items);
  std::optional<std::u16string> GetText(std::size_t row) const;
  std::optional<int32_t> GetInt(std::size_t row) const;
  std::optional<double> GetDouble(std::size_t row) const;
  std::optional<uint8_t> GetFlag(std::size_t row) const;
  std::optional<int32_t> GetIndex(std::size_t row) const;

  // --- what a front end shows and edits
  std::size_t RowCount() const { return rows_.size(); }
  std::optional<PropertyRowKind> RowKind(std::size_t row) const;
  std::u16string_view RowLabel(std::size_t row) const;
  // The most characters a text row holds; nothing for the other kinds.
  std::optional<int32_t> RowMaxLength(std::size_t row) const;
  // The text the row shows: what was typed, else its value (numbers in their shortest exact
  // form, the chosen option's text for choices and lists).
  std::u16string RowText(std::size_t row) const;
  // The options of a yes/no, choice or list row, in order (true first for the two-way rows);
  // empty for the other kinds.
  std::vector<std::u16string> RowOptions(std::size_t row) const;
  // Types into a row; the text is checked on Accept. A two-way or list row takes the text of
  // one of its options (compared without regard to case), or failing that a whole number: 1
  // or 0 for a two-way row, a 0-based index for a list. False for a row out of range.
  bool SetRowText(std::size_t row, std::u16string_view text);
  // Picks option `option` (0-based, as RowOptions lists them); false when there is none.
  bool SetRowOption(std::size_t row, std::size_t option);
  // The first row with that label, compared without regard to case and with or without the
  // label's final colon.
  std::optional<std::size_t> FindRow(std::u16string_view label) const;

  // OK: checks every row; when all read, stores them and writes the caller's values and
  // returns true. Otherwise nothing is stored, ErrorMessage() says what is wrong with the
  // first row that does not read, and the sheet stays open.
  bool Accept();
  // Cancel: drops what was typed.
  void Discard();
  const std::u16string& ErrorMessage() const { return error_; }
  // The row ErrorMessage() is about, so that a front end can put the focus there.
  std::optional<std::size_t> ErrorRow() const { return errorRow_; }

 private:
  struct Row {
    PropertyRowKind kind = PropertyRowKind::Int;
    std::u16string label;
    // The working copy: `text` for text rows, `number` for the double kinds, `integer` for
    // the integer kinds, the flag (0/1) and the list index.
    std::u16string text;
    double number = 0;
    int32_t integer = 0;
    double min = 0;
    double max = 0;
    std::vector<std::u16string> options;
    int32_t maxLength = 0;
    // The caller's value; null when the row keeps its own.
    void* target = nullptr;
    // What was typed or picked while the sheet is shown (at most one of them).
    std::optional<std::u16string> typed;
    std::optional<std::size_t> picked;
  };
  // A row's value as Accept reads it.
  struct Reading {
    std::u16string text;
    double number = 0;
    int32_t integer = 0;
  };

  Row* RowOf(std::size_t row, PropertyRowKind kind);
  const Row* RowOf(std::size_t row) const;
  std::optional<Reading> Read(const Row& row, std::u16string* error) const;
  static void WriteBack(const Row& row);
  static std::optional<int32_t> OptionOf(const Row& row, std::u16string_view text);

  std::u16string title_;
  std::u16string name_;
  std::vector<Row> rows_;
  std::u16string error_;
  std::optional<std::size_t> errorRow_;
};

// The platform's property sheet: the shell shows a window around the model, headless runs
// answer from a script (platform/headless_property_sheet.h).
class PropertySheetService {
 public:
  virtual ~PropertySheetService() = default;
  // Runs the sheet modally; with Ok the model has accepted and written its rows.
  virtual PropertySheetResult Run(PropertySheetModel& model) = 0;
};

}  // namespace korvo
