#pragma once

#include <functional>
#include <map>

#include "platform/button_state.h"
#include "platform/window.h"

namespace korvo {

class CommandEngine;
class CommandBar;

// The main window: routes commands to the view and shows the state of command buttons.
//
// A command arriving while no host command runs is dispatched at once and runs to its end
// inside the dispatch. While one runs, an interrupting command posts "Stop" and then itself
// again, so the running command unwinds before the new one starts; any other command runs
// nested inside the running one.
class MainFrame : public Window {
 public:
  // `viewWindow` receives the commands; all must outlive the frame.
  MainFrame(MessageQueue& queue, CommandEngine& engine, CommandBar& commandBar, Window& viewWindow);

  bool HandleMessage(const Message& message) override;

  // Asked when the window is to close: false keeps the program running (the user cancelled
  // the save question). Without one the program quits.
  void SetCloseQuery(std::function<bool()> query) { closeQuery_ = std::move(query); }

  // What the buttons and menu items show, as the shell would draw them.
  bool IsButtonPressed(int id) const;
  // Nothing for an id whose menu item was never checked or unchecked.
  const std::map<int, bool>& MenuChecks() const { return menuChecks_; }
  // Hears every button state after the frame has shown it (the shell's toolbars).
  void SetButtonStateListener(std::function<void(const ButtonState&)> listener) {
    buttonStateListener_ = std::move(listener);
  }

 private:
  void RouteCommand(const Message& message);
  void ShowButtonState(uint32_t wParam, uint32_t lParam);

  CommandEngine& engine_;
  CommandBar& commandBar_;
  Window& viewWindow_;
  uint32_t buttonStateMessage_;
  int dispatching_ = 0;  // the command dispatched while no host command was active
  std::map<int, bool> pressed_;
  std::map<int, bool> menuChecks_;
  std::function<bool()> closeQuery_;
  std::function<void(const ButtonState&)> buttonStateListener_;
};

}  // namespace korvo
