// The version text under each Windows version Wine can pretend to be. Wine
// fixes the version when a process starts, from the Version value of
// HKCU\Software\Wine\AppDefaults\<exe name>, so each version needs a fresh process: a
// copy of this test program under its own name, told through that key which
// version to be, runs only OSVersionChild and writes the text to a file.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "sysinfo/probes.hpp"
#include "sysinfo/win32/win32_probes.hpp"
#include "win32/linux_truth.hpp"
#include "win32/win32_env.hpp"

namespace welmor {
namespace {

constexpr const char* kOutputVariable = "WELMOR_OSVERSION_OUT";

// The child's half; disabled so that it runs only when asked for.
TEST(OSVersionChild, DISABLED_WritesTheVersionText) {
  const std::string out = testenv::Env(kOutputVariable);
  ASSERT_FALSE(out.empty());
  Win32SystemProbes real;
  Probes installed(real.Sources());
  const std::string text = installed.GetOSVersionText();
  const HANDLE file = CreateFileA(out.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  DWORD written = 0;
  WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  CloseHandle(file);
}

// A copy of this program and its AppDefaults key, both removed at the end.
class VersionedChild {
 public:
  VersionedChild() {
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    name_ = "welmor_osversion_" + std::to_string(GetCurrentProcessId()) + ".exe";
    path_ = std::string(temp) + name_;
    output_ = path_ + ".txt";
    copied_ = CopyFileA(self, path_.c_str(), FALSE) != 0;
    key_ = "Software\\Wine\\AppDefaults\\" + name_;
  }
  ~VersionedChild() {
    RegDeleteKeyA(HKEY_CURRENT_USER, key_.c_str());
    DeleteFileA(path_.c_str());
    DeleteFileA(output_.c_str());
  }
  VersionedChild(const VersionedChild&) = delete;
  VersionedChild& operator=(const VersionedChild&) = delete;

  bool Copied() const { return copied_; }

  // The version text a fresh process sees as Wine's version.
  std::string TextUnder(const std::string& wineVersion) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, key_.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS) {
      return "(no AppDefaults key)";
    }
    RegSetValueExA(key, "Version", 0, REG_SZ, reinterpret_cast<const BYTE*>(wineVersion.c_str()),
                   static_cast<DWORD>(wineVersion.size() + 1));
    RegCloseKey(key);
    DeleteFileA(output_.c_str());

    SetEnvironmentVariableA(kOutputVariable, output_.c_str());
    std::string line = "\"" + path_ + "\" --gtest_also_run_disabled_tests --gtest_filter=OSVersionChild.*";
    // The child's test report would only clutter ours.
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    const HANDLE nul =
        CreateFileA("NUL", GENERIC_WRITE, FILE_SHARE_WRITE, &inherit, OPEN_EXISTING, 0, nullptr);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = nul;
    startup.hStdError = nul;
    PROCESS_INFORMATION info = {};
    const BOOL started = CreateProcessA(path_.c_str(), line.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                        nullptr, &startup, &info);
    SetEnvironmentVariableA(kOutputVariable, nullptr);
    if (nul != INVALID_HANDLE_VALUE) CloseHandle(nul);
    if (!started) return "(child did not start)";
    const DWORD waited = WaitForSingleObject(info.hProcess, 60000);
    DWORD code = 1;
    GetExitCodeProcess(info.hProcess, &code);
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    if (waited != WAIT_OBJECT_0) return "(child hung)";
    if (code != 0) return "(child failed)";
    return testenv::ReadWholeFile(output_);
  }

 private:
  std::string name_;
  std::string path_;
  std::string output_;
  std::string key_;
  bool copied_ = false;
};

TEST(OSVersionOnWine, EachPretendedVersionGivesItsText) {
  VersionedChild child;
  ASSERT_TRUE(child.Copied());
  // Wine's version table: 5.0 build 2195 SP4, 5.1 build 2600 SP3, 5.2 build
  // 3790 SP2, 6.1 build 7601 SP1, all NT.
  EXPECT_EQ(child.TextUnder("win2k"), "Win NT 5 (Build: 2195 Service Pack 4)");
  EXPECT_EQ(child.TextUnder("winxp"), "Win NT 5.1 (Build: 2600 Service Pack 3)");
  EXPECT_EQ(child.TextUnder("win2003"), "Win NT 5.2 (Build: 3790 Service Pack 2)");
  EXPECT_EQ(child.TextUnder("win7"), "Win NT 6.1 (Build: 7601 Service Pack 1)");
}

}  // namespace
}  // namespace welmor
