#pragma once

#include <QDialog>
#include <functional>
#include <string>
#include <string_view>

namespace korvo {

class ToolbarModel;

// The command palette: every entry of the palette's definition file as a button with its
// image and text, in a grid. Tapping an entry closes the palette with that entry chosen;
// in help mode a tap shows the entry's help instead and the palette stays open.
class CommandPalette : public QDialog {
  Q_OBJECT

 public:
  // Shows the help of an entry, given the entry's command text (marker and name).
  using HelpHandler = std::function<void(std::u16string_view commandText)>;

  // `entries` gives the buttons and their enabled and checked states; without `help` the
  // palette offers no help mode.
  CommandPalette(const ToolbarModel& entries, int buttonSize, HelpHandler help,
                 QWidget* parent = nullptr);

  // The command text of the chosen entry, once exec() returned Accepted.
  const std::u16string& Chosen() const { return chosen_; }

 private:
  void Tapped(const std::u16string& commandText);

  HelpHandler help_;
  bool helpMode_ = false;
  std::u16string chosen_;
};

}  // namespace korvo
