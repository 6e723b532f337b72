#pragma once
// A GDI font for a toolkit Font description.

#include "toolkit/font.hpp"
#include "winapi/win32/handles.hpp"

namespace welmor {

unique_hfont MakeGdiFont(const Font& font);

// Text colour as GDI takes it: both are 0x00BBGGRR.
inline COLORREF ToColorRef(Color c) { return static_cast<COLORREF>(c & 0x00FFFFFFu); }

}  // namespace welmor
