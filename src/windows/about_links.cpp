#include "windows/about_links.hpp"

namespace welmor {

std::string WebLinkTarget(const std::string& host) {
  static const std::string kScheme = "http://";
  return host.compare(0, kScheme.size(), kScheme) == 0 ? host : kScheme + host;
}

std::string EmailLinkTarget(const std::string& address, const std::string& productName,
                            const std::string& niceVersion, const std::string& osVersionText) {
  const std::string subject = "About " + productName + niceVersion + " (" + osVersionText + ")";
  return "mailto:" + address + "?subject=" + subject;
}

}  // namespace welmor
