#pragma once

namespace korvo {

// FIXME: the property sheet's rows, checks and answers are being written.
class PropertySheetModel {};

}  // namespace korvo
