// The update check's Win32 side under Wine: real transfers from the local
// test server (scripts/lib/update-server.sh), the real INI reader and file
// removal, the host from the registry, and the shell's folder browser
// answered from inside its modal loop.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <optional>
#include <random>

#include "settings/win32/local_machine_registry.hpp"
#include "toolkit/headless/headless_backend.hpp"
#include "update/folder_choice.hpp"
#include "update/update_check.hpp"
#include "update/update_host.hpp"
#include "update/win32/update_services_win32.hpp"
#include "win32/toolkit_fixture.hpp"
#include "win32/win32_env.hpp"

namespace welmor {
namespace {

using Lines = std::vector<std::string>;
constexpr const char* kScratchKey = "Software\\Brannic\\WelmorUpdateTest";

std::optional<std::string> ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
// Writes the file, or removes it for nothing.
void PutFile(const std::string& path, const std::optional<std::string>& bytes) {
  if (bytes) std::ofstream(path, std::ios::binary) << *bytes;
  if (!bytes) ::DeleteFileA(path.c_str());
}
std::string TempFolder(const char* name) {
  char temp[MAX_PATH] = {};
  ::GetTempPathA(MAX_PATH, temp);
  const std::string folder = temp + (name + std::to_string(::GetCurrentProcessId()));
  ::CreateDirectoryA(folder.c_str(), nullptr);
  return folder;
}

struct PickedFolder : FolderBrowser {
  std::string folder = TempFolder("welmor-save-");
  bool DirectoryExists(const std::string&) override { return true; }
  std::optional<std::string> Browse(const std::string&, const std::string&) override { return folder; }
};

class UpdateCheckWin32 : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(testenv::Env("WELMOR_UPDATE_HOST").empty()) << "start scripts/lib/update-server.sh first";
    ::CreateDirectoryA((root_ + "\\files").c_str(), nullptr);
    ::CreateDirectoryA((root_ + "\\files\\toolbox").c_str(), nullptr);
    PutFile(exeFolder_ + "\\Welmor.exe", "MZ");
    auto key = MakeLocalMachineRegistryKey();  // the host comes from the registry, as a user's would
    ASSERT_TRUE(key->OpenKey(kScratchKey, KeyAccess::CreateForWrite));
    key->WriteString(kUpdateHostValueName, testenv::Env("WELMOR_UPDATE_HOST"));
    services_.Services().folders = &picked_;
  }
  void TearDown() override { MakeLocalMachineRegistryKey()->DeleteKey(kScratchKey); }

  void Serve(const std::string& name, const std::optional<std::string>& bytes) {
    PutFile(root_ + "\\files\\toolbox\\" + name, bytes);
  }
  // The dialogs of one talkative check and the paths the server was asked for.
  std::pair<Lines, Lines> Check() {
    Settings settings;
    settings.AutoUpdate = false;
    UpdateChecker(app_, services_.Services(), settings, {"3", "9", "5", "15"}).CheckForUpdates();
    std::pair<Lines, Lines> seen;
    for (const auto& s : backend_.dialogs.shown) seen.first.push_back(s.kind + ": " + s.text);
    backend_.dialogs.Clear();
    std::string log = ReadFile(root_ + "\\requests.log").value_or("");
    for (std::size_t end; (end = log.find('\n')) != std::string::npos; log.erase(0, end + 1)) {
      seen.second.push_back(log.substr(0, end));
    }
    ::DeleteFileA((root_ + "\\requests.log").c_str());
    return seen;
  }

  HeadlessBackend backend_;  // answers the check's message boxes
  Application app_{backend_};
  std::string root_ = testenv::Env("WELMOR_UPDATE_ROOT"), exeFolder_ = TempFolder("welmor-exe-");
  PickedFolder picked_;
  Win32UpdateServices services_{[] { return HWND{}; },
                                [] { return ReadUpdateHost(*MakeLocalMachineRegistryKey(), kScratchKey); },
                                [this] { return exeFolder_ + "\\Welmor.exe"; }};
};

