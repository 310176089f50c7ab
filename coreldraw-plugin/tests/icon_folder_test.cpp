// The icon folder that the plug-in derives from the host's executable path.
#include <gtest/gtest.h>

#include <string>

#include "icon_folder.h"

namespace {

struct IconFolderCase {
  const char* name;
  std::wstring executable;
  std::wstring folder;  // empty: none derivable
};

class IconFolder : public ::testing::TestWithParam<IconFolderCase> {};

TEST_P(IconFolder, FromHostPath) {
  const auto folder = orvan::corel::IconFolderFromHostPath(GetParam().executable);
  EXPECT_EQ(folder.value_or(L""), GetParam().folder);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, IconFolder,
    ::testing::Values(
        IconFolderCase{"Programs64", L"C:\\Program Files\\Corel\\CorelDRAW Graphics Suite 2018\\Programs64\\CorelDRW.exe",
                       L"c:\\program files\\corel\\coreldraw graphics suite 2018\\draw\\plugins64\\"},
        IconFolderCase{"Programs", L"C:\\Program Files (x86)\\Corel\\CorelDRAW Graphics Suite X6\\Programs\\CorelDRW.exe",
                       L"c:\\program files (x86)\\corel\\coreldraw graphics suite x6\\draw\\plugins\\"},
        IconFolderCase{"FirstOccurrence", L"D:\\Programs\\Corel\\Programs64\\CorelDRW.exe", L"d:\\programs\\corel\\draw\\plugins64\\"},
        IconFolderCase{"NonAsciiKept", L"C:\\\u00C9DITEUR\\Programs\\CorelDRW.exe", L"c:\\\u00C9diteur\\draw\\plugins\\"},
        IconFolderCase{"Neither", L"C:\\Tools\\CorelDRW.exe", L""},
        IconFolderCase{"TooLong", L"C:\\" + std::wstring(262, L'a') + L"\\Programs\\CorelDRW.exe", L""}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
