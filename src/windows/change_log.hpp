#pragma once
// The product's change log as the history window shows it: a legend, then
// one section per release, newest first. Only the current release's number
// comes from outside (the version resource).

#include <string>

namespace welmor {

// Forty-three "~": the rule under the legend and every header, and before
// every section but the first.
inline constexpr const char* kChangeLogRule = "~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~~";

// The whole log, lines joined by CR LF, without a final line break. The first
// header reads " - " + currentVersion + " : < 11-nov-2005 >".
std::string BuildChangeLog(const std::string& currentVersion);

}  // namespace welmor
