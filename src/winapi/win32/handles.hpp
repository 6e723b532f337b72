#pragma once
// One owning wrapper for every kind of Win32 handle, with a name per kind,
// and guards that undo a SelectObject. GDI objects made through these
// wrappers are counted, because Wine's GetGuiResources always answers 0 and
// a leak of one brush per repaint would otherwise go unnoticed. Every module's
// Win32 code uses these, so they live outside any one module.

#include <windows.h>

#include <cstdint>
#include <type_traits>
#include <utility>

namespace welmor {

enum class GdiKind { Font, Brush, Bitmap, Pen, DC, Count };

// GDI objects created through the wrappers below and not yet deleted.
int64_t LiveGdiObjects();
int64_t LiveGdiObjects(GdiKind kind);

namespace handle_detail {

void CountGdi(GdiKind kind, int64_t delta) noexcept;

struct Uncounted {
  static void Adopted() noexcept {}
  static void Dropped() noexcept {}
};

template <GdiKind K>
struct Counted {
  static void Adopted() noexcept { CountGdi(K, 1); }
  static void Dropped() noexcept { CountGdi(K, -1); }
};

}  // namespace handle_detail

// Owns one handle of type T and gives it back through Close::Close. Close
// also says whether the kind is counted and, optionally, which values are
// not handles at all (IsValid); the null value never is.
template <class T, class Close>
class unique_any {
 public:
  unique_any() noexcept = default;
  explicit unique_any(T h) noexcept : h_(h) {
    if (Valid(h_)) Close::Adopted();
  }
  ~unique_any() { reset(); }
  unique_any(const unique_any&) = delete;
  unique_any& operator=(const unique_any&) = delete;
  unique_any(unique_any&& other) noexcept : h_(std::exchange(other.h_, T{})) {}
  unique_any& operator=(unique_any&& other) noexcept {
    if (this != &other) {
      reset();
      h_ = std::exchange(other.h_, T{});
    }
    return *this;
  }

  T get() const noexcept { return h_; }
  explicit operator bool() const noexcept { return Valid(h_); }

  // Closes the current handle (if any) and owns h instead. The member is
  // cleared before the close, so a close that calls back in sees no handle.
  void reset(T h = T{}) noexcept {
    T old = std::exchange(h_, h);
    if (Valid(old)) {
      Close::Close(old);
      Close::Dropped();
    }
    if (Valid(h_)) Close::Adopted();
  }

  // For a call that hands a new handle back through a pointer: closes the
  // current handle and returns where the new one goes. Only for kinds that
  // are not counted, as the count cannot see what the call writes.
  T* put() noexcept requires std::is_base_of_v<handle_detail::Uncounted, Close> {
    reset();
    return &h_;
  }

  // Gives up ownership without closing.
  T release() noexcept {
    T old = std::exchange(h_, T{});
    if (Valid(old)) Close::Dropped();
    return old;
  }

 private:
  static bool Valid(T h) noexcept {
    if constexpr (requires { Close::IsValid(h); }) {
      return Close::IsValid(h);
    } else {
      return h != T{};
    }
  }
  T h_{};
};

struct WindowCloser : handle_detail::Uncounted {
  static void Close(HWND h) noexcept { ::DestroyWindow(h); }
};
template <GdiKind K>
struct GdiObjectCloser : handle_detail::Counted<K> {
  static void Close(HGDIOBJ h) noexcept { ::DeleteObject(h); }
};
struct DcCloser : handle_detail::Counted<GdiKind::DC> {
  static void Close(HDC h) noexcept { ::DeleteDC(h); }
};
struct MenuCloser : handle_detail::Uncounted {
  static void Close(HMENU h) noexcept { ::DestroyMenu(h); }
};
struct KernelHandleCloser : handle_detail::Uncounted {
  static void Close(HANDLE h) noexcept { ::CloseHandle(h); }
  static bool IsValid(HANDLE h) noexcept { return h != nullptr && h != INVALID_HANDLE_VALUE; }
};
struct RegistryKeyCloser : handle_detail::Uncounted {
  static void Close(HKEY h) noexcept { ::RegCloseKey(h); }
};
struct LibraryCloser : handle_detail::Uncounted {
  static void Close(HMODULE h) noexcept { ::FreeLibrary(h); }
};

using unique_hwnd = unique_any<HWND, WindowCloser>;
using unique_hfont = unique_any<HFONT, GdiObjectCloser<GdiKind::Font>>;
using unique_hbrush = unique_any<HBRUSH, GdiObjectCloser<GdiKind::Brush>>;
using unique_hbitmap = unique_any<HBITMAP, GdiObjectCloser<GdiKind::Bitmap>>;
using unique_hpen = unique_any<HPEN, GdiObjectCloser<GdiKind::Pen>>;
using unique_hdc = unique_any<HDC, DcCloser>;  // from CreateCompatibleDC / CreateDC
using unique_hmenu = unique_any<HMENU, MenuCloser>;
using unique_handle = unique_any<HANDLE, KernelHandleCloser>;
using unique_hkey = unique_any<HKEY, RegistryKeyCloser>;
using unique_hmodule = unique_any<HMODULE, LibraryCloser>;

// Header of a top-down device-independent bitmap (rows as a Bitmap keeps
// them) of the given size and depth, without colour table or compression.
inline BITMAPINFO TopDownDibInfo(int32_t width, int32_t height, WORD bitCount) noexcept {
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
  bi.bmiHeader.biWidth = width;
  bi.bmiHeader.biHeight = -height;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = bitCount;
  bi.bmiHeader.biCompression = BI_RGB;
  return bi;
}

// Selects an object into a DC and puts the previous one back on scope exit,
// so the object can be deleted afterwards.
class select_object {
 public:
  select_object(HDC dc, HGDIOBJ object) noexcept
      : dc_(dc), previous_(object ? ::SelectObject(dc, object) : nullptr) {}
  ~select_object() {
    if (previous_ && previous_ != HGDI_ERROR) ::SelectObject(dc_, previous_);
  }
  select_object(const select_object&) = delete;
  select_object& operator=(const select_object&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// A window's DC from GetDC (client area) or GetWindowDC (with the frame),
// given back with ReleaseDC.
class window_dc {
 public:
  enum Area { Client, Whole };
  explicit window_dc(HWND window, Area area = Client) noexcept
      : window_(window), dc_(area == Whole ? ::GetWindowDC(window) : ::GetDC(window)) {}
  ~window_dc() {
    if (dc_) ::ReleaseDC(window_, dc_);
  }
  window_dc(const window_dc&) = delete;
  window_dc& operator=(const window_dc&) = delete;
  HDC get() const noexcept { return dc_; }
  explicit operator bool() const noexcept { return dc_ != nullptr; }

 private:
  HWND window_;
  HDC dc_;
};

// BeginPaint / EndPaint around one WM_PAINT.
class paint_scope {
 public:
  explicit paint_scope(HWND window) noexcept : window_(window), dc_(::BeginPaint(window, &ps_)) {}
  ~paint_scope() { ::EndPaint(window_, &ps_); }
  paint_scope(const paint_scope&) = delete;
  paint_scope& operator=(const paint_scope&) = delete;
  HDC dc() const noexcept { return dc_; }
  const RECT& area() const noexcept { return ps_.rcPaint; }

 private:
  HWND window_;
  PAINTSTRUCT ps_{};
  HDC dc_;
};

}  // namespace welmor
