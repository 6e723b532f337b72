#include "winutil/drop_shadow.hpp"

namespace welmor {

void AddDropShadowOnXP(CreateParamsRec& params, const std::string& os) {
  if (os.size() > 4 && os.compare(4, 6, "NT 5.1") == 0) params.windowClassStyle |= kClassStyleDropShadow;
}

}  // namespace welmor
