#pragma once

#include <array>
#include <cstddef>

#include "plugin/plugin_api.h"

namespace korvo::commandset {

// The temporary entities a question shows while the cursor moves: at most a shape and a guide
// line. They are drawn with exclusive-or, so erasing is drawing them once more; the host
// deletes them on request.
class Preview {
 public:
  Preview() = default;
  Preview(const Preview&) = delete;
  Preview& operator=(const Preview&) = delete;
  ~Preview() { Erase(); }

  // Draws `entity` and keeps it until Erase. A null entity (a shape the host would not build)
  // shows nothing.
  void Show(PluginEntity* entity);
  // Erases what is shown from the window and deletes the entities.
  void Erase();

 private:
  struct Shown {
    PluginEntity* entity = nullptr;
    bool drawn = false;
  };
  std::array<Shown, 2> shown_{};
  std::size_t count_ = 0;
};

}  // namespace korvo::commandset
