#pragma once

#include "core/solid_entity.h"

namespace korvo {

// A solid that DXF exports as a TRACE record; otherwise it behaves as a solid.
class TraceEntity : public SolidEntity {
 public:
  using SolidEntity::SolidEntity;

  int GetElementCode() const override;
  TraceEntity* AsTrace() override { return this; }
  const TraceEntity* AsTrace() const override { return this; }
};

}  // namespace korvo
