// The about window's file date from a real file's write time, in the
// formats of the prefix's locale (scripts/test runs this suite in English
// and in German; Wine writes a German short date as d.M.yyyy).
#include <gtest/gtest.h>
#include <windows.h>

#include "win32/win32_env.hpp"
#include "windows/win32/about_platform_win32.hpp"

namespace welmor {
namespace {

class AboutFileDate : public ::testing::Test {
 protected:
  void SetUp() override {
    char folder[MAX_PATH] = {};
    ASSERT_GT(GetTempPathA(MAX_PATH, folder), 0u);
    path_ = std::string(folder) + "welmor-about-date.exe";
    HANDLE file =
        CreateFileA(path_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    CloseHandle(file);
    german_ = testenv::Env("WELMOR_LANG_CASE") == "other";
  }
  void TearDown() override { DeleteFileA(path_.c_str()); }

  // Gives the file this local write time.
  void Touch(WORD year, WORD month, WORD day, WORD hour, WORD minute, WORD second) {
    SYSTEMTIME st{};
    st.wYear = year;
    st.wMonth = month;
    st.wDay = day;
    st.wHour = hour;
    st.wMinute = minute;
    st.wSecond = second;
    FILETIME local{}, utc{};
    ASSERT_TRUE(SystemTimeToFileTime(&st, &local));
    ASSERT_TRUE(LocalFileTimeToFileTime(&local, &utc));
    HANDLE file = CreateFileA(path_.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    EXPECT_TRUE(SetFileTime(file, nullptr, nullptr, &utc));
    CloseHandle(file);
  }

  std::string path_;
  bool german_ = false;
};

TEST_F(AboutFileDate, ShortDateAndLongTimeOfTheLastWriteTheTimeLeftOutAtMidnight) {
  const std::unique_ptr<AboutPlatform> platform = MakeWin32AboutPlatform(path_);
  Touch(2005, 11, 11, 14, 5, 9);
  EXPECT_EQ(FileDateText(*platform), german_ ? "11.11.2005 14:05:09" : "11/11/2005 2:05:09 PM");
  Touch(2005, 3, 4, 0, 0, 0);
  EXPECT_EQ(FileDateText(*platform), german_ ? "4.3.2005" : "3/4/2005");
  Touch(2005, 3, 4, 0, 0, 2);
  EXPECT_EQ(FileDateText(*platform), german_ ? "4.3.2005 00:00:02" : "3/4/2005 12:00:02 AM");
}

TEST_F(AboutFileDate, AFileThatCannotBeReadGivesNoDate) {
  EXPECT_EQ(FileDateText(*MakeWin32AboutPlatform(path_ + ".missing")), "");
}

TEST_F(AboutFileDate, WithoutAPathTheRunningProgramsOwnFileCounts) {
  const std::optional<LocalDateTime> own = MakeWin32AboutPlatform()->ExecutableModified();
  ASSERT_TRUE(own.has_value());
  EXPECT_GE(own->year, 2020);
}

}  // namespace
}  // namespace welmor
