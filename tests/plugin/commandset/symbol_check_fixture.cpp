// A module that breaks both rules of the command-set module: it needs a function of the host
// and exports a third name. The symbol checks must refuse it.

extern "C" int HostOnlyFunction(int value);

extern "C" __attribute__((visibility("default"))) int KorvoCADPluginProc(void*, const char16_t*) {
  return HostOnlyFunction(1);
}

extern "C" __attribute__((visibility("default"))) int KorvoCADPluginString(int, char16_t*, int) {
  return 0;
}

extern "C" __attribute__((visibility("default"))) int ExtraExport() {
  return 2;
}
