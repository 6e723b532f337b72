// Reads the version resource of the built Welmor.exe itself.
#include <gtest/gtest.h>
#include <windows.h>

#include "versioninfo/app_info.hpp"
#include "versioninfo/win32/version_source_win32.hpp"
#include "win32/win32_env.hpp"
#include "windows/contact.hpp"

namespace welmor {
namespace {

// Serves the real resource of another file than the running test program.
class ProductVersionSource : public VersionSource {
 public:
  explicit ProductVersionSource(std::string path)
      : inner_(MakeWin32VersionSource()), path_(std::move(path)) {}
  std::string ExecutablePath() override { return path_; }
  uint32_t BlockSize(const std::string& p, uint32_t& h) override { return inner_->BlockSize(p, h); }
  bool ReadBlock(const std::string& p, std::vector<uint8_t>& b) override { return inner_->ReadBlock(p, b); }
  bool QueryValue(const std::vector<uint8_t>& b, const std::string& k, const char*& v, uint32_t& l) override {
    return inner_->QueryValue(b, k, v, l);
  }
  uint16_t DefaultLanguage() override { return inner_->DefaultLanguage(); }

 private:
  std::unique_ptr<VersionSource> inner_;
  std::string path_;
};

class VersionResource : public ::testing::Test {
 protected:
  void SetUp() override {
    exe_ = testenv::ProductExe();
    ASSERT_FALSE(exe_.empty()) << "WELMOR_EXE names the built Welmor.exe";
    ASSERT_NE(GetFileAttributesA(exe_.c_str()), INVALID_FILE_ATTRIBUTES) << exe_;
    // scripts/test runs this suite once per system language and says which.
    languageCase_ = testenv::Env("WELMOR_LANG_CASE");
    if (languageCase_.empty()) languageCase_ = "english";
  }
  std::string exe_;
  std::string languageCase_;
};

TEST_F(VersionResource, ReadsTheProductsOwnResource) {
  ProductVersionSource source(exe_);
  TAppInfo info(nullptr, source);
  if (languageCase_ == "english") {
    ASSERT_EQ(GetSystemDefaultLangID(), 0x0409);
    EXPECT_EQ(info.ProductName(), "Welmor");
    EXPECT_EQ(info.FileVersion(), "3.9.5.15");
    EXPECT_EQ(info.FileMajorVer(), "3");
    EXPECT_EQ(info.FileMinorVer(), "9");
    EXPECT_EQ(info.FileReleaseVer(), "5");
    EXPECT_EQ(info.FileBuildVer(), "15");
    EXPECT_EQ(info.FileNiceVersion(), " v3.9 (Build: 5.15)");
    EXPECT_FALSE(info.FileDescription().empty());
    EXPECT_FALSE(info.CompanyName().empty());
    EXPECT_EQ(info.LegalCopyright(), kMakerCopyright);  // what the about window says
    EXPECT_EQ(info.OriginalFilename(), "");
    EXPECT_EQ(info.Comments(), "");
    EXPECT_EQ(info.QueryVersionString("InternalName"), "");  // only looked up while reading
  } else {
    ASSERT_NE(GetSystemDefaultLangID(), 0x0409);
    EXPECT_EQ(info.ProductName(), "");
    EXPECT_EQ(info.FileVersion(), "");
    EXPECT_EQ(info.CompanyName(), "");
    EXPECT_EQ(info.FileDescription(), "");
    EXPECT_EQ(info.LegalCopyright(), "");
    EXPECT_EQ(info.FileMajorVer(), "");
    EXPECT_EQ(info.FileMinorVer(), "");
    EXPECT_EQ(info.FileReleaseVer(), "");
    EXPECT_EQ(info.FileBuildVer(), "");
    EXPECT_EQ(info.FileNiceVersion(), " v. (Build: .)");
  }
}

TEST_F(VersionResource, FixedVersionAndTranslationMatchTheStringTable) {
  DWORD handle = 0;
  const DWORD size = GetFileVersionInfoSizeA(exe_.c_str(), &handle);
  ASSERT_GT(size, 0u);
  std::vector<uint8_t> block(size);
  ASSERT_TRUE(GetFileVersionInfoA(exe_.c_str(), 0, size, block.data()));
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT len = 0;
  ASSERT_TRUE(VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &len));
  EXPECT_EQ(fixed->dwFileVersionMS, 0x00030009u);
  EXPECT_EQ(fixed->dwFileVersionLS, 0x0005000Fu);
  EXPECT_EQ(fixed->dwProductVersionMS, 0x00030009u);
  EXPECT_EQ(fixed->dwProductVersionLS, 0x0005000Fu);
  WORD* translation = nullptr;
  ASSERT_TRUE(VerQueryValueA(block.data(), "\\VarFileInfo\\Translation",
                             reinterpret_cast<void**>(&translation), &len));
  ASSERT_EQ(len, 4u);
  EXPECT_EQ(translation[0], 0x0409);
  EXPECT_EQ(translation[1], 0x04E4);
  char* text = nullptr;
  ASSERT_TRUE(VerQueryValueA(block.data(), "\\StringFileInfo\\040904E4\\InternalName",
                             reinterpret_cast<void**>(&text), &len));
  EXPECT_STREQ(text, "Welmor.exe");
  ASSERT_TRUE(VerQueryValueA(block.data(), "\\StringFileInfo\\040904E4\\ProductVersion",
                             reinterpret_cast<void**>(&text), &len));
  EXPECT_STREQ(text, "3");
}

}  // namespace
}  // namespace welmor
