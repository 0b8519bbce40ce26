#include "plugin/plugin_context.h"

#include "core/entity.h"
#include "platform/property_sheet.h"
#include "plugin/service_table.h"
#include "text/line_type.h"

namespace korvo {

// FIXME: the checks of plug-in pointers, the handles and the destructor's duties are being
// written.
PluginContext::PluginContext(CommandEngine* engine_, std::u16string arguments_)
    : serviceTable(&HostServiceTable()), arguments(std::move(arguments_)), engine(engine_) {}

PluginContext::~PluginContext() = default;

}  // namespace korvo
