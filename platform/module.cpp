#include "platform/module.h"

#include <dlfcn.h>

namespace korvo {

ModuleHandle SharedLibraryLoader::Load(const std::filesystem::path& path, std::string* error) {
  // A path without a folder would make the platform search its library path instead.
  if (path.empty() || !path.has_parent_path()) {
    if (error != nullptr) *error = "no module path";
    return nullptr;
  }
  ModuleHandle module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (module == nullptr && error != nullptr) {
    const char* reason = dlerror();
    *error = reason != nullptr ? reason : "unknown";
  }
  return module;
}

void* SharedLibraryLoader::FindExport(ModuleHandle module, const char* name) {
  if (module == nullptr || name == nullptr) return nullptr;
  return dlsym(module, name);
}

void SharedLibraryLoader::Release(ModuleHandle module) {
  if (module != nullptr) dlclose(module);
}

ModuleLoader& DefaultModuleLoader() {
  // Stateless: one instance serves the whole program.
  static SharedLibraryLoader loader;
  return loader;
}

}  // namespace korvo
