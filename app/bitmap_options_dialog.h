#pragma once

#include <QPointer>
#include <QWidget>
#include <optional>

#include "app/dialog_help.h"
#include "exchange/bitmap_export.h"

namespace korvo {

// The "Output Bitmap options" dialog over a BitmapOptionsModel: width, height and background.
// OK with a width or height that is not a whole number says so and keeps the dialog open.
class QtBitmapOptionsDialog : public BitmapOptionsDialog {
 public:
  static constexpr std::u16string_view kHelpTopic = u"bmp_options_dialog";

  explicit QtBitmapOptionsDialog(QWidget* parent, DialogHelp help = {})
      : parent_(parent), help_(std::move(help)) {}
  void SetParent(QWidget* parent) { parent_ = parent; }
  void SetHelp(DialogHelp help) { help_ = std::move(help); }
  // True with OK; the model then holds texts that its Accept takes.
  bool Run(BitmapOptionsModel& model) override;

 private:
  QPointer<QWidget> parent_;
  DialogHelp help_;
};

// What Save As asks before it writes a ".bmp" file: the options as edited, or nothing when
// the user cancels.
std::optional<BitmapExportOptions> RunBitmapOptionsDialog(QWidget* parent,
                                                          const BitmapExportOptions& options,
                                                          const DialogHelp& help = {});

}  // namespace korvo
