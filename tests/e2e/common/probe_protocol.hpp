#pragma once
// The request block the driver places in the inspected process and hands to
// welmor_probe.dll's entry point on a remote thread. The probe answers in the
// same block, so no named objects are left behind in the inspected process.

#include <cstdint>

namespace welmor::e2e {

inline constexpr char kProbeDllName[] = "welmor_probe.dll";
inline constexpr char kProbeEntryName[] = "welmor_probe_run";

inline constexpr uint32_t kProbeMagic = 0x42525057;  // "WPRB"

enum class ProbeCommand : uint32_t {
  // Every item of the popup menu that is open now, recursively, one line each:
  // DEPTH \t TYPE \t STATE \t ID \t PATH (see the driver's usage text).
  ListOpenMenu = 1,
};

enum class ProbeStatus : uint32_t {
  Pending = 0,
  Ok = 1,
  NoOpenMenu = 2,
  TooLong = 3,
  BadRequest = 4,
};

inline constexpr uint32_t kProbeTextSize = 256 * 1024;

struct ProbeRequest {
  uint32_t magic;
  ProbeCommand command;
  ProbeStatus status;
  uint32_t length;  // bytes used in text, no terminator counted
  char text[kProbeTextSize];
};

}  // namespace welmor::e2e
