#pragma once
// What the update's file operations must answer as the platform does,
// written once and run against the in-memory disk (unit ring) and the real
// one (under Wine and in the i386 ring), as suite "Contract" of each. The
// backend offers:
//   LocalFiles& Files();
//   std::string Folder();           an existing empty folder of the case's own
//   std::string MissingFolder();    a folder that is not there
//   void Write(path, text);         a file holding text
//   std::optional<std::string> Read(path);  nothing when there is no file
#include <gtest/gtest.h>

#include <optional>
#include <regex>
#include <string>

#include "update/update_services.hpp"

namespace welmor {

template <class Backend>
class LocalFilesContract : public ::testing::Test {
 protected:
  Backend backend;
  LocalFiles& files = backend.Files();
  const std::string folder = backend.Folder();
};

TYPED_TEST_SUITE_P(LocalFilesContract);

TYPED_TEST_P(LocalFilesContract, TempName) {
  const std::string first = this->files.MakeTemporaryFile(this->folder);
  const std::string second = this->files.MakeTemporaryFile(this->folder + "\\");
  const std::regex name("wel[0-9a-f]{1,4}\\.tmp", std::regex::icase);
  for (const std::string& path : {first, second}) {
    ASSERT_EQ(path.substr(0, this->folder.size() + 1), this->folder + "\\") << path;
    EXPECT_TRUE(std::regex_match(path.substr(this->folder.size() + 1), name)) << path;
    EXPECT_EQ(this->backend.Read(path), "") << path;
  }
  EXPECT_NE(first, second);
}

TYPED_TEST_P(LocalFilesContract, Replace) {
  const std::string from = this->folder + "\\part.tmp", to = this->folder + "\\Welmor_v3-7.rar";
  this->backend.Write(from, "new");
  this->backend.Write(to, "old");
  EXPECT_TRUE(this->files.ReplaceFile(from, to));
  EXPECT_EQ(this->backend.Read(from), std::nullopt);
  EXPECT_EQ(this->backend.Read(to), "new");
  EXPECT_FALSE(this->files.ReplaceFile(from, to));  // nothing left to move
  EXPECT_EQ(this->backend.Read(to), "new");
  this->backend.Write(from, "newer");
  EXPECT_TRUE(this->files.ReplaceFile(from, this->folder + "\\fresh.rar"));
  EXPECT_EQ(this->backend.Read(this->folder + "\\fresh.rar"), "newer");
}

TYPED_TEST_P(LocalFilesContract, Remove) {
  const std::string path = this->folder + "\\Welmor.ver";
  this->backend.Write(path, "[Welmor]");
  this->files.RemoveFile(path);
  EXPECT_EQ(this->backend.Read(path), std::nullopt);
  this->files.RemoveFile(path);  // gone already: nothing happens
  EXPECT_EQ(this->backend.Read(path), std::nullopt);
}

TYPED_TEST_P(LocalFilesContract, MissingFolder) {
  const std::string missing = this->backend.MissingFolder();
  EXPECT_EQ(this->files.MakeTemporaryFile(missing), "");
  const std::string from = this->folder + "\\part.tmp";
  this->backend.Write(from, "new");
  EXPECT_FALSE(this->files.ReplaceFile(from, missing + "\\Welmor_v3-7.rar"));
  EXPECT_EQ(this->backend.Read(from), "new");
  EXPECT_EQ(this->backend.Read(missing + "\\Welmor_v3-7.rar"), std::nullopt);
}

REGISTER_TYPED_TEST_SUITE_P(LocalFilesContract, TempName, Replace, Remove, MissingFolder);

}  // namespace welmor
