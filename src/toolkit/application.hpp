#pragma once
// The program object: title, hint settings, message filter, the main form,
// the message loop and the default error handler. It is the root owner of
// every form, so any component reaches it, and through it the platform,
// by its owners; nothing is found through a global.

#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "toolkit/backend.hpp"
#include "toolkit/component.hpp"
#include "toolkit/dialogs.hpp"
#include "toolkit/form.hpp"
#include "toolkit/geometry.hpp"
#include "toolkit/text_renderer.hpp"

namespace welmor {

// A window message as the message filter sees it.
struct Message {
  uint32_t message = 0;
  uintptr_t wParam = 0;
  intptr_t lParam = 0;
};

// Returns true when the message is handled and must not be dispatched.
using MessageFilter = std::function<bool(const Message&)>;

class Application : public Component {
 public:
  explicit Application(Backend& backend);
  ~Application() override;

  // Runs an event handler of a component; an exception that escapes it goes
  // to the application's default error handler instead of unwinding through
  // the platform (and is dropped for a component outside an application).
  static void Dispatch(const Component& from, const std::function<void()>& handler);
  // The text renderer of the component's platform; fixed metrics outside an
  // application.
  static const TextRenderer& TextRendererFor(const Component& component);
  // The backend of the component's application, or null.
  static Backend* BackendOf(const Component& component);

  Backend& GetBackend() { return backend_; }
  Dialogs& GetDialogs() { return backend_.GetDialogs(); }

  const std::string& Title() const { return title_; }
  void SetTitle(const std::string& t) { title_ = t; }

  // The hint of what the user points at now; a highlighted menu item puts
  // its hint here.
  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& h) { hint_ = h; }

  Color HintColor() const { return hintColor_; }
  void SetHintColor(Color c);
  uint32_t HintPause() const { return hintPause_; }
  void SetHintPause(uint32_t ms);
  uint32_t HintHidePause() const { return hintHidePause_; }
  void SetHintHidePause(uint32_t ms);

  MessageFilter OnMessage;
  // Asks the filter; true when the message is to be dropped.
  bool FilterMessage(const Message& msg);

  // Makes the main form (the first form made this way) and returns it.
  template <class T, class... Args>
  T& CreateForm(Args&&... args) {
    auto form = std::make_unique<T>(this, std::forward<Args>(args)...);
    T& ref = *form;
    if (!mainForm_) {
      mainForm_ = std::move(form);
    } else {
      otherForms_.push_back(std::move(form));
    }
    return ref;
  }
  Form* MainForm() const { return mainForm_.get(); }
  // Every form the application owns, the main form first.
  std::vector<Form*> Forms() const {
    std::vector<Form*> forms;
    if (mainForm_) forms.push_back(mainForm_.get());
    for (const auto& form : otherForms_) forms.push_back(form.get());
    return forms;
  }

  // Shows the main form and runs the message loop until Terminate.
  void Run();
  void Terminate();
  bool Terminated() const { return terminated_; }
  void ProcessMessages() { backend_.ProcessMessages(); }

  // Shows an error box with the exception's text.
  void HandleException(const std::exception& e);
  // From inside a catch block: shows the exception being handled, whatever
  // its type. Never throws, so it may end a window procedure or a hook.
  static void ReportCurrentException(Application* app) noexcept;

 protected:
  Application* AsApplication() override { return this; }

 private:
  Backend& backend_;
  std::string title_;
  std::string hint_;
  Color hintColor_ = 0x00E1FFFF;  // info background
  uint32_t hintPause_ = 500;
  uint32_t hintHidePause_ = 2500;
  bool terminated_ = false;
  std::unique_ptr<Form> mainForm_;
  std::vector<std::unique_ptr<Form>> otherForms_;
};

}  // namespace welmor
