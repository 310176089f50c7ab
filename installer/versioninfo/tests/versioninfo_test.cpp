// VersionInfo.dll as the installer uses it: loaded by name, one export, an object that reads named strings
// from a file's version resource and is deleted before the library is unloaded.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>

#include "version_info_class.h"

namespace {

std::string OwnPath() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  return path;
}

std::string OwnName() {
  std::string path = OwnPath();
  return path.substr(path.find_last_of('\\') + 1);
}

class VersionInfoLibrary : public ::testing::Test {
protected:
  void SetUp() override {
    module_ = LoadLibraryA("VersionInfo.dll");
    ASSERT_NE(module_, nullptr);
    auto create = reinterpret_cast<CreateVersionInfoClassInstanceFn>(
        reinterpret_cast<void*>(GetProcAddress(module_, kCreateVersionInfoExport)));
    ASSERT_NE(create, nullptr);
    info_.reset(create());
    ASSERT_NE(info_, nullptr);
  }
  void TearDown() override {
    info_.reset();
    if (module_) FreeLibrary(module_);
  }
  std::string Value(const std::string& file, const char* key) { return info_->GetValue(file.c_str(), key); }

  HMODULE module_ = nullptr;
  std::unique_ptr<VersionInfoClass> info_;
};

struct ValueCase {
  const char* name;
  bool fullPath;
  const char* key;
  const char* expected;
};

class VersionInfoValues : public VersionInfoLibrary, public ::testing::WithParamInterface<ValueCase> {};

TEST_P(VersionInfoValues, ReadsTheNamedStringOfTheNamedFile) {
  const ValueCase& c = GetParam();
  EXPECT_EQ(Value(c.fullPath ? OwnPath() : OwnName(), c.key), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, VersionInfoValues,
    ::testing::Values(ValueCase{"FileVersionByBareName", false, "FileVersion", "9.8.7.6"},
                      ValueCase{"ProductNameByFullPath", true, "ProductName", "Version Probe"},
                      ValueCase{"CopyrightKeepsItsAnsiSign", false, "LegalCopyright", "Copyright \xA9 Probe Makers"},
                      ValueCase{"MissingKeyIsEmpty", false, "FileDescription", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(VersionInfoLibrary, AFileWithoutVersionResourceOrThatDoesNotExistGivesEmptyText) {
  EXPECT_EQ(Value("C:\\no-such-folder\\nothing.exe", "FileVersion"), "");
  EXPECT_EQ(info_->GetValue(nullptr, "FileVersion"), std::string());
}

TEST_F(VersionInfoLibrary, EachObjectIsIndependentAndCanBeDeletedByTheCaller) {
  auto create = reinterpret_cast<CreateVersionInfoClassInstanceFn>(
      reinterpret_cast<void*>(GetProcAddress(module_, kCreateVersionInfoExport)));
  std::unique_ptr<VersionInfoClass> second(create());
  const char* first = info_->GetValue(OwnName().c_str(), "FileVersion");
  second->GetValue(OwnName().c_str(), "ProductName");
  EXPECT_STREQ(first, "9.8.7.6");
}

}  // namespace
