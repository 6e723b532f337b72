#include "controls/win32/hook_procedures.hpp"

#include <array>
#include <cstddef>
#include <utility>

#include "controls/hook_component.hpp"

namespace welmor {

namespace {

// Far more than the program's forms can ever carry.
constexpr std::size_t kProcedureCount = 32;

std::array<TMagnetFormHookComponent*, kProcedureCount> g_bound{};

template <std::size_t N>
LRESULT CALLBACK HookProcedure(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept {
  TMagnetFormHookComponent* component = g_bound[N];
  // A procedure left on a window whose component has gone.
  if (component == nullptr) return ::DefWindowProcA(hwnd, msg, wParam, lParam);
  HookMessage message{msg, wParam, lParam, 0};
  return component->HookProc(message);
}

template <std::size_t... N>
constexpr std::array<WNDPROC, kProcedureCount> MakeProcedures(std::index_sequence<N...>) {
  return {&HookProcedure<N>...};
}

constexpr std::array<WNDPROC, kProcedureCount> kProcedures =
    MakeProcedures(std::make_index_sequence<kProcedureCount>{});

}  // namespace

WNDPROC AcquireHookProcedure(TMagnetFormHookComponent& component) {
  for (std::size_t i = 0; i < kProcedureCount; ++i) {
    if (g_bound[i] == nullptr) {
      g_bound[i] = &component;
      return kProcedures[i];
    }
  }
  return nullptr;
}

void ReleaseHookProcedure(WNDPROC procedure) {
  for (std::size_t i = 0; i < kProcedureCount; ++i) {
    if (kProcedures[i] == procedure) g_bound[i] = nullptr;
  }
}

}  // namespace welmor
