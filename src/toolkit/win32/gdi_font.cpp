#include "toolkit/win32/gdi_font.hpp"

#include <cstring>

namespace welmor {

unique_hfont MakeGdiFont(const Font& font) {
  LOGFONTA lf{};
  lf.lfHeight = font.height;
  lf.lfWeight = (font.style & fsBold) ? FW_BOLD : FW_NORMAL;
  lf.lfItalic = (font.style & fsItalic) ? TRUE : FALSE;
  lf.lfUnderline = (font.style & fsUnderline) ? TRUE : FALSE;
  lf.lfStrikeOut = (font.style & fsStrikeOut) ? TRUE : FALSE;
  lf.lfCharSet = DEFAULT_CHARSET;
  lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
  lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  lf.lfQuality = DEFAULT_QUALITY;
  lf.lfPitchAndFamily = DEFAULT_PITCH;
  // LF_FACESIZE includes the terminating NUL; longer names are cut.
  std::strncpy(lf.lfFaceName, font.name.c_str(), LF_FACESIZE - 1);
  return unique_hfont(::CreateFontIndirectA(&lf));
}

}  // namespace welmor
