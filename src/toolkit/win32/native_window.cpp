#include "toolkit/win32/native_window.hpp"

#include <exception>
#include <stdexcept>

#include "toolkit/application.hpp"

namespace welmor {

void native_window_detail::ReportStrayException(Application* app) noexcept {
  try {
    if (app) {
      try {
        throw;
      } catch (const std::exception& e) {
        app->HandleException(e);
      } catch (...) {
        app->HandleException(std::runtime_error("Unknown error"));
      }
    }
  } catch (...) {
    // Nothing is left to tell.
  }
}

}  // namespace welmor
