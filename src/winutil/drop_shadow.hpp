#pragma once
// The widget's windows cast a shadow on Windows XP only: the shadow class
// style looks wrong or is missing on the other NT 5 systems.

#include <string>

#include "toolkit/form.hpp"

namespace welmor {

// Adds the drop-shadow class style when the system version text (as the
// probes give it) reads "NT 5.1" from its 5th character on.
void AddDropShadowOnXP(CreateParamsRec& params, const std::string& osVersionText);

}  // namespace welmor
