#include "app/qt_property_sheet.h"

namespace korvo {

// FIXME: placeholder until the sheet widget exists; answers like a cancelled sheet.
PropertySheetResult QtPropertySheet::Run(PropertySheetModel& model) {
  model.Discard();
  return PropertySheetResult::Cancel;
}

}  // namespace korvo
