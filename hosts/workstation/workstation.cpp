// Lays out and removes a simulated workstation. Removal works from the description alone, so that
// workstation.exe --remove in a later process takes away exactly what --lay made.
#include "workstation.h"

#include <windows.h>

#include <atomic>
#include <stdexcept>

#include "folder_tree.h"
#include "registry_sandbox.h"
#include "wine_paths.h"

namespace orvan::workstation {
namespace {

using orvan::test::FolderTree;
using orvan::test::RegistrySandbox;
using orvan::test::RegView;

const char kClasses[] = "SOFTWARE\\Classes";
const char kCorel[] = "SOFTWARE\\Corel";
const char kScribo[] = "SOFTWARE\\Vetra\\OrvanScribo\\Application-Settings";
const RegView kBothViews[] = {RegView::Bits32, RegView::Bits64};

std::atomic<int> counter{0};

std::string join(const std::string& folder, const std::string& relative) {
  if (relative.empty()) return folder;
  if (!folder.empty() && folder.back() == '\\') return folder + relative;
  return folder + "\\" + relative;
}

std::string parentOf(const std::string& path) {
  size_t cut = path.find_last_of('\\');
  return cut == std::string::npos ? std::string() : path.substr(0, cut);
}

bool fileExists(const std::string& path) {
  DWORD a = GetFileAttributesA(path.c_str());
  return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

std::string ownFolder() {
  char buffer[MAX_PATH] = {};
  DWORD n = GetModuleFileNameA(nullptr, buffer, MAX_PATH);
  return parentOf(std::string(buffer, n));
}

bool isWin64Build() { return sizeof(void*) == 8; }

// The other architecture's stub is only there once both builds have run (win32 is built before win64).
std::string findStub(Bits bits, const std::string& given) {
  if (!given.empty()) {
    if (!fileExists(given)) throw std::runtime_error("PE stub not found: " + given);
    return given;
  }
  const char* arch = bits == Bits::B64 ? "win64" : "win32";
  std::vector<std::string> candidates;
  if ((bits == Bits::B64) == isWin64Build()) candidates.push_back(ownFolder() + "\\pe_stub.exe");
  std::string fromEnv = orvan::test::envPath(bits == Bits::B64 ? "ORVAN_WIN64_DIR" : "ORVAN_WIN32_DIR");
  if (!fromEnv.empty()) candidates.push_back(fromEnv + "\\bin\\pe_stub.exe");
  candidates.push_back(parentOf(parentOf(ownFolder())) + "\\" + arch + "\\bin\\pe_stub.exe");
  for (const auto& candidate : candidates)
    if (fileExists(candidate)) return candidate;
  throw std::runtime_error(std::string("no ") + arch + " pe_stub.exe found (build " + arch +
                           " first, or set ORVAN_" + (bits == Bits::B64 ? "WIN64" : "WIN32") + "_DIR)");
}

void copyFile(const std::string& from, const std::string& to) {
  FolderTree::makeFolders(parentOf(to));
  SetFileAttributesA(to.c_str(), FILE_ATTRIBUTE_NORMAL);
  if (!CopyFileA(from.c_str(), to.c_str(), FALSE))
    throw std::runtime_error("cannot copy " + from + " to " + to + " (" + std::to_string(GetLastError()) + ")");
}

void copyFiles(const std::vector<FileCopy>& files, const std::string& folder) {
  for (const auto& f : files) copyFile(f.from, join(folder, f.to));
}

// A key of HKLM in one view, closed on every path out.
class Key {
public:
  static Key create(const std::string& path, RegView view) {
    Key key;
    LONG rc = RegCreateKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0,
                              KEY_ALL_ACCESS | orvan::test::viewFlag(view), nullptr, &key.key_, nullptr);
    if (rc != ERROR_SUCCESS) throw std::runtime_error("cannot create HKLM\\" + path + " (" + std::to_string(rc) + ")");
    return key;
  }
  static Key open(const std::string& path, RegView view) {
    Key key;
    RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ | orvan::test::viewFlag(view), &key.key_);
    return key;
  }
  Key(Key&& other) noexcept : key_(other.key_) { other.key_ = nullptr; }
  Key(const Key&) = delete;
  Key& operator=(const Key&) = delete;
  ~Key() { if (key_) RegCloseKey(key_); }
  explicit operator bool() const { return key_ != nullptr; }

