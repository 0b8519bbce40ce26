#pragma once

namespace korvo {

// What a question (a point, a selection, a pick) answers its command. The numbers are the
// system's and equal the input states that produce them.
enum class InputResult : int {
  CursorMoved = 2,  // the cursor moved to a new point (only to callers that draw a preview)
  Enter = 3,        // Enter or OK: nothing given
  Picked = 4,       // a point was picked or typed
  Default = 5,      // the default was accepted
  Cancel = 7,
  PenMoved = 9,  // the pen moved or left the drawing area (only to callers that track it)
};

// The view's input state machine. The waiting loop sets Waiting; handlers of pen, key and
// command messages move it on; the internal states are resolved by the waiting loop itself.
namespace InputState {
inline constexpr int None = 0;          // no input requested
inline constexpr int Waiting = 1;       // the waiting loop runs
inline constexpr int CursorMoved = 2;   // keyboard cursor, a scroll, or a drag with the pen down
inline constexpr int Enter = 3;         // OK, or Exit while a command waits
inline constexpr int Picked = 4;        // the pen was released inside the client area
inline constexpr int Default = 5;       // "EnterDefault"
inline constexpr int Dialog = 6;        // "DialogInput"
inline constexpr int Cancel = 7;        // "Stop", or the message loop was told to quit
inline constexpr int PenMoved = 9;      // the pen moved, or was released outside the client area
inline constexpr int MovedLater = 992;  // becomes PenMoved
inline constexpr int ScrollLeft = 993;  // scroll one line step, then ReshowCursor
inline constexpr int ScrollRight = 994;
inline constexpr int ScrollUp = 995;
inline constexpr int ScrollDown = 996;
inline constexpr int ReshowCursor = 998;   // re-show the cursor at its world point, then 2
inline constexpr int PenMovedLater = 999;  // becomes PenMoved
}  // namespace InputState

}  // namespace korvo
