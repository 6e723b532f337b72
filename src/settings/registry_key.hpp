#pragma once
// The registry wrapper the settings store talks to: one object walks one
// hive, holds at most one open key at a time and reads and writes typed
// values in it. The typed reads and writes are done here, once, on top of two
// raw operations that every backend provides, so the real registry and the
// in-memory one used by tests fail with the same errors in the same cases.
//
// Errors: a refused write and an unreadable or wrongly typed value throw
// ERegistryException, whose what() is the text the user sees:
//   "Failed to set data for '<name>'"   a write was refused (or no key is open)
//   "Invalid data type for '<name>'"    a text where an integer is expected, or
//                                       the reverse
//   "Failed to get data for '<name>'"   an integer read of a missing value or of
//                                       data longer than four bytes, or a value
//                                       that exists but cannot be read
// Nothing in the settings module catches them (apart from the store's
// once-only report of refused saves); the window's event dispatch hands them
// to the application's default error handler, which shows the text in an
// error box, and the event that caused them ends there.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace welmor {

// Value types with the numbers the platform gives them.
enum class RegistryValueKind : uint32_t {
  None = 0,
  Text = 1,        // REG_SZ
  ExpandText = 2,  // REG_EXPAND_SZ
  Binary = 3,      // REG_BINARY
  Dword = 4,       // REG_DWORD, little-endian
  MultiText = 7,   // REG_MULTI_SZ
};

// A value as the registry holds it: its type and its bytes (a text includes
// its terminating NUL).
struct RegistryValue {
  RegistryValueKind kind = RegistryValueKind::None;
  std::vector<uint8_t> data;

  static RegistryValue FromText(const std::string& text);
  static RegistryValue FromDword(uint32_t value);
  bool operator==(const RegistryValue&) const = default;
};

class ERegistryException : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The three texts of ERegistryException, with the value name put in.
std::string SetDataFailedText(const std::string& name);
std::string InvalidDataTypeText(const std::string& name);
std::string GetDataFailedText(const std::string& name);

// How a key is opened. Reads ask for read access only, so a user who may
// only read the local machine's hive still gets their settings; writes ask
// for full access, which such a user is refused.
enum class KeyAccess {
  Read,
  Write,
  CreateForWrite,  // Write, making the key (and its parents) when missing
};

class RegistryKey {
 public:
  virtual ~RegistryKey() = default;

  // Paths are full paths below the backend's hive ("Software\\Maker\\App").
  // Opening closes the key held before. False when the key is missing (and
  // not created) or the access is refused. Writes to a key opened for
  // reading are refused.
  virtual bool OpenKey(const std::string& path, KeyAccess access) = 0;
  // Whether the key exists, also when it refuses to open: only a key the
  // platform reports as not found is missing.
  virtual bool KeyExists(const std::string& path) = 0;
  // Value of the open key; false without an open key.
  virtual bool ValueExists(const std::string& name) = 0;
  // False when the value was missing or could not be deleted.
  virtual bool DeleteValue(const std::string& name) = 0;
  // Deletes the key and everything below it; false when any of it stayed.
  virtual bool DeleteKey(const std::string& path) = 0;
  // Closes the open key, if any, without flushing it to disk.
  virtual void CloseKey() = 0;

  // A missing or empty value reads as the empty text; a text value reads up
  // to its first NUL; any other type throws "Invalid data type", and one
  // that exists but cannot be read "Failed to get data".
  std::string ReadString(const std::string& name);
  // Signed 32-bit: a REG_DWORD of four bytes. Missing, or more than four
  // bytes of any type: "Failed to get data"; another type: "Invalid data type".
  int32_t ReadInteger(const std::string& name);
  // Both throw "Failed to set data" when the write is refused.
  void WriteString(const std::string& name, const std::string& value);
  void WriteInteger(const std::string& name, int32_t value);

 protected:
  // The value of the open key as stored; nullopt when it is missing, cannot
  // be read or no key is open.
  virtual std::optional<RegistryValue> QueryValue(const std::string& name) = 0;
  // Stores a value in the open key; false when refused or no key is open.
  virtual bool SetValue(const std::string& name, const RegistryValue& value) = 0;
};

// Makes a fresh wrapper on the same hive; the store makes one per operation
// and drops it at the end, which closes whatever it left open.
using RegistryFactory = std::function<std::unique_ptr<RegistryKey>()>;

}  // namespace welmor