  void set(const std::string& name, const std::string& value) {
    RegSetValueExA(key_, name.empty() ? nullptr : name.c_str(), 0, REG_SZ,
                   reinterpret_cast<const BYTE*>(value.c_str()), static_cast<DWORD>(value.size() + 1));
  }
  bool empty() const {
    DWORD subkeys = 0, values = 0;
    return RegQueryInfoKeyA(key_, nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, &values, nullptr,
                            nullptr, nullptr, nullptr) == ERROR_SUCCESS && subkeys == 0 && values == 0;
  }

private:
  Key() = default;
  HKEY key_ = nullptr;
};

// Removes the key if it has neither subkeys nor values; false when it is missing or still in use.
bool removeIfEmpty(const std::string& path, RegView view) {
  if (Key key = Key::open(path, view); !key || !key.empty()) return false;
  return RegDeleteKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), orvan::test::viewFlag(view), 0) == ERROR_SUCCESS;
}

void removeKeyAndEmptyParents(const std::string& path, const std::string& stopAt) {
  for (RegView view : kBothViews) {
    RegistrySandbox::removeTree(HKEY_LOCAL_MACHINE, path, view);
    for (std::string p = parentOf(path); p.size() > stopAt.size(); p = parentOf(p))
      if (!removeIfEmpty(p, view)) break;
  }
}

void removeFolderAndEmptyParents(const std::string& folder, const std::string& root) {
  FolderTree::removeAll(folder);
  for (std::string p = parentOf(folder); p.size() > root.size() && p.size() > 3; p = parentOf(p))
    if (!RemoveDirectoryA(p.c_str())) break;
}

// ---- Illustrator -------------------------------------------------------------------------------------------

std::string illustratorName(const std::string& version, Bits bits) {
  static const std::pair<const char*, const char*> names[] = {
      {"11", "CS"},      {"12", "CS2"},     {"13", "CS3"},     {"14", "CS4"},       {"15", "CS5"},
      {"15.1", "CS5.1"}, {"16", "CS6"},     {"17", "CC"},      {"18", "CC 2014"},   {"19", "CC 2015"},
      {"20", "CC 2015.3"}, {"21", "CC 2017"}, {"22", "CC 2018"}, {"23", "CC 2019"}};
  std::string name = version;
  for (const auto& [v, n] : names)
    if (version == v) name = n;
  if (name == version) name = std::to_string(std::stoi(version) - 4 + 2000);  // 24 is Illustrator 2020
  std::string folder = "Adobe Illustrator " + name;
  // Up to the first CC the 64-bit edition says so in its folder name; later CCs use one name for both.
  if (bits == Bits::B64 && std::stod(version) <= 17) folder += " (64 Bit)";
  return (bits == Bits::B64 ? "Program Files\\Adobe\\" : "Program Files (x86)\\Adobe\\") + folder;
}

std::string swatchMarker(const std::string& version) { return version == "12" ? "Web.ai" : "VisiBone2.ai"; }

std::string defaultSwatchFolder(const std::string& version) {
  return version == "12" ? "Presets\\Swatches" : "Presets\\en_US\\Swatches\\Web";
}

void layIllustratorFolder(const Illustrator& ai, Bits bits, const std::string& folder, const std::string& stub) {
  std::string exe = join(folder, ai.exeFolder) + "\\Illustrator.exe";
  if (ai.exe == ExeKind::Stub) copyFile(stub, exe);
  else if (ai.exe == ExeKind::NotAProgram) FolderTree::writeFile(exe, "Illustrator.exe: not a program\r\n");
  else FolderTree::makeFolders(parentOf(exe));
  // Decoy folders met before and after the markers, so the search has to look at realistic depths.
  FolderTree::writeFile(join(folder, "Plug-ins\\Extensions\\Flatten Transparency.aip"), "decoy plug-in");
  FolderTree::writeFile(join(folder, "Plug-ins\\Illustrator Formats\\SVG Format.aip"), "decoy plug-in");
  FolderTree::writeFile(join(folder, "Presets\\en_US\\Swatches\\Art History\\Baroque.ai"), "decoy swatch");
  FolderTree::writeFile(join(folder, "Support Files\\Required\\Resources\\en_US\\readme.txt"), "decoy");
  if (!ai.pluginFolder.empty())
    FolderTree::writeFile(join(folder, ai.pluginFolder + "\\3D.aip"),
                          "Illustrator's own 3D.aip, " + std::to_string(static_cast<int>(bits)) + "-bit");
  if (ai.swatchFolder != "-") {
    std::string swatches = ai.swatchFolder.empty() ? defaultSwatchFolder(ai.version) : ai.swatchFolder;
    FolderTree::writeFile(join(folder, swatches + "\\" + swatchMarker(ai.version)), "Illustrator's own swatches");
  }
  copyFiles(ai.files, folder);
}

