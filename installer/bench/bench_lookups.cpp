// Measures DetectIllustratorCC and FindFile against the bare Windows loops they are built on, in one process,
// and prints each ratio on its own line. It never fails on time.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>

#include "folder_tree.h"
#include "host_detection.h"
#include "registry_sandbox.h"
#include "utils.h"

using orvan::test::FolderTree;
using orvan::test::RegistrySandbox;

namespace {

const char kClasses[] = "SOFTWARE\\Classes";
const char kFillerPrefix[] = "OrvanBench.Class.";

double millisecondsOf(const std::function<void()>& work) {
  auto start = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// The two pieces of work run alternately and each keeps its best time, so that a busy machine slows
// both alike instead of whichever happened to run during the disturbance.
struct SideBySide {
  double measured = 1e300, baseline = 1e300;
};
SideBySide sideBySide(int rounds, const std::function<void()>& measured, const std::function<void()>& baseline) {
  SideBySide best;
  for (int i = 0; i < rounds; ++i) {
    best.baseline = std::min(best.baseline, millisecondsOf(baseline));
    best.measured = std::min(best.measured, millisecondsOf(measured));
  }
  return best;
}

size_t bareEnumeration() {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kClasses, 0, KEY_READ, &key) != ERROR_SUCCESS) return 0;
  char name[256];
  size_t count = 0;
  for (DWORD i = 0;; ++i) {
    DWORD size = sizeof name;
    if (RegEnumKeyExA(key, i, name, &size, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    ++count;
  }
  RegCloseKey(key);
  return count;
}

void benchDetection() {
  RegistrySandbox::removeSubkeysStartingWith(HKEY_LOCAL_MACHINE, kClasses, kFillerPrefix);
  RegistrySandbox reg;
  std::printf("laying out 30000 class keys...\n");
  for (int i = 0; i < 30000; ++i) reg.key(HKEY_LOCAL_MACHINE, std::string(kClasses) + "\\" + kFillerPrefix + std::to_string(i));
  for (int v = 17; v <= 29; ++v)
    for (const char* suffix : {"", ".Document", ".Graphic"})
      reg.key(HKEY_LOCAL_MACHINE, std::string(kClasses) + "\\Adobe.Illustrator." + std::to_string(v) + suffix +
                                      (*suffix ? "" : "\\protocol\\StdFileEditing\\server"));
  size_t entries = 0;
  SideBySide t = sideBySide(9, [] { DetectIllustratorCC(); }, [&] { entries = bareEnumeration(); });
  const double detect = t.measured, bare = t.baseline;
  std::printf("DetectIllustratorCC over %zu subkeys: %.1f ms, bare RegEnumKeyExA loop: %.1f ms, %zu CC versions\n",
              entries, detect, bare, IllustratorCCVersions.size());
  std::printf("ratio DetectIllustratorCC / RegEnumKeyExA loop: %.2f\n", detect / bare);
}

// The whole tree, depth-first; returns the last folder it entered, where the marker then goes.
std::string bareWalk(const std::string& folder, size_t& files) {
  std::string last = folder;
  WIN32_FIND_DATAA entry;
  HANDLE h = FindFirstFileA((folder + "\\*.*").c_str(), &entry);
  if (h == INVALID_HANDLE_VALUE) return last;
  do {
    const char* n = entry.cFileName;
    if (n[0] == '.' && (n[1] == 0 || (n[1] == '.' && n[2] == 0))) continue;
    if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
      last = bareWalk(folder + "\\" + n, files);
    else
      ++files;
  } while (FindNextFileA(h, &entry));
  FindClose(h);
  return last;
}

void benchSearch() {
  FolderTree tree("bench-search");
  std::printf("laying out 1000 folders with 10000 files...\n");
  for (int a = 0; a < 10; ++a)
    for (int b = 0; b < 10; ++b)
      for (int c = 0; c < 10; ++c) {
        std::string folder = "d" + std::to_string(a) + "\\e" + std::to_string(b) + "\\f" + std::to_string(c);
        for (int f = 0; f < 9; ++f) tree.file(folder + "\\file" + std::to_string(f) + ".dat");
      }
  // 1000 leaf folders plus their parents; 9000 files so far, the rest in the upper folders.
  for (int a = 0; a < 10; ++a)
    for (int f = 0; f < 100; ++f) tree.file("d" + std::to_string(a) + "\\top" + std::to_string(f) + ".dat");
  size_t files = 0;
  std::string last = bareWalk(tree.root(), files);
  tree.file(last.substr(tree.root().size() + 1) + "\\3D.aip");
  std::string found;
  SideBySide t = sideBySide(9, [&] { FindFile(tree.root(), "3D.aip", found); },
                            [&] { files = 0; bareWalk(tree.root(), files); });
  const double search = t.measured, bare = t.baseline;
  std::printf("FindFile over %zu files: %.1f ms (found in %s), bare FindFirstFile walk: %.1f ms\n", files, search,
              found == last ? "the last folder" : found.c_str(), bare);
  std::printf("ratio FindFile / FindFirstFile walk: %.2f\n", search / bare);
}

}  // namespace

int main() {
  benchDetection();
  benchSearch();
  return 0;
}
