// System libraries that only a command needs, loaded when it first runs.
#include "winapi/win32/system_library.hpp"

#include <gtest/gtest.h>

#include <commdlg.h>

namespace welmor {
namespace {

TEST(SystemLibrary, GivesTheSystemsEntryPointsAndNullForWhatIsMissing) {
  using ChooseColorFunction = BOOL(WINAPI*)(CHOOSECOLORA*);
  SystemLibrary comdlg("comdlg32.dll");
  const auto chooseColor = comdlg.Proc<ChooseColorFunction>("ChooseColorA");
  ASSERT_NE(chooseColor, nullptr);
  EXPECT_EQ(reinterpret_cast<void*>(chooseColor),
            reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleA("comdlg32.dll"), "ChooseColorA")));
  EXPECT_EQ(comdlg.Proc<ChooseColorFunction>("NoSuchFunction"), nullptr);

  SystemLibrary missing("no_such_library_welmor.dll");
  EXPECT_EQ(missing.Proc<ChooseColorFunction>("ChooseColorA"), nullptr);
}

}  // namespace
}  // namespace welmor
