#pragma once
// An in-memory registry hive for tests: keys and values with the platform's
// case-insensitive names, raw typed data, and switches that make it behave
// like a hive the user may not write to. Wrappers made by Factory() share
// the hive, which must outlive them.

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "settings/registry_key.hpp"

namespace welmor {

class MemoryRegistry {
 public:
  // --- failure switches ---------------------------------------------------
  // A user with read access only: keys open for reading, but cannot be
  // opened for writing or created, and nothing can be written or deleted.
  bool readOnly = false;
  // When not negative: how many more value writes succeed; each success
  // counts it down, and at 0 every write is refused.
  int32_t writesAllowed = -1;
  // A key that exists but refuses every open (out of resources, a changed
  // access list).
  std::string unopenableKey;
  // A value that exists but whose data cannot be read.
  std::string unreadableValue;

  // --- what happened ------------------------------------------------------
  std::vector<std::string> writeLog;  // names of the values written, in order
  int32_t refusedWrites = 0;
  int32_t openKeys = 0;  // keys open right now, over all wrappers

  // --- set up and inspect -------------------------------------------------
  void CreateKey(const std::string& path) {
    std::string partial;
    for (const std::string& part : Split(path)) {
      partial += (partial.empty() ? "" : "\\") + part;
      keys_[Fold(partial)];
    }
  }
  bool HasKey(const std::string& path) const { return keys_.count(Fold(path)) != 0; }
  void Put(const std::string& path, const std::string& name, RegistryValue value) {
    CreateKey(path);
    keys_[Fold(path)][Fold(name)] = std::move(value);
  }
  void PutString(const std::string& path, const std::string& name, const std::string& text) {
    Put(path, name, RegistryValue::FromText(text));
  }
  void PutDword(const std::string& path, const std::string& name, uint32_t number) {
    Put(path, name, RegistryValue::FromDword(number));
  }
  std::optional<RegistryValue> Get(const std::string& path, const std::string& name) const {
    const auto key = keys_.find(Fold(path));
    if (key == keys_.end()) return std::nullopt;
    const auto value = key->second.find(Fold(name));
    if (value == key->second.end()) return std::nullopt;
    return value->second;
  }
  // The text of a REG_SZ value without its NUL; nullopt for anything else.
  std::optional<std::string> GetString(const std::string& path, const std::string& name) const {
    const auto value = Get(path, name);
    if (!value || value->kind != RegistryValueKind::Text || value->data.empty() || value->data.back() != 0)
      return std::nullopt;
    return std::string(value->data.begin(), value->data.end() - 1);
  }
  // The number of a four-byte REG_DWORD value; nullopt for anything else.
  std::optional<int32_t> GetDword(const std::string& path, const std::string& name) const {
    const auto value = Get(path, name);
    if (!value || value->kind != RegistryValueKind::Dword || value->data.size() != 4) return std::nullopt;
    uint32_t number = 0;
    for (std::size_t i = 0; i < 4; ++i) number |= static_cast<uint32_t>(value->data[i]) << (8 * i);
    return static_cast<int32_t>(number);
  }
  std::size_t ValueCount(const std::string& path) const {
    const auto key = keys_.find(Fold(path));
    return key == keys_.end() ? 0 : key->second.size();
  }

  RegistryFactory Factory() {
    return [this]() -> std::unique_ptr<RegistryKey> { return std::make_unique<Key>(*this); };
  }

 private:
  using Values = std::map<std::string, RegistryValue>;  // folded name -> value

  static std::string Fold(const std::string& text) {
    std::string folded = text;
    std::transform(folded.begin(), folded.end(), folded.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return folded;
  }
  static std::vector<std::string> Split(const std::string& path) {
    std::vector<std::string> parts;
    std::string part;
    for (char c : path + "\\") {
      if (c != '\\') {
        part += c;
      } else if (!part.empty()) {
        parts.push_back(part);
        part.clear();
      }
    }
    return parts;
  }

  class Key : public RegistryKey {
   public:
    explicit Key(MemoryRegistry& hive) : hive_(hive) {}
    ~Key() override { CloseKey(); }

    bool OpenKey(const std::string& path, KeyAccess access) override {
      CloseKey();
      if ((hive_.readOnly && access != KeyAccess::Read) || Fold(path) == Fold(hive_.unopenableKey))
        return false;
      if (!hive_.HasKey(path)) {
        if (access != KeyAccess::CreateForWrite) return false;
        hive_.CreateKey(path);
      }
      open_ = Fold(path);
      writable_ = access != KeyAccess::Read;
      ++hive_.openKeys;
      return true;
    }
    bool KeyExists(const std::string& path) override { return hive_.HasKey(path); }
    bool ValueExists(const std::string& name) override { return Current() && Current()->count(Fold(name)); }
    bool DeleteValue(const std::string& name) override {
      return writable_ && Current() && Current()->erase(Fold(name)) != 0;
    }
    bool DeleteKey(const std::string& path) override {
      if (hive_.readOnly) return false;
      const std::string folded = Fold(path);
      return std::erase_if(hive_.keys_, [&](const auto& entry) {
               return entry.first == folded || entry.first.rfind(folded + "\\", 0) == 0;
             }) != 0;
    }
    void CloseKey() override {
      if (open_) --hive_.openKeys;
      open_.reset();
    }

   protected:
    std::optional<RegistryValue> QueryValue(const std::string& name) override {
      if (!Current() || Fold(name) == Fold(hive_.unreadableValue)) return std::nullopt;
      const auto value = Current()->find(Fold(name));
      if (value == Current()->end()) return std::nullopt;
      return value->second;
    }
    bool SetValue(const std::string& name, const RegistryValue& value) override {
      if (!Current() || !writable_ || hive_.writesAllowed == 0) {
        ++hive_.refusedWrites;
        return false;
      }
      (*Current())[Fold(name)] = value;
      hive_.writeLog.push_back(name);
      if (hive_.writesAllowed > 0) --hive_.writesAllowed;
      return true;
    }

   private:
    Values* Current() {
      if (!open_) return nullptr;
      const auto key = hive_.keys_.find(*open_);
      return key == hive_.keys_.end() ? nullptr : &key->second;
    }

    MemoryRegistry& hive_;
    std::optional<std::string> open_;
    bool writable_ = false;
  };

  std::map<std::string, Values> keys_;  // folded full path -> values
};

}  // namespace welmor
