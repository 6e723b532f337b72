#pragma once
// Base of the component model: a name, an owner and the children it owns.
// An owner frees what it owns with itself; children are made through Make so
// that nobody holds an owning raw pointer.

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace welmor {

class Application;

class Component {
 public:
  explicit Component(Component* owner = nullptr) : owner_(owner) {}
  virtual ~Component();
  Component(const Component&) = delete;
  Component& operator=(const Component&) = delete;

  const std::string& Name() const { return name_; }
  void SetName(std::string name) { name_ = std::move(name); }
  Component* Owner() const { return owner_; }
  // The application at the root of this component's owners; null for a
  // component made outside one.
  Application* App() const;

  // Owned component with this name (case-insensitive, as names are
  // identifiers), searched among direct children only; nullptr when absent.
  Component* FindComponent(const std::string& name) const;

  // Creates a component owned by this one. The child's constructor receives
  // this component as its owner.
  template <class T, class... Args>
  T& Make(Args&&... args) {
    auto child = std::make_unique<T>(this, std::forward<Args>(args)...);
    T& ref = *child;
    owned_.push_back(std::move(child));
    return ref;
  }

  // Frees, newest first, each owned component that drop answers true for.
  // Never call it from inside an event of one of them.
  void FreeOwned(const std::function<bool(const Component&)>& drop);

  std::size_t ComponentCount() const { return owned_.size(); }
  Component& ComponentAt(std::size_t index) const { return *owned_[index]; }

 protected:
  virtual Application* AsApplication() { return nullptr; }

 private:
  std::unique_ptr<Component> TakeOut(std::size_t index);

  Component* owner_;
  std::string name_;
  std::vector<std::unique_ptr<Component>> owned_;
};

}  // namespace welmor
