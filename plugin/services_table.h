#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/named_table.h"
#include "plugin/service_text.h"

// The table services' halves, each answering its own ids (see TableService).
namespace korvo {

class LineType;
class PluginContext;

void* LayerBlockService(int32_t id);  // 151-156, 161-165
void* StyleService(int32_t id);       // 214, 215, 221-228

// The line type called `name`, looked up as FindPluginLineType does; one taken from the
// library into the drawing is recorded for undo and marks the drawing modified.
LineType* TakePluginLineType(PluginContext& context, std::u16string_view name);

// Gives a table entry a new name and files it under that name. False when another entry
// holds the name already.
template <class T, class Ownership>
bool RenameEntry(NamedTable<T, Ownership>& table, T* entry, std::u16string name) {
  T* holder = table.Find(name);
  if (holder != nullptr && holder != entry) return false;
  table.Remove(entry, TableRemoval::Keep);
  entry->name = std::move(name);
  table.Add(entry);
  return true;
}

// Writes the name of the `cursor`-th entry of `table` into `out` and moves the cursor on.
// False at the end of the table.
template <class Table>
bool WalkNames(const Table& table, std::size_t& cursor, char16_t* out) {
  if (out == nullptr || cursor >= table.size()) return false;
  WriteServiceText(out, (*(table.begin() + static_cast<std::ptrdiff_t>(cursor)))->name);
  ++cursor;
  return true;
}

}  // namespace korvo
