// The fixtures that later tests rely on: registry views, folder trees and a file locked by another process.
#include <gtest/gtest.h>

#include "folder_tree.h"
#include "other_process_lock.h"
#include "registry_sandbox.h"

using namespace orvan::test;

namespace {
const char* kKey = "SOFTWARE\\OrvanSupportTest";
}

TEST(RegistrySandbox, KeyInOneViewIsInvisibleInTheOtherAndGoneAfterwards) {
  {
    RegistrySandbox reg;
    reg.setString(HKEY_LOCAL_MACHINE, std::string("\\") + kKey + "\\Deep\\Er", "Installed", "Yes", RegView::Bits64);
    EXPECT_TRUE(RegistrySandbox::exists(HKEY_LOCAL_MACHINE, std::string(kKey) + "\\Deep\\Er", RegView::Bits64));
    EXPECT_FALSE(RegistrySandbox::exists(HKEY_LOCAL_MACHINE, kKey, RegView::Bits32));
  }
  EXPECT_FALSE(RegistrySandbox::exists(HKEY_LOCAL_MACHINE, kKey, RegView::Bits64));
}

TEST(RegistrySandbox, LeavesKeysItDidNotMake) {
  RegistrySandbox outer;
  outer.key(HKEY_CURRENT_USER, kKey);
  {
    RegistrySandbox inner;
    inner.setDword(HKEY_CURRENT_USER, std::string(kKey) + "\\Child", "n", 7);
  }
  EXPECT_TRUE(RegistrySandbox::exists(HKEY_CURRENT_USER, kKey));
  EXPECT_FALSE(RegistrySandbox::exists(HKEY_CURRENT_USER, std::string(kKey) + "\\Child"));
}

TEST(RegistrySandbox, RemovesSubkeysByPrefix) {
  RegistrySandbox reg;
  reg.key(HKEY_CURRENT_USER, std::string(kKey) + "\\Adobe.Illustrator.17");
  reg.key(HKEY_CURRENT_USER, std::string(kKey) + "\\Other");
  RegistrySandbox::removeSubkeysStartingWith(HKEY_CURRENT_USER, kKey, "Adobe.Illustrator.");
  EXPECT_FALSE(RegistrySandbox::exists(HKEY_CURRENT_USER, std::string(kKey) + "\\Adobe.Illustrator.17"));
  EXPECT_TRUE(RegistrySandbox::exists(HKEY_CURRENT_USER, std::string(kKey) + "\\Other"));
}

TEST(FolderTree, BuildsAttributesAndRemovesReadOnlyHiddenContent) {
  std::string root;
  {
    FolderTree tree("support");
    root = tree.root();
    tree.file("a\\b\\ro.txt", "x", FILE_ATTRIBUTE_READONLY);
    tree.file("a\\hidden.txt", "y", FILE_ATTRIBUTE_HIDDEN);
    tree.folder("a\\3D.aip");
    EXPECT_TRUE(tree.attributes("a\\b\\ro.txt") & FILE_ATTRIBUTE_READONLY);
    EXPECT_TRUE(tree.attributes("a\\hidden.txt") & FILE_ATTRIBUTE_HIDDEN);
    EXPECT_TRUE(tree.isFolder("a\\3D.aip"));
    EXPECT_EQ(tree.read("a\\b\\ro.txt"), "x");
  }
  EXPECT_EQ(GetFileAttributesA(root.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST(OtherProcessLock, CopyOntoAHeldFileIsASharingViolation) {
  FolderTree tree("lock");
  std::string held = tree.file("held.aip", "old");
  std::string source = tree.file("new.aip", "new");
  {
    OtherProcessLock lock(held);
    ASSERT_TRUE(lock.holding());
    EXPECT_FALSE(CopyFileA(source.c_str(), held.c_str(), FALSE));
    EXPECT_EQ(GetLastError(), 32u);
  }
  EXPECT_TRUE(CopyFileA(source.c_str(), held.c_str(), FALSE));
}
