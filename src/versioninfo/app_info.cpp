#include "versioninfo/app_info.hpp"

#include <cstdio>
#include <cstring>

namespace welmor {

namespace {

// The characters after the first ".", or the whole text when it has none.
std::string RestAfterFirstDot(const std::string& text) {
  const auto dot = text.find('.');
  return dot == std::string::npos ? text : text.substr(dot + 1);
}

// The characters before the first ".", or empty when it has none.
std::string BeforeFirstDot(const std::string& text) {
  const auto dot = text.find('.');
  return dot == std::string::npos ? std::string() : text.substr(0, dot);
}

}  // namespace

std::string ExtractMajorVer(const std::string& version) { return BeforeFirstDot(version); }

std::string ExtractMinorVer(const std::string& version) { return BeforeFirstDot(RestAfterFirstDot(version)); }

std::string ExtractReleaseVer(const std::string& version) {
  return BeforeFirstDot(RestAfterFirstDot(RestAfterFirstDot(version)));
}

std::string ExtractBuildVer(const std::string& version) {
  return RestAfterFirstDot(RestAfterFirstDot(RestAfterFirstDot(version)));
}

std::string MakeNiceVersion(const std::string& major, const std::string& minor, const std::string& release,
                            const std::string& build) {
  return " v" + major + "." + minor + " (Build: " + release + "." + build + ")";
}

int32_t CharPos(char ch, const std::string& text) {
  const auto found = text.find(ch);
  return found == std::string::npos ? 0 : static_cast<int32_t>(found + 1);
}

TAppInfo::TAppInfo(Component* owner, VersionSource& source) : Component(owner), source_(source) {
  exeFileName_ = source_.ExecutablePath();
  ReadVersionInfo();
}

void TAppInfo::ReadVersionInfo() {
  versionSize_ = source_.BlockSize(exeFileName_, versionHandle_);
  if (versionSize_ == 0) return;

  // The block lives only while this call runs, whichever way it leaves.
  struct Release {
    TAppInfo& self;
    ~Release() {
      self.versionData_.clear();
      self.versionData_.shrink_to_fit();
      self.valuePtr_ = nullptr;
      self.valueLen_ = 0;
    }
  } release{*this};
  versionData_.assign(versionSize_, 0);
  if (!source_.ReadBlock(exeFileName_, versionData_)) return;

  companyName_ = QueryVersionString("CompanyName");
  fileDescription_ = QueryVersionString("FileDescription");
  fileVersion_ = QueryVersionString("FileVersion");
  fileNiceVersion_ = MakeNiceVersion(ExtractMajorVer(fileVersion_), ExtractMinorVer(fileVersion_),
                                     ExtractReleaseVer(fileVersion_), ExtractBuildVer(fileVersion_));
  fileMajorVer_ = ExtractMajorVer(fileVersion_);
  fileMinorVer_ = ExtractMinorVer(fileVersion_);
  fileReleaseVer_ = ExtractReleaseVer(fileVersion_);
  fileBuildVer_ = ExtractBuildVer(fileVersion_);
  legalCopyright_ = QueryVersionString("LegalCopyright");
  originalFilename_ = QueryVersionString("OriginalFilename");
  productName_ = QueryVersionString("ProductName");
  comments_ = QueryVersionString("Comments");
}

std::string TAppInfo::QueryVersionString(const std::string& name) {
  const uint16_t lang = source_.DefaultLanguage();
  char translation[16];
  std::snprintf(translation, sizeof translation, "%.4X04E4", static_cast<unsigned>(lang));
  const std::string key = std::string("\\StringFileInfo\\") + translation + "\\" + name;
  valuePtr_ = nullptr;
  valueLen_ = 0;
  // Once the block is released there is nothing to look in; the platform
  // would be handed a null block.
  if (versionData_.empty()) return std::string();
  if (!source_.QueryValue(versionData_, key, valuePtr_, valueLen_) || valueLen_ == 0 ||
      valuePtr_ == nullptr) {
    return std::string();
  }
  // Bounded by the reported length, so a value without its terminator can
  // not run past the block.
  return std::string(valuePtr_, strnlen(valuePtr_, valueLen_));
}

}  // namespace welmor
