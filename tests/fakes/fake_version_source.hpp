#pragma once
// A version block served from a table of keys, for TAppInfo tests.

#include <cstring>
#include <map>
#include <string>

#include "versioninfo/version_source.hpp"

namespace welmor {

class FakeVersionSource : public VersionSource {
 public:
  std::map<std::string, std::string> values;  // full key -> text
  uint32_t size = 1024;
  bool readFails = false;
  uint16_t language = 0x0409;
  int blockReads = 0;
  int queries = 0;
  std::size_t lastBlockSize = 0;

  // Fills the 040904E4 string table the way the real resource does.
  void SetEnglishTable(const std::string& version) {
    const std::string p = "\\StringFileInfo\\040904E4\\";
    values[p + "CompanyName"] = "Maker";
    values[p + "FileDescription"] = "Resource widget";
    values[p + "FileVersion"] = version;
    values[p + "LegalCopyright"] = "(C) Maker";
    values[p + "OriginalFilename"] = "";
    values[p + "ProductName"] = "Welmor";
    values[p + "Comments"] = "";
  }

  std::string ExecutablePath() override { return "C:\\Welmor.exe"; }
  uint32_t BlockSize(const std::string&, uint32_t& handle) override {
    handle = 0;
    return size;
  }
  bool ReadBlock(const std::string&, std::vector<uint8_t>& block) override {
    ++blockReads;
    lastBlockSize = block.size();
    return !readFails;
  }
  bool QueryValue(const std::vector<uint8_t>&, const std::string& key, const char*& value,
                  uint32_t& length) override {
    ++queries;
    const auto it = values.find(key);
    if (it == values.end()) return false;
    value = it->second.c_str();
    length = static_cast<uint32_t>(it->second.size());
    return true;
  }
  uint16_t DefaultLanguage() override { return language; }
};

}  // namespace welmor
