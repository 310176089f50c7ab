// Registry sandbox: remembers the first key of each path that it had to create and removes that tree afterwards.
#include "registry_sandbox.h"

#include <stdexcept>

namespace orvan::test {
namespace {

std::string trimmed(const std::string& path) {
  size_t start = path.find_first_not_of('\\');
  return start == std::string::npos ? std::string() : path.substr(start);
}

class Key {
public:
  Key() = default;
  explicit Key(HKEY key) : key_(key) {}
  Key(Key&& other) noexcept : key_(other.key_) { other.key_ = nullptr; }
  Key(const Key&) = delete;
  Key& operator=(const Key&) = delete;
  ~Key() { if (key_) RegCloseKey(key_); }
  HKEY* put() { return &key_; }
  HKEY get() const { return key_; }
private:
  HKEY key_ = nullptr;
};

Key createKey(HKEY root, const std::string& path, RegView view) {
  Key key;
  LONG rc = RegCreateKeyExA(root, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS | viewFlag(view), nullptr,
                            key.put(), nullptr);
  if (rc != ERROR_SUCCESS) throw std::runtime_error("RegCreateKeyEx failed for " + path);
  return key;
}

}  // namespace

REGSAM viewFlag(RegView view) {
  switch (view) {
    case RegView::Bits32: return KEY_WOW64_32KEY;
    case RegView::Bits64: return KEY_WOW64_64KEY;
    default: return 0;
  }
}

bool RegistrySandbox::exists(HKEY root, const std::string& path, RegView view) {
  Key key;
  return RegOpenKeyExA(root, trimmed(path).c_str(), 0, KEY_READ | viewFlag(view), key.put()) == ERROR_SUCCESS;
}

void RegistrySandbox::key(HKEY root, const std::string& rawPath, RegView view) {
  std::string path = trimmed(rawPath);
  // Find the first missing component: removing that one later takes away exactly what was made.
  size_t pos = 0;
  while (true) {
    size_t next = path.find('\\', pos);
    std::string prefix = path.substr(0, next);
    if (!exists(root, prefix, view)) {
      made_.push_back({root, prefix, view});
      break;
    }
    if (next == std::string::npos) break;
    pos = next + 1;
  }
  createKey(root, path, view);
}

void RegistrySandbox::setString(HKEY root, const std::string& path, const std::string& name,
                                const std::string& value, RegView view) {
  key(root, path, view);
  Key k = createKey(root, trimmed(path), view);
  RegSetValueExA(k.get(), name.empty() ? nullptr : name.c_str(), 0, REG_SZ,
                 reinterpret_cast<const BYTE*>(value.c_str()), static_cast<DWORD>(value.size() + 1));
}

void RegistrySandbox::setDword(HKEY root, const std::string& path, const std::string& name, DWORD value,
                               RegView view) {
  key(root, path, view);
  Key k = createKey(root, trimmed(path), view);
  RegSetValueExA(k.get(), name.empty() ? nullptr : name.c_str(), 0, REG_DWORD,
                 reinterpret_cast<const BYTE*>(&value), sizeof value);
}

void RegistrySandbox::removeTree(HKEY root, const std::string& rawPath, RegView view) {
  std::string path = trimmed(rawPath);
  {
    Key key;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_ALL_ACCESS | viewFlag(view), key.put()) != ERROR_SUCCESS) return;
    RegDeleteTreeA(key.get(), nullptr);
  }
  RegDeleteKeyExA(root, path.c_str(), viewFlag(view), 0);
}

void RegistrySandbox::removeSubkeysStartingWith(HKEY root, const std::string& parent, const std::string& prefix,
                                                RegView view) {
  std::vector<std::string> doomed;
  {
    Key key;
    if (RegOpenKeyExA(root, trimmed(parent).c_str(), 0, KEY_READ | viewFlag(view), key.put()) != ERROR_SUCCESS)
      return;
    char name[256];
    for (DWORD i = 0;; ++i) {
      DWORD size = sizeof name;
      if (RegEnumKeyExA(key.get(), i, name, &size, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
      if (std::string(name, size).rfind(prefix, 0) == 0) doomed.emplace_back(name, size);
    }
  }
  for (const auto& name : doomed) removeTree(root, trimmed(parent) + "\\" + name, view);
}

RegistrySandbox::~RegistrySandbox() {
  for (auto it = made_.rbegin(); it != made_.rend(); ++it) removeTree(it->root, it->path, it->view);
}

}  // namespace orvan::test
