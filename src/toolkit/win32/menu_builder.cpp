#include "toolkit/win32/menu_builder.hpp"

#include <cstring>
#include <map>
#include <string>

namespace welmor {

namespace {

class Builder {
 public:
  Builder(PopupMenu& menu, NativeMenu& out) : menu_(menu), out_(out), menuColor_(::GetSysColor(COLOR_MENU)) {}

  bool Fill(HMENU target, MenuItem& parent) {
    MENUINFO mi{};
    mi.cbSize = sizeof(mi);
    mi.fMask = MIM_STYLE;
    mi.dwStyle = MNS_CHECKORBMP;
    ::SetMenuInfo(target, &mi);
    const std::vector<std::string> captions = menu_.DisplayCaptions(parent);
    UINT position = 0;
    for (std::size_t i = 0; i < parent.Count(); ++i) {
      MenuItem& item = parent.Item(i);
      if (!item.Visible()) continue;
      if (!Insert(target, position++, item, i < captions.size() ? captions[i] : item.Caption())) return false;
    }
    return true;
  }

 private:
  bool Insert(HMENU target, UINT position, MenuItem& item, const std::string& caption) {
    MENUITEMINFOA mii{};
    mii.cbSize = sizeof(mii);
    if (item.IsSeparator()) {
      mii.fMask = MIIM_FTYPE | MIIM_STATE;
      mii.fType = MFT_SEPARATOR;
      mii.fState = item.Enabled() ? 0 : MFS_GRAYED;
      return ::InsertMenuItemA(target, position, TRUE, &mii) != 0;
    }
    std::string text = caption;
    mii.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_STRING;
    mii.fType = MFT_STRING | (item.RadioItem() ? MFT_RADIOCHECK : 0);
    mii.fState = (item.Checked() ? MFS_CHECKED : 0) | (item.Enabled() ? 0 : MFS_GRAYED);
    mii.dwTypeData = text.data();
    mii.cch = static_cast<UINT>(text.size());
    out_.commands.push_back(&item);
    mii.wID = static_cast<UINT>(out_.commands.size());
    if (HBITMAP image = ImageFor(item)) {
      mii.fMask |= MIIM_BITMAP;
      mii.hbmpItem = image;
    }
    unique_hmenu sub;
    if (item.Count() > 0) {
      sub.reset(::CreatePopupMenu());
      if (!sub || !Fill(sub.get(), item)) return false;
      mii.fMask |= MIIM_SUBMENU;
      mii.hSubMenu = sub.get();
    }
    if (!::InsertMenuItemA(target, position, TRUE, &mii)) return false;
    sub.release();  // destroyed with its parent menu from now on
    return true;
  }

  HBITMAP ImageFor(const MenuItem& item) {
    const ImageList* images = menu_.Images();
    const int32_t index = item.ImageIndex();
    if (images == nullptr || index < 0 || static_cast<std::size_t>(index) >= images->Count()) return nullptr;
    const auto known = byIndex_.find(index);
    if (known != byIndex_.end()) return known->second;
    unique_hbitmap bitmap = MakeMenuBitmap(images->Image(static_cast<std::size_t>(index)), menuColor_);
    HBITMAP handle = bitmap.get();
    if (handle) out_.images.push_back(std::move(bitmap));
    byIndex_[index] = handle;
    return handle;
  }

  PopupMenu& menu_;
  NativeMenu& out_;
  COLORREF menuColor_;
  std::map<int32_t, HBITMAP> byIndex_;
};

}  // namespace

unique_hbitmap MakeMenuBitmap(const Bitmap& image, COLORREF menuColor) {
  const int32_t w = image.Width();
  const int32_t h = image.Height();
  if (w <= 0 || h <= 0) return {};
  // 24 bits: a 32-bit item bitmap would be taken as alpha-blended by later
  // systems, and ours has no alpha.
  const BITMAPINFO bi = TopDownDibInfo(w, h, 24);
  void* bits = nullptr;
  unique_hbitmap bitmap(::CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap || bits == nullptr) return {};
  const Color transparent = kImageTransparent;
  const Color background = static_cast<Color>(menuColor);
  const std::size_t stride = (static_cast<std::size_t>(w) * 3 + 3) & ~static_cast<std::size_t>(3);
  auto* row = static_cast<uint8_t*>(bits);
  for (int32_t y = 0; y < h; ++y, row += stride) {
    for (int32_t x = 0; x < w; ++x) {
      Color c = image.Pixel(x, y);
      if (c == transparent) c = background;
      row[x * 3 + 0] = static_cast<uint8_t>((c >> 16) & 0xFF);  // blue
      row[x * 3 + 1] = static_cast<uint8_t>((c >> 8) & 0xFF);   // green
      row[x * 3 + 2] = static_cast<uint8_t>(c & 0xFF);          // red
    }
  }
  ::GdiFlush();
  return bitmap;
}

NativeMenu BuildNativeMenu(PopupMenu& menu) {
  NativeMenu result;
  result.app = menu.App();
  result.menu.reset(::CreatePopupMenu());
  if (!result.menu) return result;
  Builder builder(menu, result);
  if (!builder.Fill(result.menu.get(), menu.Items())) {
    // A half-built menu would offer the wrong commands: offer none.
    NativeMenu none;
    return none;
  }
  return result;
}

}  // namespace welmor
