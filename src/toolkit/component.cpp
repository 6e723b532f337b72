#include "toolkit/component.hpp"

#include <algorithm>
#include <cctype>

namespace welmor {

namespace {

bool SameName(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

}  // namespace

Component::~Component() {
  // Children go first, newest first, so that nothing outlives what it was
  // made after.
  while (!owned_.empty()) TakeOut(owned_.size() - 1).reset();
}

std::unique_ptr<Component> Component::TakeOut(std::size_t index) {
  // Out of the list before it is destroyed: a destructor that walks its
  // owner's children must find neither itself nor an empty slot.
  std::unique_ptr<Component> child = std::move(owned_[index]);
  owned_.erase(owned_.begin() + static_cast<std::ptrdiff_t>(index));
  return child;
}

void Component::FreeOwned(const std::function<bool(const Component&)>& drop) {
  for (std::size_t i = owned_.size(); i-- > 0;) {
    if (drop(*owned_[i])) TakeOut(i).reset();
    // A destructor may have freed more of the list.
    i = std::min(i, owned_.size());
  }
}

Application* Component::App() const {
  const Component* root = this;
  while (root->owner_ != nullptr) root = root->owner_;
  return const_cast<Component*>(root)->AsApplication();
}

Component* Component::FindComponent(const std::string& name) const {
  if (name.empty()) return nullptr;
  for (const auto& child : owned_) {
    if (SameName(child->Name(), name)) return child.get();
  }
  return nullptr;
}

}  // namespace welmor
