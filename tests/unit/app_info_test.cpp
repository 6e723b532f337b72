#include "versioninfo/app_info.hpp"

#include <gtest/gtest.h>

#include "fakes/fake_version_source.hpp"

namespace welmor {
namespace {

struct Parts {
  const char* version;
  const char* major;
  const char* minor;
  const char* release;
  const char* build;
  const char* nice;
};

TEST(VersionText, SplitsIntoFourParts) {
  const Parts cases[] = {
      {"3.9.5.15", "3", "9", "5", "15", " v3.9 (Build: 5.15)"},
      {"1.2", "1", "", "", "2", " v1. (Build: .2)"},
      {"3.9.5", "3", "9", "", "5", " v3.9 (Build: .5)"},
      {"3.9.5.15.7", "3", "9", "5", "15.7", " v3.9 (Build: 5.15.7)"},
      {"315", "", "", "", "315", " v. (Build: .315)"},
      {"", "", "", "", "", " v. (Build: .)"},
  };
  for (const Parts& c : cases) {
    SCOPED_TRACE(c.version);
    EXPECT_EQ(ExtractMajorVer(c.version), c.major);
    EXPECT_EQ(ExtractMinorVer(c.version), c.minor);
    EXPECT_EQ(ExtractReleaseVer(c.version), c.release);
    EXPECT_EQ(ExtractBuildVer(c.version), c.build);
    EXPECT_EQ(MakeNiceVersion(ExtractMajorVer(c.version), ExtractMinorVer(c.version),
                              ExtractReleaseVer(c.version), ExtractBuildVer(c.version)),
              c.nice);
  }
}

TEST(VersionText, CharPosIsOneBasedAndZeroWhenAbsent) {
  EXPECT_EQ(CharPos('.', "3.9"), 2);
  EXPECT_EQ(CharPos('3', "3.9"), 1);
  EXPECT_EQ(CharPos('x', "3.9"), 0);
  EXPECT_EQ(CharPos('x', ""), 0);
}

TEST(AppInfo, ReadsEveryPropertyFromTheEnglishTable) {
  FakeVersionSource source;
  source.SetEnglishTable("3.9.5.15");
  TAppInfo info(nullptr, source);
  EXPECT_EQ(info.CompanyName(), "Maker");
  EXPECT_EQ(info.FileDescription(), "Resource widget");
  EXPECT_EQ(info.FileVersion(), "3.9.5.15");
  EXPECT_EQ(info.FileNiceVersion(), " v3.9 (Build: 5.15)");
  EXPECT_EQ(info.FileMajorVer(), "3");
  EXPECT_EQ(info.FileMinorVer(), "9");
  EXPECT_EQ(info.FileReleaseVer(), "5");
  EXPECT_EQ(info.FileBuildVer(), "15");
  EXPECT_EQ(info.LegalCopyright(), "(C) Maker");
  EXPECT_EQ(info.OriginalFilename(), "");
  EXPECT_EQ(info.ProductName(), "Welmor");
  EXPECT_EQ(info.Comments(), "");
  EXPECT_EQ(source.lastBlockSize, 1024u);

  info.ReadVersionInfo();  // a second read gives the same values
  EXPECT_EQ(info.FileNiceVersion(), " v3.9 (Build: 5.15)");
  EXPECT_EQ(info.ProductName(), "Welmor");

  // The block is released after each read: a later lookup asks nothing.
  const int asked = source.queries;
  EXPECT_EQ(info.QueryVersionString("ProductName"), "");
  EXPECT_EQ(source.queries, asked);
}

TEST(AppInfo, KeyUsesTheSystemLanguageInUpperCaseHex) {
  FakeVersionSource source;
  source.language = 0x0c0a;  // Spanish (modern sort)
  source.values["\\StringFileInfo\\0C0A04E4\\ProductName"] = "Welmor";
  TAppInfo info(nullptr, source);
  EXPECT_EQ(info.ProductName(), "Welmor");
}

TEST(AppInfo, AnotherSystemLanguageEmptiesEveryTextWithoutFallback) {
  FakeVersionSource source;
  source.SetEnglishTable("3.9.5.15");
  TAppInfo info(nullptr, source);
  ASSERT_EQ(info.ProductName(), "Welmor");
  source.language = 0x0407;
  info.ReadVersionInfo();
  EXPECT_EQ(info.CompanyName(), "");
  EXPECT_EQ(info.FileDescription(), "");
  EXPECT_EQ(info.FileVersion(), "");
  EXPECT_EQ(info.FileMajorVer(), "");
  EXPECT_EQ(info.FileMinorVer(), "");
  EXPECT_EQ(info.FileReleaseVer(), "");
  EXPECT_EQ(info.FileBuildVer(), "");
  EXPECT_EQ(info.LegalCopyright(), "");
  EXPECT_EQ(info.ProductName(), "");
  EXPECT_EQ(info.FileNiceVersion(), " v. (Build: .)");
}

TEST(AppInfo, MissingOrUnreadableBlockKeepsThePreviousValues) {
  FakeVersionSource source;
  source.SetEnglishTable("3.9.5.15");
  TAppInfo info(nullptr, source);
  source.SetEnglishTable("4.0.0.1");

  source.size = 0;
  info.ReadVersionInfo();
  EXPECT_EQ(info.FileVersion(), "3.9.5.15");

  source.size = 64;
  source.readFails = true;
  info.ReadVersionInfo();
  EXPECT_EQ(info.FileVersion(), "3.9.5.15");
  EXPECT_EQ(info.FileNiceVersion(), " v3.9 (Build: 5.15)");

  source.readFails = false;
  info.ReadVersionInfo();
  EXPECT_EQ(info.FileVersion(), "4.0.0.1");
  EXPECT_EQ(info.FileNiceVersion(), " v4.0 (Build: 0.1)");
}

TEST(AppInfo, IsOwnedAndFoundByItsOwner) {
  FakeVersionSource source;
  source.SetEnglishTable("3.9.5.15");
  Component owner;
  auto& info = owner.Make<TAppInfo>(source);
  info.SetName("AppInfo");
  EXPECT_EQ(owner.FindComponent("appinfo"), &info);
  EXPECT_EQ(owner.FindComponent("Other"), nullptr);
}

}  // namespace
}  // namespace welmor
