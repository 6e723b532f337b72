#pragma once
// What every registry wrapper must answer as the platform does, written once
// and run against the in-memory hive (unit ring) and the real registry
// (under Wine and in the i386 ring). Each ring instantiates the suite as
// "Contract" with its own backend, which offers:
//   std::unique_ptr<RegistryKey> Key();   a fresh wrapper on its hive
//   std::string Root();                   a key of the case's own
//   void Put(path, name, RegistryValue);  stores a value, making the key
//   void RefuseAll(path);                 empties the key's access list
//   void AllowReadOnly(path);             lets everyone read it, no more
//   bool MakeUnreadable(path, name);      false where it cannot be staged
// and puts everything back when it is destroyed.
#include <gtest/gtest.h>

#include "fakes/expect_registry_error.hpp"
#include "settings/registry_key.hpp"

namespace welmor {

template <class Backend>
class RegistryContract : public ::testing::Test {
 protected:
  Backend backend;
  std::unique_ptr<RegistryKey> key = backend.Key();
  const std::string path = backend.Root() + "\\Case";
};

TYPED_TEST_SUITE_P(RegistryContract);

TYPED_TEST_P(RegistryContract, KeyMissing) {
  RegistryKey& key = *this->key;
  EXPECT_FALSE(key.KeyExists(this->path));
  EXPECT_FALSE(key.OpenKey(this->path, KeyAccess::Read));
  EXPECT_FALSE(key.OpenKey(this->path, KeyAccess::Write));
  EXPECT_FALSE(key.ValueExists("Number"));
  ExpectRegistryError([&] { key.WriteInteger("Number", 1); }, "Failed to set data for 'Number'");
  EXPECT_FALSE(key.DeleteKey(this->path));
  ASSERT_TRUE(key.OpenKey(this->path, KeyAccess::CreateForWrite));
  EXPECT_TRUE(key.KeyExists(this->path));
}

TYPED_TEST_P(RegistryContract, KeyPresentButRefused) {
  this->backend.Put(this->path, "Number", RegistryValue::FromDword(7));
  this->backend.RefuseAll(this->path);
  RegistryKey& key = *this->key;
  EXPECT_TRUE(key.KeyExists(this->path));
  EXPECT_FALSE(key.OpenKey(this->path, KeyAccess::Read));
  EXPECT_FALSE(key.OpenKey(this->path, KeyAccess::Write));
  EXPECT_FALSE(key.OpenKey(this->path, KeyAccess::CreateForWrite));
  EXPECT_TRUE(key.KeyExists(this->path));
}

TYPED_TEST_P(RegistryContract, ValueMissing) {
  this->backend.Put(this->path, "Other", RegistryValue::FromDword(1));
  RegistryKey& key = *this->key;
  ASSERT_TRUE(key.OpenKey(this->path, KeyAccess::Write));
  EXPECT_FALSE(key.ValueExists("Missing"));
  EXPECT_EQ(key.ReadString("Missing"), "");
  ExpectRegistryError([&] { key.ReadInteger("Missing"); }, "Failed to get data for 'Missing'");
  EXPECT_FALSE(key.DeleteValue("Missing"));
  EXPECT_TRUE(key.DeleteValue("other"));  // names ignore case
  EXPECT_FALSE(key.ValueExists("Other"));
}

TYPED_TEST_P(RegistryContract, ValueUnreadable) {
  this->backend.Put(this->path, "Number", RegistryValue::FromDword(7));
  if (!this->backend.MakeUnreadable(this->path, "Number"))
    GTEST_SKIP() << "this registry has no way to make a single value unreadable";
  RegistryKey& key = *this->key;
  ASSERT_TRUE(key.OpenKey(this->path, KeyAccess::Read));
  EXPECT_TRUE(key.ValueExists("Number"));
  ExpectRegistryError([&] { key.ReadString("Number"); }, "Failed to get data for 'Number'");
  ExpectRegistryError([&] { key.ReadInteger("Number"); }, "Failed to get data for 'Number'");
}

TYPED_TEST_P(RegistryContract, WrongType) {
  const auto raw = [](RegistryValueKind kind, std::vector<uint8_t> data) {
    return RegistryValue{kind, data};
  };
  using K = RegistryValueKind;
  this->backend.Put(this->path, "ShortText", RegistryValue::FromText("abc"));
  this->backend.Put(this->path, "LongText", RegistryValue::FromText("abcd"));
  this->backend.Put(this->path, "Expand", raw(K::ExpandText, {'%', 'T', '%', 0}));
  this->backend.Put(this->path, "Binary4", raw(K::Binary, {1, 0, 0, 0}));
  this->backend.Put(this->path, "Binary8", raw(K::Binary, {1, 0, 0, 0, 0, 0, 0, 0}));
  this->backend.Put(this->path, "Number", RegistryValue::FromDword(7));
  RegistryKey& key = *this->key;
  ASSERT_TRUE(key.OpenKey(this->path, KeyAccess::Read));
  ExpectRegistryError([&] { key.ReadInteger("ShortText"); }, "Invalid data type for 'ShortText'");
  ExpectRegistryError([&] { key.ReadInteger("LongText"); }, "Failed to get data for 'LongText'");
  ExpectRegistryError([&] { key.ReadInteger("Binary4"); }, "Invalid data type for 'Binary4'");
  ExpectRegistryError([&] { key.ReadInteger("Binary8"); }, "Failed to get data for 'Binary8'");
  ExpectRegistryError([&] { key.ReadString("Number"); }, "Invalid data type for 'Number'");
  ExpectRegistryError([&] { key.ReadString("Binary4"); }, "Invalid data type for 'Binary4'");
  EXPECT_EQ(key.ReadString("Expand"), "%T%");  // as stored, not expanded
  EXPECT_EQ(key.ReadInteger("Number"), 7);
}

TYPED_TEST_P(RegistryContract, ReadOnlyHive) {
  this->backend.Put(this->path, "Number", RegistryValue::FromDword(7));
  this->backend.AllowReadOnly(this->path);
  RegistryKey& key = *this->key;
  EXPECT_FALSE(key.OpenKey(this->path, KeyAccess::Write));
  EXPECT_FALSE(key.OpenKey(this->path, KeyAccess::CreateForWrite));
  ASSERT_TRUE(key.OpenKey(this->path, KeyAccess::Read));
  EXPECT_EQ(key.ReadInteger("Number"), 7);
  ExpectRegistryError([&] { key.WriteInteger("Number", 8); }, "Failed to set data for 'Number'");
  EXPECT_FALSE(key.DeleteValue("Number"));
  EXPECT_EQ(key.ReadInteger("Number"), 7);
}

REGISTER_TYPED_TEST_SUITE_P(RegistryContract, KeyMissing, KeyPresentButRefused, ValueMissing, ValueUnreadable,
                            WrongType, ReadOnlyHive);

}  // namespace welmor
