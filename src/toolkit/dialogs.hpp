#pragma once
// Modal dialogs every window of the program shares.

#include <string>

#include "toolkit/geometry.hpp"

namespace welmor {

enum class DialogKind { Error, Information, Confirmation };

// Captions of the standard kinds.
inline constexpr const char* kErrorCaption = "Error";
inline constexpr const char* kInformationCaption = "Information";
inline constexpr const char* kConfirmCaption = "Confirm";

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // Error or information box with one "OK" button; waits for it.
  virtual void Message(DialogKind kind, const std::string& text) = 0;
  // Confirmation box with "&Yes" and "&No"; true only for Yes.
  virtual bool Confirm(const std::string& text) = 0;
  // A plain box with a caption of its own and one OK button.
  virtual void MessageBox(const std::string& text, const std::string& caption) = 0;
  // Input box; Cancel gives the default text back.
  virtual std::string InputBox(const std::string& caption, const std::string& prompt,
                               const std::string& defaultText) = 0;
  // Standard colour dialog starting at color; false when cancelled.
  virtual bool ChooseColor(Color& color) = 0;
};

}  // namespace welmor
