#include "core/archive.h"
#include "core/polyline_entity.h"

namespace korvo {

// FIXME: the vertex list needs the shared entity record reader and writer, which are not
// here yet; until then a polyline body is refused rather than half read or half written.
void PolylineEntity::ReadBody(ArchiveReader&) {
  throw ArchiveError(ArchiveErrorKind::BadClass);
}

bool PolylineEntity::WriteBody(ArchiveWriter&) const {
  return false;
}

}  // namespace korvo