TEST_F(UpdateCheckWin32, VersionFilesFromTheServerAreReadThenRemoved) {
  const std::pair<std::optional<std::string>, std::string> cases[] = {
      {"[Welmor]\r\nMajor=3\r\nMinor=9\r\nRelease=5\r\nBuild=15\r\nFile=w.rar\r\n",
       "Information: Your Welmor it`s newer / up to date."},
      {"[welmor]\nmajor=4\nMINOR=0\n",
       "Confirm: New version is : 4.0 (0.0).\r\nWould you like to download it ?"},
      {"<html><body><h1>Moved</h1></body></html>\n",
       "Error: Information retrived from server was corupted, please try again later."},
      {"", "Error: Information retrived from server was corupted, please try again later."},
      {std::nullopt, "Error: Information cannot be retrived from the server !"},  // 404
  };
  for (const auto& [file, shown] : cases) {
    Serve("Welmor.ver", file);
    EXPECT_EQ(Check(), std::make_pair(Lines{shown}, Lines{"/toolbox/Welmor.ver"}));
    EXPECT_FALSE(ReadFile(exeFolder_ + "\\Welmor.ver")) << shown;
  }
}

TEST_F(UpdateCheckWin32, TheArchiveArrivesWholeUnderItsFixedNameOrNotAtAll) {
  std::string archive(300 * 1024, '\0');
  std::mt19937 random(7);
  for (char& c : archive) c = static_cast<char>(random());
  Serve("Welmor.ver",
        "[Welmor]\r\nMajor=3\r\nMinor=9\r\nRelease=5\r\nBuild=16\r\nFile=welmor-3.9.5.16.rar\r\n");
  const std::string offer = "Confirm: New version is : 3.9 (5.16).\r\nWould you like to download it ?";
  const std::string target = picked_.folder + "\\Welmor_v3-7.rar";
  for (const auto& [served, shown] :
       {std::make_pair(std::optional(archive), "Information: File was downloaded succesfully !"),
        std::make_pair(std::optional<std::string>(), "Error: File wasn`t downloaded !")}) {
    Serve("welmor-3.9.5.16.rar", served);
    PutFile(target, "the user's own");
    backend_.dialogs.confirmAnswers = {true};
    EXPECT_EQ(Check(), std::make_pair(Lines{offer, shown},
                                      Lines{"/toolbox/Welmor.ver", "/toolbox/welmor-3.9.5.16.rar"}));
    // Replaced only by a whole archive, never by a 404 page or by nothing.
    EXPECT_EQ(ReadFile(target), served.value_or("the user's own")) << shown;
    WIN32_FIND_DATAA found;
    EXPECT_EQ(::FindFirstFileA((picked_.folder + "\\*.tmp").c_str(), &found), INVALID_HANDLE_VALUE);
    ::DeleteFileA(target.c_str());
  }
}

class FolderBrowserWin32 : public testenv::Win32Toolkit {
 protected:
  void TearDown() override {
    ::DestroyWindow(other_);
    Win32Toolkit::TearDown();
  }
  HWND other_ = ::CreateWindowExA(0, "STATIC", "other", WS_POPUP | WS_VISIBLE, 0, 0, 50, 20, nullptr, nullptr,
                                  nullptr, nullptr);
};

TEST_F(FolderBrowserWin32, OkGivesThePreselectedFolderAndCancelKeepsTheText) {
  // A folder nobody changes now: a folder made just before is announced to the
  // open browser, which then rebuilds its tree and loses the selection.
  char windows[MAX_PATH] = {};
  ::GetWindowsDirectoryA(windows, MAX_PATH);
  const UINT modeBefore = ::SetErrorMode(0);
  auto browser = MakeShellFolderBrowser([this] { return Backend().AppWindow(); });
  for (const auto& [button, result] : {std::make_pair(IDOK, true), std::make_pair(IDCANCEL, false)}) {
    HWND owner = nullptr;
    bool otherEnabled = true, captionShown = false;
    UINT errorMode = 0;
    testenv::WhileModal press("#32770", [&](HWND box) {
      owner = ::GetWindow(box, GW_OWNER);
      otherEnabled = ::IsWindowEnabled(other_);
      errorMode = ::SetErrorMode(errorMode);
      ::SetErrorMode(errorMode);
      captionShown = ::FindWindowExA(box, nullptr, nullptr, "Pick the folder") != nullptr;
      ::SendMessageA(::GetDlgItem(box, button), BM_CLICK, 0, 0);
    });
    std::string folder = windows;
    EXPECT_EQ(ChooseFolder(*browser, "Pick the folder", folder), result);
    EXPECT_EQ(folder, windows);
    EXPECT_EQ(owner, Backend().AppWindow());
    EXPECT_TRUE(captionShown);
    EXPECT_FALSE(otherEnabled);
    EXPECT_EQ(errorMode, static_cast<UINT>(SEM_FAILCRITICALERRORS));
    EXPECT_TRUE(::IsWindowEnabled(other_));  // all back as it was
    EXPECT_EQ(::SetErrorMode(0), 0u);
  }
  ::SetErrorMode(modeBefore);
}

}  // namespace
}  // namespace welmor