void registerIllustrator(const Illustrator& ai, const std::string& exe) {
  std::string key = std::string(kClasses) + "\\Adobe.Illustrator." + ai.version;
  // HKLM\SOFTWARE\Classes is shared by both views on Windows; write both so Wine shows the same.
  for (RegView view : kBothViews) {
    Key::create(key + "\\protocol\\StdFileEditing\\server", view).set("", exe);
    Key::create(key + "\\shell\\Open\\command", view).set("", "\"" + exe + "\" \"%1\"");
  }
}

// ---- CorelDRAW ---------------------------------------------------------------------------------------------

std::string corelName(const std::string& version) {
  static const char* names[] = {"X3", "X4", "X5", "X6", "X7", "X8", "2017", "2018", "2019", "2020", "2021", "2022"};
  int v = std::stoi(version);
  if (v < 13 || v > 24) throw std::runtime_error("no CorelDRAW version " + version);
  return names[v - 13];
}

std::string corelFolder(const Corel& c) {
  if (!c.folder.empty()) return c.folder;
  std::string suite = c.designer ? "Corel DESIGNER Technical Suite " : "CorelDRAW Graphics Suite ";
  return (c.bits == Bits::B64 ? "Program Files\\Corel\\" : "Program Files (x86)\\Corel\\") + suite +
         corelName(c.version);
}

std::string corelKey(const Corel& c) {
  return std::string(kCorel) + (c.designer ? "\\Corel DESIGNER\\" : "\\CorelDRAW\\") + c.version + ".0";
}

RegView viewOf(Bits bits) { return bits == Bits::B64 ? RegView::Bits64 : RegView::Bits32; }

// ---- Program folder ----------------------------------------------------------------------------------------

bool omitted(const ProgramFolder& p, const std::string& file) {
  for (const auto& o : p.omit)
    if (file == o || file.rfind(o + "\\", 0) == 0) return true;
  return false;
}

void cleanRegistry() {
  for (RegView view : kBothViews) {
    RegistrySandbox::removeSubkeysStartingWith(HKEY_LOCAL_MACHINE, kClasses, "Adobe.Illustrator.", view);
    RegistrySandbox::removeTree(HKEY_LOCAL_MACHINE, std::string(kCorel) + "\\CorelDRAW", view);
    RegistrySandbox::removeTree(HKEY_LOCAL_MACHINE, std::string(kCorel) + "\\Corel DESIGNER", view);
    RegistrySandbox::removeTree(HKEY_LOCAL_MACHINE, kScribo, view);
  }
}

}  // namespace

const std::vector<std::string>& standardProgramFiles() {
  static const std::vector<std::string> files = {
      "Adobe\\MarkwellCS1.aip",       "Adobe\\MarkwellCS6.aip",     "Adobe\\MarkwellCC.aip",
      "Adobe\\MarkwellCC2018.aip",    "Adobe\\Q_series.ase",        "Adobe\\Q_series_CutContour.ase",
      "Adobe\\x64\\MarkwellCS6.aip",  "Adobe\\x64\\MarkwellCC.aip", "Adobe\\x64\\MarkwellCC2018.aip",
      "Corel\\plugin\\template_St.ico", "Corel\\plugin\\cutrix_16.ico", "Corel\\plugin\\cutout_16.ico",
      "Corel\\plugin\\pdf_16.ico",    "Corel\\plugin\\Win32\\Tablebar.cpg", "Corel\\plugin\\x64\\Tablebar.cpg"};
  return files;
}

std::string dummyContent(const std::string& relative) { return "Orvan dummy " + relative; }

Workstation::Workstation(Description description) : description_(std::move(description)) {
  if (description_.root.empty())
    description_.root = "C:\\orvan-tests\\ws-" + std::to_string(GetCurrentProcessId()) + "-" +
                        std::to_string(counter++);
  try {
    lay();
  } catch (...) {
    remove(description_);
    throw;
  }
}

Workstation::~Workstation() {
  if (!keep_) remove(description_);
}

std::string Workstation::path(const std::string& relative) const { return join(description_.root, relative); }

std::string Workstation::programFolder() const { return path(description_.program.folder) + "\\"; }

