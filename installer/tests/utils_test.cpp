// File utilities against Wine's real file system: search, overwriting copy, copy by mask, and their messages.
#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

#include "folder_tree.h"
#include "other_process_lock.h"
#include "utils.h"

using orvan::test::FolderTree;
using orvan::test::OtherProcessLock;

namespace {

// The order in which the file system lists a folder: "first met" in a search means first in this order.
std::vector<std::string> listingOrder(const std::string& folder, const std::string& mask = "*.*") {
  std::vector<std::string> names;
  WIN32_FIND_DATAA entry;
  HANDLE h = FindFirstFileA((folder + "\\" + mask).c_str(), &entry);
  if (h == INVALID_HANDLE_VALUE) return names;
  do {
    std::string name = entry.cFileName;
    if (name != "." && name != "..") names.push_back(name);
  } while (FindNextFileA(h, &entry));
  FindClose(h);
  return names;
}

std::string longName() { return std::string(300, 'x'); }

TEST(FindFile, MissingFolderCannotBeEntered) {
  FolderTree tree("find");
  std::string found = "untouched";
  EXPECT_FALSE(FindFile(tree.path("nowhere"), "3D.aip", found));
  EXPECT_EQ(GetLastErrorText(), "Could not acces " + tree.path("nowhere"));
  EXPECT_EQ(found, "untouched");
}

TEST(FindFile, FindsTheFolderThatHoldsTheFileAndLeavesTheCurrentDirectoryThere) {
  FolderTree tree("find");
  tree.file("Plug-ins\\Extensions\\readme.txt");
  tree.file("Plug-ins\\Illustrator Filters\\3D.aip", "", FILE_ATTRIBUTE_HIDDEN);
  std::string found;
  ASSERT_TRUE(FindFile(tree.root(), "3D.aip", found));
  EXPECT_EQ(found, tree.path("Plug-ins\\Illustrator Filters"));
  char current[MAX_PATH];
  GetCurrentDirectoryA(MAX_PATH, current);
  EXPECT_EQ(std::string(current), tree.path("Plug-ins\\Illustrator Filters"));
}

TEST(FindFile, NotFoundNamesTheOutermostFolder) {
  FolderTree tree("find");
  tree.file("a\\b\\other.aip");
  std::string found = "untouched";
  EXPECT_FALSE(FindFile(tree.root(), "3D.aip", found));
  EXPECT_EQ(GetLastErrorText(), "Could not find 3D.aip in " + tree.root());
  EXPECT_EQ(found, "untouched");
}

TEST(FindFile, IsCaseSensitive) {
  FolderTree tree("find");
  tree.file("sub\\3D.aip");
  std::string found;
  EXPECT_FALSE(FindFile(tree.root(), "3d.aip", found));
  EXPECT_EQ(GetLastErrorText(), "Could not find 3d.aip in " + tree.root());
}

TEST(FindFile, AFolderNamedLikeTheFileIsSearchedNotMatched) {
  FolderTree tree("find");
  tree.file("Web.ai\\Swatches\\Web.ai");
  std::string found;
  ASSERT_TRUE(FindFile(tree.root(), "Web.ai", found));
  EXPECT_EQ(found, tree.path("Web.ai\\Swatches"));
}

TEST(FindFile, SearchesDepthFirstInListingOrder) {
  FolderTree tree("find");
  // Each of the two top folders holds the marker, one of them deep down: the one listed first wins,
  // however deep its copy lies, because it is searched completely before the next entry.
  tree.file("one\\deep\\deeper\\deepest\\VisiBone2.ai");
  tree.file("two\\VisiBone2.ai");
  const std::vector<std::string> order = listingOrder(tree.root());
  ASSERT_EQ(order.size(), 2u);
  std::string found;
  ASSERT_TRUE(FindFile(tree.root(), "VisiBone2.ai", found));
  EXPECT_EQ(found, order[0] == "one" ? tree.path("one\\deep\\deeper\\deepest") : tree.path("two"));
}

TEST(FindFile, ALinkBackUpIsNotFollowedRoundAgain) {
  FolderTree tree("find");
  tree.file("host\\zz.aip");
  // The folder holding the link must be listed before the marker beside it, or the search would find the
  // marker without ever meeting the link; the file system decides the order, so try names until it fits.
  std::string folder;
  for (char c = 'a'; c <= 'z' && folder.empty(); ++c) {
    tree.folder(std::string("host\\") + c);
    if (listingOrder(tree.path("host")).front() == std::string(1, c)) folder = std::string(1, c);
    else FolderTree::removeAll(tree.path(std::string("host\\") + c));
  }
  ASSERT_FALSE(folder.empty());
  const std::string link = tree.path("host\\" + folder + "\\loop");
  ASSERT_TRUE(CreateSymbolicLinkA(link.c_str(), tree.path("host").c_str(), SYMBOLIC_LINK_FLAG_DIRECTORY))
      << GetLastError();
  std::string found;
  // Followed round, the link would lead through host\a\loop\a\loop... until the path grows too long, and
  // the marker would be reported at the far end of that chain instead of where it is.
  ASSERT_TRUE(FindFile(tree.path("host"), "zz.aip", found));
  EXPECT_EQ(found, tree.path("host"));
}

TEST(FindFile, APathLongerThanTheSystemAllowsFailsWithTheMessage) {
  FolderTree tree("find");
  const std::string folder = tree.path(longName());
  std::string found;
  EXPECT_FALSE(FindFile(folder, "3D.aip", found));
  EXPECT_EQ(GetLastErrorText(), "Could not acces " + folder);
}

TEST(CopyFileTo, ReplacesReadOnlyAndHiddenTargets) {
  FolderTree tree("copy");
  const std::string source = tree.file("src\\MarkwellCC.aip", "new");
  for (DWORD attrs : {DWORD(FILE_ATTRIBUTE_READONLY), DWORD(FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)}) {
    const std::string target = tree.file("dst\\MarkwellCC.aip", "old", attrs);
    EXPECT_TRUE(CopyFileTo(source, target)) << GetLastErrorText();
    EXPECT_EQ(tree.read("dst\\MarkwellCC.aip"), "new");
    EXPECT_EQ(GetLastErrorText(), "");
  }
}

TEST(CopyFileTo, AHeldTargetFailsAndItsCodeIsStillTheLastError) {
  FolderTree tree("copy");
  const std::string source = tree.file("src\\Tablebar.cpg", "new");
  const std::string target = tree.file("Plugins64\\Tablebar.cpg", "old");
  OtherProcessLock lock(target);
  ASSERT_TRUE(lock.holding());
  SetLastError(0);
  EXPECT_FALSE(CopyFileTo(source, target));
  EXPECT_EQ(GetLastError(), 32u);
  EXPECT_EQ(GetLastErrorText(), "Could not copy " + source + " (32)");
}

TEST(CopyFileTo, FailuresNameTheSourceAndTheCode) {
  FolderTree tree("copy");
  const std::string source = tree.file("src\\a.aip", "x");
  tree.folder("dst\\a.aip");  // a folder in the target's place is not reset, the copy fails
  EXPECT_FALSE(CopyFileTo(source, tree.path("dst\\a.aip")));
  EXPECT_EQ(GetLastErrorText().rfind("Could not copy " + source + " (", 0), 0u) << GetLastErrorText();
  EXPECT_TRUE(tree.isFolder("dst\\a.aip"));

  EXPECT_FALSE(CopyFileTo(tree.path("src\\missing.aip"), tree.path("dst\\b.aip")));
  EXPECT_EQ(GetLastErrorText(), "Could not copy " + tree.path("src\\missing.aip") + " (2)");
  EXPECT_FALSE(tree.exists("dst\\b.aip"));

  const std::string tooLong = tree.path(longName() + "\\a.aip");
  EXPECT_FALSE(CopyFileTo(source, tooLong));
  EXPECT_EQ(GetLastErrorText().rfind("Could not copy " + source + " (", 0), 0u) << GetLastErrorText();
}

TEST(FindAndCopyFile, PlacesTheFileBesideTheMarkerUnderTheGivenName) {
  FolderTree tree("findcopy");
  tree.file("Illustrator\\Plug-ins\\Illustrator Filters\\3D.aip");
  const std::string source = tree.file("program\\Adobe\\x64\\MarkwellCC2018.aip", "cc2018");
  ASSERT_TRUE(FindAndCopyFile(tree.path("Illustrator"), "3D.aip", source, "MarkwellCC.aip"));
  EXPECT_EQ(tree.read("Illustrator\\Plug-ins\\Illustrator Filters\\MarkwellCC.aip"), "cc2018");

  EXPECT_FALSE(FindAndCopyFile(tree.path("Illustrator"), "Web.ai", source, "x.aip"));
  EXPECT_EQ(GetLastErrorText(), "Could not find Web.ai in " + tree.path("Illustrator"));
}

TEST(FindAndCopyFile, AHeldTargetKeepsTheSharingViolation) {
  FolderTree tree("findcopy");
  tree.file("Illustrator\\Plug-ins\\3D.aip");
  const std::string held = tree.file("Illustrator\\Plug-ins\\MarkwellCC.aip", "old");
  const std::string source = tree.file("program\\MarkwellCC.aip", "new");
  OtherProcessLock lock(held);
  ASSERT_TRUE(lock.holding());
  EXPECT_FALSE(FindAndCopyFile(tree.path("Illustrator"), "3D.aip", source, "MarkwellCC.aip"));
  EXPECT_EQ(GetLastError(), 32u);
  EXPECT_EQ(GetLastErrorText(), "Could not copy " + source + " (32)");
}

TEST(CopyFiles, CopiesEveryMatchAndLeavesTheRest) {
  FolderTree tree("copyfiles");
  tree.file("src\\Q_series.ase", "a");
  tree.file("src\\Q_series_CutContour.ase", "b", FILE_ATTRIBUTE_HIDDEN);
  tree.file("src\\notes.txt", "c");
  ASSERT_TRUE(CopyFiles(tree.path("src"), tree.path("Swatches"), "*.ase")) << GetLastErrorText();
  EXPECT_EQ(tree.read("Swatches\\Q_series.ase"), "a");
  EXPECT_EQ(tree.read("Swatches\\Q_series_CutContour.ase"), "b");
  EXPECT_FALSE(tree.exists("Swatches\\notes.txt"));
}

TEST(CopyFiles, AMaskThatMatchesNothingStillCreatesTheTarget) {
  FolderTree tree("copyfiles");
  tree.folder("src");
  EXPECT_TRUE(CopyFiles(tree.path("src"), tree.path("new"), "*.ico"));
  EXPECT_TRUE(tree.isFolder("new"));
}

TEST(CopyFiles, ATargetWhoseParentIsMissingIsNotCreated) {
  FolderTree tree("copyfiles");
  tree.file("src\\a.ico");
  const std::string target = tree.path("missing\\Plugins64");
  SetLastError(0);
  EXPECT_FALSE(CopyFiles(tree.path("src"), target, "*.ico"));
  EXPECT_EQ(GetLastErrorText(), "Could not create " + target + " (3)");
  EXPECT_EQ(GetLastError(), 3u);
  EXPECT_FALSE(tree.exists("missing"));
}

TEST(CopyFiles, AMissingSourceCannotBeEntered) {
  FolderTree tree("copyfiles");
  EXPECT_FALSE(CopyFiles(tree.path("nosource"), tree.path("dst"), "*.*"));
  EXPECT_EQ(GetLastErrorText(), "Could not acces " + tree.path("nosource"));
  EXPECT_TRUE(tree.isFolder("dst"));
}

TEST(CopyFiles, StopsAtTheFirstFailedCopyAndKeepsWhatWasCopied) {
  FolderTree tree("copyfiles");
  for (const char* name : {"a.ico", "b.ico", "c.ico"}) tree.file(std::string("src\\") + name, name);
  const std::vector<std::string> order = listingOrder(tree.path("src"), "*.ico");
  ASSERT_EQ(order.size(), 3u);
  // The second file in listing order is held at its target.
  tree.file("dst\\" + order[1], "held");
  OtherProcessLock lock(tree.path("dst\\" + order[1]));
  ASSERT_TRUE(lock.holding());
  EXPECT_FALSE(CopyFiles(tree.path("src"), tree.path("dst"), "*.ico"));
  EXPECT_EQ(GetLastError(), 32u);
  EXPECT_EQ(GetLastErrorText(), "Could not copy " + tree.path("src\\" + order[1]) + " (32)");
  EXPECT_EQ(tree.read("dst\\" + order[0]), order[0]);
  EXPECT_FALSE(tree.exists("dst\\" + order[2]));
}

TEST(IsWow64, TheInstallerRunsAsA32BitProcessOn64BitWindows) {
#ifdef _WIN64
  EXPECT_FALSE(IsWow64());
#else
  EXPECT_TRUE(IsWow64());
#endif
}

}  // namespace
