#pragma once

#include <cstdint>

#include "plugin/plugin_api.h"

namespace korvo {

// The service table every context carries as its first word.
const PluginServiceTable& HostServiceTable();

// The address of service `id`, or null for an id that is not assigned or lies outside
// 100..228.
void* GetService(PluginContext* context, int32_t id);

// Each group of services answers its own ids and null for every other.
void* DocumentService(int32_t id);  // 100-109: arguments, document, main window, profile
void* InputService(int32_t id);     // 110-112, 128, 131, 132, 169
void* CreationService(int32_t id);  // 113-124, 181, 212, 213, 219, 220
void* EntityService(int32_t id);    // 127, 129, 130, 133-141, 144, 148-150, 166, 170-174,
                                    // 177-179, 217, 218
void* TableService(int32_t id);     // 151-156, 161-165, 214, 215, 221-228
void* SettingsService(int32_t id);  // 167, 168
void* DialogService(int32_t id);    // 180, 182-209

}  // namespace korvo
