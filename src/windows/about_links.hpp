#pragma once
// What the about window's two links open.

#include <string>

namespace welmor {

// The web site: host with "http://" in front unless it already starts with
// exactly that (letter case counts, so "HTTP://" gets a second scheme).
std::string WebLinkTarget(const std::string& host);

// A new mail to address whose subject names the product, its display version
// (which starts with a space) and the system in brackets. Nothing is escaped:
// mail programs take the spaces and brackets as they are.
std::string EmailLinkTarget(const std::string& address, const std::string& productName,
                            const std::string& niceVersion, const std::string& osVersionText);

}  // namespace welmor
