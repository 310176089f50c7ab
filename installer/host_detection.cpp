// Host detection and location lookups: which Illustrator and CorelDRAW versions are installed, and where.
#include "host_detection.h"

#include <windows.h>

#include <algorithm>

#include "platform/files.h"
#include "platform/registry.h"

std::vector<int32_t> IllustratorCCVersions;

namespace {

const char kClassPrefix[] = "Adobe.Illustrator.";

std::string illustratorServerKey(const std::string& version) {
  return "\\SOFTWARE\\Classes\\Adobe.Illustrator." + version + "\\protocol\\StdFileEditing\\server";
}

// Two characters after the class prefix read as a decimal number; anything else is not a version.
bool twoDigitVersion(const std::string& text, int32_t& number) {
  if (text.size() != 2) return false;
  for (char c : text)
    if (c < '0' || c > '9') return false;
  number = (text[0] - '0') * 10 + (text[1] - '0');
  return true;
}

// The parent of ConfigDir, as the system normalises it; "0" when either change of directory fails.
std::string parentOfConfigDir(const std::string& configDir) {
  if (!files::setCurrentDir(configDir)) return "0";
  if (!files::setCurrentDir("..")) return "0";
  return files::currentDir();
}

std::string configDirIn(const std::string& rootKey, REGSAM mask) {
  return reg::RegKey::open(HKEY_LOCAL_MACHINE, rootKey, mask).string("ConfigDir");
}

std::string installDirFromOneView(const std::string& version, REGSAM mask) {
  std::string rootKey;
  if (!GetCorelRootKey(version, rootKey)) return "0";
  return parentOfConfigDir(configDirIn(rootKey, mask));
}

}  // namespace

bool IsIllustratorInstalled(const std::string& version) {
  return reg::keyExists(HKEY_LOCAL_MACHINE, illustratorServerKey(version), reg::kFull);
}

bool DetectIllustratorCC() {
  IllustratorCCVersions.clear();
  bool found = false;
  reg::RegKey classes = reg::RegKey::open(HKEY_LOCAL_MACHINE, "\\SOFTWARE\\Classes\\", reg::kRead);
  if (!classes) return false;
  for (const std::string& name : classes.subkeyNames()) {
    size_t at = name.find(kClassPrefix);
    if (at == std::string::npos) continue;
    std::string digits = name.substr(at + sizeof kClassPrefix - 1, 2);
    int32_t version = 0;
    if (!twoDigitVersion(digits, version) || version < 17) continue;
    if (reg::keyExists(HKEY_LOCAL_MACHINE, illustratorServerKey(digits), reg::kRead)) {
      IllustratorCCVersions.push_back(version);
      found = true;
    }
  }
  std::sort(IllustratorCCVersions.begin(), IllustratorCCVersions.end());
  return found;
}

bool IsCorelInstalled(const std::string& version) {
  std::string rootKey;
  if (!GetCorelRootKey(version, rootKey)) return false;
  const std::string setupKey = rootKey + "\\Setup";
  reg::RegKey setup = reg::RegKey::open(HKEY_LOCAL_MACHINE, setupKey, reg::kFull);
  if (!setup) setup = reg::RegKey::open(HKEY_LOCAL_MACHINE, setupKey, reg::kFull64);
  const std::string installed = setup.string("Installed");
  return !installed.empty() && installed.find("Yes") != std::string::npos;
}

void CheckScriboInstalled(StatusLabel& label) {
  if (reg::keyExists(HKEY_LOCAL_MACHINE, "\\SOFTWARE\\Vetra\\OrvanScribo\\Application-Settings", reg::kFull)) {
    label.SetCaption("Scribo is installed.");
    label.SetColour(GetSysColor(COLOR_WINDOWTEXT));
  } else {
    label.SetCaption("Scribo is NOT installed!");
    label.SetColour(RGB(255, 0, 0));
  }
}

bool GetCorelRootKey(const std::string& version, std::string& rootKey) {
  const std::string candidates[] = {"\\SOFTWARE\\COREL\\CorelDRAW\\" + version + ".0",
                                    "\\SOFTWARE\\Corel\\Corel DESIGNER\\" + version + ".0"};
  for (const std::string& candidate : candidates) {
    for (REGSAM mask : {reg::kRead32, reg::kRead64}) {
      if (reg::RegKey::open(HKEY_LOCAL_MACHINE, candidate, mask)) {
        rootKey = candidate;
        return true;
      }
    }
  }
  return false;
}

std::string GetCorelInstallDir(const std::string& version) {
  std::string rootKey;
  if (!GetCorelRootKey(version, rootKey)) return "0";
  std::string configDir = configDirIn(rootKey, reg::kRead32);
  if (configDir.empty()) configDir = configDirIn(rootKey, reg::kRead64);
  return parentOfConfigDir(configDir);
}

std::string GetCorelInstallDir32(const std::string& version) {
  return installDirFromOneView(version, reg::kRead32);
}

std::string GetCorelInstallDir64(const std::string& version) {
  return installDirFromOneView(version, reg::kRead64);
}

std::string GetIllustratorExePath(const std::string& version) {
  std::string command =
      reg::RegKey::open(HKEY_LOCAL_MACHINE, "\\SOFTWARE\\Classes\\Adobe.Illustrator." + version + "\\shell\\Open\\command",
                        reg::kFull)
          .string(nullptr);
  size_t firstQuote = command.find('"');
  if (firstQuote != std::string::npos) command.erase(0, firstQuote + 1);
  size_t nextQuote = command.find('"');
  return nextQuote == std::string::npos ? std::string() : command.substr(0, nextQuote);
}
