#include "settings/registry_key.hpp"

#include <algorithm>

namespace welmor {

namespace {

constexpr std::size_t kDwordSize = 4;

bool IsText(RegistryValueKind kind) {
  return kind == RegistryValueKind::Text || kind == RegistryValueKind::ExpandText;
}

}  // namespace

RegistryValue RegistryValue::FromText(const std::string& text) {
  RegistryValue value;
  value.kind = RegistryValueKind::Text;
  value.data.assign(text.begin(), text.end());
  value.data.push_back(0);
  return value;
}

RegistryValue RegistryValue::FromDword(uint32_t number) {
  RegistryValue value;
  value.kind = RegistryValueKind::Dword;
  for (std::size_t i = 0; i < kDwordSize; ++i) value.data.push_back(static_cast<uint8_t>(number >> (8 * i)));
  return value;
}

std::string SetDataFailedText(const std::string& name) { return "Failed to set data for '" + name + "'"; }
std::string InvalidDataTypeText(const std::string& name) { return "Invalid data type for '" + name + "'"; }
std::string GetDataFailedText(const std::string& name) { return "Failed to get data for '" + name + "'"; }

std::string RegistryKey::ReadString(const std::string& name) {
  const std::optional<RegistryValue> value = QueryValue(name);
  // A value that is there but cannot be read is no empty text: taking it
  // for one would act on a setting the user never stored.
  if (!value && ValueExists(name)) throw ERegistryException(GetDataFailedText(name));
  if (!value || value->data.empty()) return "";
  if (!IsText(value->kind)) throw ERegistryException(InvalidDataTypeText(name));
  const auto end = std::find(value->data.begin(), value->data.end(), uint8_t{0});
  return std::string(value->data.begin(), end);
}

int32_t RegistryKey::ReadInteger(const std::string& name) {
  const std::optional<RegistryValue> value = QueryValue(name);
  // The platform read goes into a four-byte buffer, so longer data of any
  // type fails before its type is even looked at.
  if (!value || value->data.size() > kDwordSize) throw ERegistryException(GetDataFailedText(name));
  if (value->kind != RegistryValueKind::Dword) throw ERegistryException(InvalidDataTypeText(name));
  uint32_t number = 0;
  for (std::size_t i = 0; i < value->data.size(); ++i)
    number |= static_cast<uint32_t>(value->data[i]) << (8 * i);
  return static_cast<int32_t>(number);
}

void RegistryKey::WriteString(const std::string& name, const std::string& value) {
  if (!SetValue(name, RegistryValue::FromText(value))) throw ERegistryException(SetDataFailedText(name));
}

void RegistryKey::WriteInteger(const std::string& name, int32_t value) {
  if (!SetValue(name, RegistryValue::FromDword(static_cast<uint32_t>(value))))
    throw ERegistryException(SetDataFailedText(name));
}

}  // namespace welmor
