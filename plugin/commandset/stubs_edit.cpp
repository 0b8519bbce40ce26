#include "plugin/commandset/commands.h"

namespace korvo::commandset {

// FIXME: the editing commands are being written; until then they do not start.
int RunSettings() {
  return 0;
}
int RunTrace() {
  return 0;
}
int RunPolylineEdit() {
  return 0;
}
int RunRectangularArray() {
  return 0;
}
int RunPolarArray() {
  return 0;
}

}  // namespace korvo::commandset
