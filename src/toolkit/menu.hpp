#pragma once
// Popup menus: items with captions, check marks, radio groups, images and
// sub-items. Items without "&" get an access key when the menu opens.

#include <cstdint>
#include <string>
#include <vector>

#include "toolkit/bitmap.hpp"
#include "toolkit/component.hpp"
#include "toolkit/control.hpp"

namespace welmor {

class MenuItem : public Component {
 public:
  explicit MenuItem(Component* owner) : Component(owner) {}

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& c) { caption_ = c; }
  bool IsSeparator() const { return caption_ == "-"; }

  bool Checked() const { return checked_; }
  // Checking a radio item clears the other radio items of its group among
  // its siblings.
  void SetChecked(bool on);
  bool RadioItem() const { return radioItem_; }
  void SetRadioItem(bool on) { radioItem_ = on; }
  uint8_t GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(uint8_t g) { groupIndex_ = g; }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool on) { enabled_ = on; }
  bool Visible() const { return visible_; }
  void SetVisible(bool on) { visible_ = on; }
  int32_t ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int32_t i) { imageIndex_ = i; }
  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& h) { hint_ = h; }

  NotifyEvent OnClick;

  MenuItem* ParentItem() const { return parentItem_; }
  const std::vector<MenuItem*>& Items() const { return items_; }
  std::size_t Count() const { return items_.size(); }
  MenuItem& Item(std::size_t i) const { return *items_[i]; }
  // Appends a sub-item (owned by whoever made it).
  void Add(MenuItem& item);

  // Runs OnClick through the application's dispatcher.
  void Click();

 private:
  std::string caption_;
  bool checked_ = false;
  bool radioItem_ = false;
  uint8_t groupIndex_ = 0;
  bool enabled_ = true;
  bool visible_ = true;
  int32_t imageIndex_ = -1;
  std::string hint_;
  MenuItem* parentItem_ = nullptr;
  std::vector<MenuItem*> items_;
};

// Pixels of this colour in a menu image are left out (show the menu's own
// background).
inline constexpr Color kImageTransparent = 0x00FF00FF;

// Small images for menu items, 16 x 16.
class ImageList : public Component {
 public:
  explicit ImageList(Component* owner) : Component(owner) {}
  void Add(Bitmap image) { images_.push_back(std::move(image)); }
  std::size_t Count() const { return images_.size(); }
  const Bitmap& Image(std::size_t i) const { return images_[i]; }

 private:
  std::vector<Bitmap> images_;
};

class PopupMenu : public Component {
 public:
  explicit PopupMenu(Component* owner) : Component(owner), root_(nullptr) {}

  MenuItem& Items() { return root_; }
  ImageList* Images() const { return images_; }
  void SetImages(ImageList* images) { images_ = images; }
  bool AutoHotkeys() const { return autoHotkeys_; }
  void SetAutoHotkeys(bool on) { autoHotkeys_ = on; }

  NotifyEvent OnPopup;

  // Runs OnPopup, shows the menu centred on the screen point and runs the
  // chosen item's click. owner is the control that was clicked.
  void Popup(int32_t x, int32_t y, Control* owner = nullptr);

  // Captions as shown: with automatic access keys when AutoHotkeys is on.
  std::vector<std::string> DisplayCaptions(const MenuItem& parent) const;

 private:
  MenuItem root_;
  ImageList* images_ = nullptr;
  bool autoHotkeys_ = true;
};

// Gives every caption without "&" an access key that no other caption of the
// same level uses: the first such letter or digit, searching word starts
// first. Separators and captions with "&" are kept as they are.
std::vector<std::string> AssignAccessKeys(const std::vector<std::string>& captions);

}  // namespace welmor
