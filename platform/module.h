#pragma once

#include <filesystem>
#include <string>

namespace korvo {

// A loaded shared library; opaque to everyone but the loader that made it.
using ModuleHandle = void*;

// Loads shared libraries by path, finds their exports by name and releases them. Behind an
// interface so that a test can watch how often a module is loaded and released.
class ModuleLoader {
 public:
  virtual ~ModuleLoader() = default;
  // Null when the file is missing or not a loadable module; `error` (optional) says why.
  virtual ModuleHandle Load(const std::filesystem::path& path, std::string* error = nullptr) = 0;
  // Null when the module has no export of that name.
  virtual void* FindExport(ModuleHandle module, const char* name) = 0;
  virtual void Release(ModuleHandle module) = 0;
};

// The platform's loader: every symbol is resolved when the module is loaded, and none of the
// module's symbols is made available to modules loaded later.
class SharedLibraryLoader final : public ModuleLoader {
 public:
  ModuleHandle Load(const std::filesystem::path& path, std::string* error = nullptr) override;
  void* FindExport(ModuleHandle module, const char* name) override;
  void Release(ModuleHandle module) override;
};

// The program's loader, shared by every caller that does not bring its own.
ModuleLoader& DefaultModuleLoader();

}  // namespace korvo
