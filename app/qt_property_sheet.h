#pragma once

#include <QPointer>
#include <QWidget>

#include "platform/property_sheet.h"

namespace korvo {

// Property sheets (the plug-in's and the host commands' option dialogs) as Qt dialogs over a
// PropertySheetModel.
class QtPropertySheet : public PropertySheetService {
 public:
  void SetParent(QWidget* parent) { parent_ = parent; }
  PropertySheetResult Run(PropertySheetModel& model) override;

 private:
  QPointer<QWidget> parent_;
};

}  // namespace korvo
