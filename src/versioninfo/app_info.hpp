#pragma once
// TAppInfo: reads the running program's own version resource and offers the
// product name, description and version texts.

#include <cstdint>
#include <string>
#include <vector>

#include "toolkit/component.hpp"
#include "versioninfo/version_source.hpp"

namespace welmor {

// Pure helpers on a version text such as "3.9.5.15".
std::string ExtractMajorVer(const std::string& version);
std::string ExtractMinorVer(const std::string& version);
std::string ExtractReleaseVer(const std::string& version);
std::string ExtractBuildVer(const std::string& version);
// " v" + major + "." + minor + " (Build: " + release + "." + build + ")"
std::string MakeNiceVersion(const std::string& major, const std::string& minor, const std::string& release,
                            const std::string& build);
// 1-based position of the first occurrence of ch, 0 when absent.
int32_t CharPos(char ch, const std::string& text);

class TAppInfo : public Component {
 public:
  TAppInfo(Component* owner, VersionSource& source);

  // Re-reads the version block; a missing or unreadable block leaves every
  // property as it was, a failed lookup empties that property.
  void ReadVersionInfo();
  // One string-table lookup under the system's default language and code
  // page 1252; empty when absent.
  std::string QueryVersionString(const std::string& name);

  const std::string& CompanyName() const { return companyName_; }
  const std::string& FileDescription() const { return fileDescription_; }
  const std::string& FileVersion() const { return fileVersion_; }
  const std::string& FileNiceVersion() const { return fileNiceVersion_; }
  const std::string& FileMajorVer() const { return fileMajorVer_; }
  const std::string& FileMinorVer() const { return fileMinorVer_; }
  const std::string& FileReleaseVer() const { return fileReleaseVer_; }
  const std::string& FileBuildVer() const { return fileBuildVer_; }
  const std::string& LegalCopyright() const { return legalCopyright_; }
  const std::string& OriginalFilename() const { return originalFilename_; }
  const std::string& ProductName() const { return productName_; }
  const std::string& Comments() const { return comments_; }

 private:
  VersionSource& source_;
  uint32_t versionHandle_ = 0;
  uint32_t versionSize_ = 0;
  std::vector<uint8_t> versionData_;  // only while ReadVersionInfo runs
  const char* valuePtr_ = nullptr;
  uint32_t valueLen_ = 0;
  std::string exeFileName_;

  std::string companyName_, fileDescription_, fileVersion_, fileNiceVersion_;
  std::string fileMajorVer_, fileMinorVer_, fileReleaseVer_, fileBuildVer_;
  std::string legalCopyright_, originalFilename_, productName_, comments_;
};

}  // namespace welmor
