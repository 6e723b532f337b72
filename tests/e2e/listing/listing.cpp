// Prints what the portable code stores and offers, for the suites to compare
// the running program against:
//   welmor_listing settings WIDTH  the values a first run stores after Version
//                                  on a screen WIDTH pixels wide, one
//                                  "NAME<TAB>TYPE<TAB>DATA" line each as
//                                  e2e_reg_values lists them
//   welmor_listing contents        the panel contents' captions, in menu order
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <variant>

#include "app/panel_content.hpp"
#include "settings/settings.hpp"

int main(int argc, char** argv) {
  using namespace welmor;
  const std::string what = argc > 1 ? argv[1] : "";
  if (what == "settings" && argc == 3) {
    const Settings values = FirstRunSettings(std::atoi(argv[2]));
    for (const StoredSetting& stored : StoredSettings()) {
      const StoredData data = StoredValue(values, stored);
      if (const auto* text = std::get_if<std::string>(&data)) {
        std::printf("%s\tREG_SZ\t%s\n", stored.name, text->c_str());
      } else {
        std::printf("%s\tREG_DWORD\t%lu\n", stored.name,
                    static_cast<unsigned long>(static_cast<uint32_t>(std::get<int32_t>(data))));
      }
    }
    return 0;
  }
  if (what == "contents" && argc == 2) {
    for (const PanelContentInfo& row : PanelContents()) std::printf("%s\n", row.caption);
    return 0;
  }
  std::fprintf(stderr, "usage: welmor_listing settings WIDTH | contents\n");
  return 2;
}
