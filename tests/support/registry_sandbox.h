// Registry keys and values made for one test, in a chosen view, and removed again when the test ends.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace orvan::test {

// Which registry view a key is written in: the process's own, or explicitly the 32-bit or 64-bit one.
enum class RegView { Own, Bits32, Bits64 };
REGSAM viewFlag(RegView view);

class RegistrySandbox {
public:
  RegistrySandbox() = default;
  RegistrySandbox(const RegistrySandbox&) = delete;
  RegistrySandbox& operator=(const RegistrySandbox&) = delete;
  ~RegistrySandbox();  // removes every key this sandbox created, deepest last-made first

  // Creates the key and any missing parents ("SOFTWARE\\Corel\\CorelDRAW\\24.0"; a leading backslash is allowed).
  void key(HKEY root, const std::string& path, RegView view = RegView::Own);
  void setString(HKEY root, const std::string& path, const std::string& name, const std::string& value,
                 RegView view = RegView::Own);
  void setDword(HKEY root, const std::string& path, const std::string& name, DWORD value,
                RegView view = RegView::Own);

  // Removes a key tree that may be left from elsewhere, so a test starts from a known state.
  static void removeTree(HKEY root, const std::string& path, RegView view = RegView::Own);
  // Removes every direct subkey of parent whose name starts with prefix (e.g. "Adobe.Illustrator.").
  static void removeSubkeysStartingWith(HKEY root, const std::string& parent, const std::string& prefix,
                                        RegView view = RegView::Own);
  static bool exists(HKEY root, const std::string& path, RegView view = RegView::Own);

private:
  struct Made { HKEY root; std::string path; RegView view; };
  std::vector<Made> made_;
};

}  // namespace orvan::test
