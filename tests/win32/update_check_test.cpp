// The update check's Win32 side under Wine: real transfers from the local
// test server (scripts/lib/update-server.sh), the real INI reader and file
// removal, the host taken from the registry, and the shell's folder browser
// answered from inside its modal loop.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "settings/win32/local_machine_registry.hpp"
#include "toolkit/headless/headless_backend.hpp"
#include "update/folder_choice.hpp"
#include "update/update_check.hpp"
#include "update/update_host.hpp"
#include "update/win32/update_services_win32.hpp"
#include "win32/toolkit_fixture.hpp"
#include "win32/win32_env.hpp"
#include "winutil/win32/win32_window_system.hpp"
#include "winutil/window_system.hpp"

namespace welmor {
namespace {

using testenv::Env;
using Lines = std::vector<std::string>;

constexpr const char* kScratchKey = "Software\\Brannic\\WelmorUpdateTest";

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
void WriteAll(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}
bool Exists(const std::string& path) { return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// A fresh folder below the system's temporary folder.
std::string MakeTempFolder(const char* name) {
  char temp[MAX_PATH] = {};
  ::GetTempPathA(MAX_PATH, temp);
  const std::string folder = std::string(temp) + name + std::to_string(::GetCurrentProcessId());
  ::CreateDirectoryA(folder.c_str(), nullptr);
  return folder;
}

class PickedFolder : public FolderBrowser {
 public:
  std::string folder;
  bool DirectoryExists(const std::string&) override { return true; }
  std::optional<std::string> Browse(const std::string&, const std::string&) override { return folder; }
};

class UpdateCheckWin32 : public ::testing::Test {
 protected:
  void SetUp() override {
    host_ = Env("WELMOR_UPDATE_HOST");
    root_ = Env("WELMOR_UPDATE_ROOT");
    ASSERT_FALSE(host_.empty() || root_.empty()) << "start the test server: scripts/lib/update-server.sh";
    ::CreateDirectoryA((root_ + "\\files").c_str(), nullptr);
    ::CreateDirectoryA((root_ + "\\files\\toolbox").c_str(), nullptr);
    exeFolder_ = MakeTempFolder("welmor-exe-");
    saveFolder_ = MakeTempFolder("welmor-save-");
    WriteAll(exeFolder_ + "\\Welmor.exe", "MZ");
    // The check finds the server through the registry, as a user's would.
    auto key = MakeLocalMachineRegistryKey();
    ASSERT_TRUE(key->OpenKey(kScratchKey, true));
    key->WriteString(kUpdateHostValueName, host_);
    services_.emplace([] { return HWND{}; },
                      [] { return ReadUpdateHost(*MakeLocalMachineRegistryKey(), kScratchKey); },
                      [this] { return exeFolder_ + "\\Welmor.exe"; });
    picked_.folder = saveFolder_;
    services_->Services().folders = &picked_;
  }
  void TearDown() override { MakeLocalMachineRegistryKey()->DeleteKey(kScratchKey); }

  void Serve(const std::string& name, const std::optional<std::string>& bytes) {
    const std::string path = root_ + "\\files\\toolbox\\" + name;
    if (bytes) {
      WriteAll(path, *bytes);
    } else {
      ::DeleteFileA(path.c_str());
    }
  }
  Lines Requests() {
    Lines lines;
    {
      std::ifstream in(root_ + "\\requests.log");
      for (std::string line; std::getline(in, line);) lines.push_back(line);
    }
    ::DeleteFileA((root_ + "\\requests.log").c_str());
    return lines;
  }
  Lines Check() {
    Settings settings;
    settings.AutoUpdate = false;
    UpdateChecker(services_->Services(), settings, {"3", "9", "5", "15"}).CheckForUpdates();
    Lines shown;
    for (const auto& s : backend_.dialogs.shown) shown.push_back(s.kind + ": " + s.text);
    backend_.dialogs.Clear();
    return shown;
  }

  std::unique_ptr<WindowSystem> windows_ = MakeWin32WindowSystem();
  ScopedWindowSystem installed_{*windows_};
  HeadlessBackend backend_;  // answers the check's message boxes
  Application app_{backend_};
  std::string host_, root_, exeFolder_, saveFolder_;
  PickedFolder picked_;
  std::optional<Win32UpdateServices> services_;
};

TEST_F(UpdateCheckWin32, VersionFilesFromTheServerAreReadThenRemoved) {
  struct Case {
    const char* name;
    std::optional<std::string> file;
    std::string shown;
  };
  const Case cases[] = {
      {"same version", "[Welmor]\r\nMajor=3\r\nMinor=9\r\nRelease=5\r\nBuild=15\r\nFile=w.rar\r\n",
       "Information: Your Welmor it`s newer / up to date."},
      {"any case", "[welmor]\nmajor=4\nMINOR=0\n",
       "Confirm: New version is : 4.0 (0.0).\r\nWould you like to download it ?"},
      {"HTML page", "<html><body><h1>Moved</h1></body></html>\n",
       "Error: Information retrived from server was corupted, please try again later."},
      {"empty file", "", "Error: Information retrived from server was corupted, please try again later."},
      {"404", std::nullopt, "Error: Information cannot be retrived from the server !"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Serve("Welmor.ver", c.file);
    EXPECT_EQ(Check(), Lines{c.shown});
    EXPECT_EQ(Requests(), Lines{"/toolbox/Welmor.ver"});
    EXPECT_FALSE(Exists(exeFolder_ + "\\Welmor.ver"));
  }
}

TEST_F(UpdateCheckWin32, TheArchiveArrivesWholeUnderItsFixedNameOrNotAtAll) {
  std::string archive(300 * 1024, '\0');
  std::mt19937 random(7);
  for (char& c : archive) c = static_cast<char>(random());
  const std::string offer = "Confirm: New version is : 3.9 (5.16).\r\nWould you like to download it ?";
  Serve("Welmor.ver",
        "[Welmor]\r\nMajor=3\r\nMinor=9\r\nRelease=5\r\nBuild=16\r\nFile=welmor-3.9.5.16.rar\r\n");
  struct Case {
    std::optional<std::string> served;
    std::string shown;
  };
  for (const Case& c : {Case{archive, "Information: File was downloaded succesfully !"},
                        Case{std::nullopt, "Error: File wasn`t downloaded !"}}) {
    SCOPED_TRACE(c.shown);
    Serve("welmor-3.9.5.16.rar", c.served);
    backend_.dialogs.confirmAnswers = {true};
    EXPECT_EQ(Check(), (Lines{offer, c.shown}));
    EXPECT_EQ(Requests(), (Lines{"/toolbox/Welmor.ver", "/toolbox/welmor-3.9.5.16.rar"}));
    const std::string target = saveFolder_ + "\\Welmor_v3-7.rar";
    EXPECT_EQ(Exists(target), c.served.has_value());
    EXPECT_TRUE(ReadAll(target) == c.served.value_or(""));
    ::DeleteFileA(target.c_str());
  }
}

// The browser, its owner and the rest of the program while it is open.
struct BrowserSeen {
  bool found = false;
  HWND owner = nullptr;
  bool otherWindowEnabled = true;
  UINT errorMode = 0;
  bool captionShown = false;
};

class FolderBrowserWin32 : public testenv::Win32Toolkit {
 protected:
  // Opens the browser at folder and presses button on it once it is up.
  bool Choose(std::string& folder, int button) {
    auto browser = MakeShellFolderBrowser([this] { return Backend().AppWindow(); });
    testenv::WhileModal press("#32770", [&](HWND box) {
      seen_.found = true;
      seen_.owner = ::GetWindow(box, GW_OWNER);
      seen_.otherWindowEnabled = ::IsWindowEnabled(other_) != FALSE;
      seen_.errorMode = ::SetErrorMode(0);
      ::SetErrorMode(seen_.errorMode);
      ::EnumChildWindows(box, &FindCaption, reinterpret_cast<LPARAM>(&seen_));
      ::SendMessageA(::GetDlgItem(box, button), BM_CLICK, 0, 0);
    });
    return ChooseFolder(*browser, "Pick the folder", folder);
  }
  static BOOL CALLBACK FindCaption(HWND child, LPARAM seen) {
    if (testenv::WindowText(child) == "Pick the folder")
      reinterpret_cast<BrowserSeen*>(seen)->captionShown = true;
    return TRUE;
  }

  void SetUp() override {
    Win32Toolkit::SetUp();
    other_ = ::CreateWindowExA(0, "STATIC", "other", WS_POPUP | WS_VISIBLE, 0, 0, 50, 20, nullptr, nullptr,
                               nullptr, nullptr);
  }
  void TearDown() override {
    ::DestroyWindow(other_);
    Win32Toolkit::TearDown();
  }

  HWND other_ = nullptr;
  BrowserSeen seen_;
};

TEST_F(FolderBrowserWin32, OkGivesThePreselectedFolderAndCancelKeepsTheText) {
  // A folder nobody changes now: one made just before would be announced to
  // the open browser, which then rebuilds its tree and loses the selection.
  char windows[MAX_PATH] = {};
  ::GetWindowsDirectoryA(windows, MAX_PATH);
  const std::string target = windows;
  const UINT modeBefore = ::SetErrorMode(0);
  struct Case {
    int button;
    bool result;
  };
  for (const Case c : {Case{IDOK, true}, Case{IDCANCEL, false}}) {
    SCOPED_TRACE(c.button);
    seen_ = {};
    std::string folder = target;
    EXPECT_EQ(Choose(folder, c.button), c.result);
    EXPECT_EQ(folder, target);
    EXPECT_TRUE(seen_.found);
    EXPECT_EQ(seen_.owner, Backend().AppWindow());
    EXPECT_TRUE(seen_.captionShown);
    EXPECT_FALSE(seen_.otherWindowEnabled);
    EXPECT_EQ(seen_.errorMode & SEM_FAILCRITICALERRORS, static_cast<UINT>(SEM_FAILCRITICALERRORS));
    EXPECT_TRUE(::IsWindowEnabled(other_));
    EXPECT_EQ(::SetErrorMode(0), 0u);
  }
  ::SetErrorMode(modeBefore);
}

}  // namespace
}  // namespace welmor
