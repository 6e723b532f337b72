#include "winapi/win32/handles.hpp"

#include <array>
#include <atomic>
#include <cstddef>

namespace welmor {

namespace {

std::array<std::atomic<int64_t>, static_cast<std::size_t>(GdiKind::Count)> g_live{};

}  // namespace

int64_t LiveGdiObjects() {
  int64_t total = 0;
  for (const auto& n : g_live) total += n.load();
  return total;
}

int64_t LiveGdiObjects(GdiKind kind) { return g_live[static_cast<std::size_t>(kind)].load(); }

void handle_detail::CountGdi(GdiKind kind, int64_t delta) noexcept {
  g_live[static_cast<std::size_t>(kind)] += delta;
}

}  // namespace welmor
