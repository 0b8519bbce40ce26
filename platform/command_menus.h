#pragma once

#include <functional>

namespace korvo {

// Menu bars by resource id: the main one, and the ones shown while a command runs.
inline constexpr int kMainMenuBar = 128;
inline constexpr int kCommandMenuBar = 246;    // "Stop", "Options" > "Dialog...", "This is..."
inline constexpr int kSelectionMenuBar = 248;  // adds "Select All", "Delselect All", "Window"
inline constexpr int kPolylineMenuBar = 274;   // adds the polyline segment modes and "Close"

// Which menu bar the frame shows. The shell listens and swaps its menus; headless runs only
// keep the id.
class CommandMenus {
 public:
  using Listener = std::function<void(int menuBar)>;

  int Shown() const { return shown_; }
  void Show(int menuBar) {
    shown_ = menuBar;
    if (listener_) listener_(menuBar);
  }
  void SetListener(Listener listener) { listener_ = std::move(listener); }

 private:
  int shown_ = kMainMenuBar;
  Listener listener_;
};

}  // namespace korvo
