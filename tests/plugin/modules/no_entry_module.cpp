// A loadable module that lacks the plug-in entry point: only the string export is there.
#include <cstdint>

extern "C" __attribute__((visibility("default"))) int32_t KorvoCADPluginString(int32_t id,
                                                                               char16_t* buffer,
                                                                               int32_t capacity) {
  static_cast<void>(id);
  if (buffer != nullptr && capacity > 0) buffer[0] = 0;
  return 0;
}
