#pragma once

#include <memory>

#include "core/entity.h"

namespace korvo {

// A default-constructed entity of the kind `elementCode` names. Any other code is reported
// with "Undetermined element code: %d" in a message box and gives null.
std::unique_ptr<Entity> CreateEntity(int elementCode);

}  // namespace korvo
