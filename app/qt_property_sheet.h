#pragma once

#include <QPointer>
#include <QWidget>

#include "app/dialog_help.h"
#include "platform/property_sheet.h"

namespace korvo {

// Property sheets (the plug-in's and the host commands' option dialogs) as Qt dialogs over a
// PropertySheetModel: one labelled field a row, in a scrolling form so that long sheets fit
// the screen. The sheet's name is its help topic.
class QtPropertySheet : public PropertySheetService {
 public:
  void SetParent(QWidget* parent) { parent_ = parent; }
  void SetHelp(DialogHelp help) { help_ = std::move(help); }
  PropertySheetResult Run(PropertySheetModel& model) override;

 private:
  QPointer<QWidget> parent_;
  DialogHelp help_;
};

}  // namespace korvo