void Workstation::lay() {
  const Description& d = description_;
  if (d.clean) cleanRegistry();
  FolderTree::makeFolders(d.root);

  for (const Illustrator& ai : d.illustrators) {
    Bits other = ai.bits == Bits::B64 ? Bits::B32 : Bits::B64;
    IllustratorPlace place{ai.version, path(ai.folder.empty() ? illustratorName(ai.version, ai.bits) : ai.folder),
                           "", "", ai.bits};
    place.exe = join(place.root, ai.exeFolder) + "\\Illustrator.exe";
    layIllustratorFolder(ai, ai.bits, place.root, ai.exe == ExeKind::Stub ? findStub(ai.bits, stubFor(ai.bits)) : "");
    if (ai.twin) {
      place.twinRoot = path(ai.twinFolder.empty() ? illustratorName(ai.version, other) : ai.twinFolder);
      layIllustratorFolder(ai, other, place.twinRoot, ai.exe == ExeKind::Stub ? findStub(other, stubFor(other)) : "");
    }
    if (ai.registered) registerIllustrator(ai, place.exe);
    illustrators_.push_back(place);
  }

  for (const Corel& c : d.corels) {
    CorelPlace place{c.version, path(corelFolder(c)), c.bits};
    bool b64 = c.bits == Bits::B64;
    FolderTree::makeFolders(place.root + "\\Draw");
    if (c.pluginFolder) FolderTree::makeFolders(place.root + (b64 ? "\\Draw\\Plugins64" : "\\Draw\\Plugins"));
    copyFile(findStub(c.bits, stubFor(c.bits)), place.root + (b64 ? "\\Programs64" : "\\Programs") + "\\CorelDRW.exe");
    copyFiles(c.files, place.root);
    if (c.registered) {
      Key root = Key::create(corelKey(c), viewOf(c.bits));
      if (c.configDir) root.set("ConfigDir", place.root + "\\Draw");
      Key::create(corelKey(c) + "\\Setup", viewOf(c.bits)).set("Installed", c.installed ? "Yes" : "No");
    }
    corels_.push_back(place);
  }

  if (d.scribo) Key::create(kScribo, RegView::Bits32).set("Version", "3.2");

  if (d.programFolder) {
    std::string folder = programFolder();
    // Folders stay when only their files are omitted: an empty source folder is a case of its own.
    for (const auto& file : standardProgramFiles()) {
      std::string subfolder = parentOf(file);
      if (!omitted(d.program, subfolder)) FolderTree::makeFolders(folder + subfolder);
      if (!omitted(d.program, file)) FolderTree::writeFile(folder + file, dummyContent(file));
    }
    for (const auto& f : d.program.files) copyFile(f.from, folder + f.to);
  }
}

std::string Workstation::stubFor(Bits bits) const {
  return bits == Bits::B64 ? description_.stub64 : description_.stub32;
}

void Workstation::remove(const Description& d) {
  if (d.root.empty()) return;
  // The installation routines leave the process's current folder inside the hosts' folders, which would
  // keep those folders from being removed.
  char current[MAX_PATH] = {};
  GetCurrentDirectoryA(MAX_PATH, current);
  if (_strnicmp(current, d.root.c_str(), d.root.size()) == 0) SetCurrentDirectoryA("C:\\");
  auto root = [&](const std::string& relative) { return join(d.root, relative); };
  for (const Illustrator& ai : d.illustrators) {
    Bits other = ai.bits == Bits::B64 ? Bits::B32 : Bits::B64;
    removeFolderAndEmptyParents(root(ai.folder.empty() ? illustratorName(ai.version, ai.bits) : ai.folder), d.root);
    if (ai.twin)
      removeFolderAndEmptyParents(root(ai.twinFolder.empty() ? illustratorName(ai.version, other) : ai.twinFolder),
                                  d.root);
    if (ai.registered) removeKeyAndEmptyParents(std::string(kClasses) + "\\Adobe.Illustrator." + ai.version, kClasses);
  }
  for (const Corel& c : d.corels) {
    removeFolderAndEmptyParents(root(corelFolder(c)), d.root);
    if (c.registered) removeKeyAndEmptyParents(corelKey(c), "SOFTWARE");
  }
  if (d.scribo) removeKeyAndEmptyParents(kScribo, "SOFTWARE");
  if (d.programFolder) removeFolderAndEmptyParents(root(d.program.folder), d.root);
  if (d.root.size() > 3) RemoveDirectoryA(d.root.c_str());
}

}  // namespace orvan::workstation
