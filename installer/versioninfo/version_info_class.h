// The object that VersionInfo.dll hands out: its first virtual operation maps (file name, version-resource
// key) to that key's text in the file's version resource. Shared by the library and the installer.
#pragma once

class VersionInfoClass {
public:
  // Returns the value of key (e.g. "FileVersion") in the version resource of fileName; a name without a
  // folder means a module of the calling process or the normal library search. The text stays valid until
  // the next call on this object or its deletion; a missing file or key gives the empty text.
  virtual const char* GetValue(const char* fileName, const char* key) = 0;
  // Deleting through this destructor frees the object inside the library that made it, with the library's
  // own allocator; the caller must delete the object before it unloads the library.
  virtual ~VersionInfoClass() = default;
};

// The export "_CreateVersionInfoClassInstance": no arguments, a new object or null when out of memory.
using CreateVersionInfoClassInstanceFn = VersionInfoClass*(__cdecl*)();
inline constexpr const char* kCreateVersionInfoExport = "_CreateVersionInfoClassInstance";
