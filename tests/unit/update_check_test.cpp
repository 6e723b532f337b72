// The update check over a scripted server, disk and user: every outcome in
// both modes, the version comparison, the conversion failures, the folder
// choice, the server's host and the menu command's flag.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>

#include "fakes/fake_version_source.hpp"
#include "fakes/memory_files.hpp"
#include "fakes/memory_registry.hpp"
#include "settings/settings_store.hpp"
#include "toolkit/application.hpp"
#include "toolkit/headless/headless_backend.hpp"
#include "update/folder_choice.hpp"
#include "update/ini_file.hpp"
#include "update/integer_text.hpp"
#include "update/update_check.hpp"
#include "update/update_host.hpp"
#include "update/updates_command.hpp"

namespace welmor {
namespace {

using Values = std::map<std::string, std::string>;  // the "Welmor" section
using Lines = std::vector<std::string>;
constexpr const char* kVerPath = "C:\\PROGRA~1\\WELMOR\\Welmor.ver";
constexpr const char* kVerUrl = "http://host.test:8080/toolbox/Welmor.ver";

// The server's version file, the disk by path and the user's folder pick.
struct FakePlatform : ConnectionState, Downloader, IniReader, MemoryFiles, FolderBrowser {
  bool offline = false;
  std::optional<Values> versionFile;  // nothing: the transfer fails
  bool archiveArrives = true;
  std::optional<std::string> pick = "C:\\";  // nothing: cancelled
  std::string exe = "C:\\PROGRA~1\\WELMOR\\Welmor.exe";
  Lines requests, browsedAt;

  bool IsOffline() override { return offline; }
  bool DownloadToFile(const std::string& url, const std::string& path) override {
    requests.push_back(url + " -> " + path);
    const bool ok = url == kVerUrl ? versionFile.has_value() : archiveArrives;
    if (url != kVerUrl) disk[path] = {{"arrived", ok ? "whole" : "in part"}};  // a failed one leaves a part
    if (url == kVerUrl && ok) disk[path] = *versionFile;
    return ok;
  }
  std::string ReadString(const std::string& file, const std::string& section,
                         const std::string& key) override {
    const auto it = disk.find(file);
    return it == disk.end() || section != "Welmor" || !it->second.count(key) ? "" : it->second.at(key);
  }
  bool DirectoryExists(const std::string& path) override { return path == "C:\\" || path == "D:\\Downloads"; }
  std::optional<std::string> Browse(const std::string& caption, const std::string& initial) override {
    browsedAt.push_back(caption + "|" + initial);
    return pick;
  }
  UpdateServices Services() {
    return {this, this, this, this, this, [] { return "host.test:8080"; }, [this] { return exe; }};
  }
};

Values Version(const char* major, const char* minor, const char* release, const char* build) {
  return {{"Major", major}, {"Minor", minor}, {"Release", release}, {"Build", build}, {"File", "w38.rar"}};
}
std::string Offer(const char* v) {
  return std::string("Confirm: New version is : ") + v + ".\r\nWould you like to download it ?";
}
const std::string kUpToDate = "Information: Your Welmor it`s newer / up to date.";
const std::string kCorrupted =
    "Error: Information retrived from server was corupted, please try again later.";

class UpdateCheck : public ::testing::Test {
 protected:
  // The dialogs shown since the last call, as "Kind: text".
  Lines Shown() {
    Lines shown;
    for (const auto& s : backend_.dialogs.shown) shown.push_back(s.kind + ": " + s.text);
    backend_.dialogs.Clear();
    return shown;
  }
  Lines Check(bool quiet, VersionTexts running = {"3", "9", "5", "15"}) {
    settings_.AutoUpdate = quiet;
    services_ = platform_.Services();
    UpdateChecker(app_, services_, settings_, running).CheckForUpdates();
    return Shown();
  }

  HeadlessBackend backend_;
  Application app_{backend_};
  FakePlatform platform_;
  UpdateServices services_;
  Settings settings_;
};

TEST_F(UpdateCheck, EachOutcomeInTalkativeAndQuietMode) {
  struct Case {
    const char* name;
    bool offline;
    std::optional<Values> file;
    bool yes;
    std::optional<std::string> pick;
    bool arrives;
    Lines talkative;
    bool quietSaysNothing;
    std::string exe = "C:\\PROGRA~1\\WELMOR\\Welmor.exe";
  };
  const Values newer = Version("3", "9", "5", "16");
  const std::string offer = Offer("3.9 (5.16)"), failed = "Error: File wasn`t downloaded !";
  const std::string saved = "Information: File was downloaded succesfully !";
  const Lines noFile = {"Error: Information cannot be retrived from the server !"};
  const Case cases[] = {
      {"off-line", true, newer, true, "C:\\", true, {"Error: Connection with server cannot be made !"}, true},
      {"no transfer", false, {}, true, "C:\\", true, noFile, true},
      {"corrupted", false, Values{{"File", "x.rar"}}, true, "C:\\", true, {kCorrupted}, false},
      {"up to date", false, Version("3", "9", "5", "15"), true, "C:\\", true, {kUpToDate}, true},
      {"newer, No", false, newer, false, "C:\\", true, {offer}, false},
      {"saved", false, newer, true, "C:\\", true, {offer, saved}, false},
      {"cancelled", false, newer, true, std::nullopt, true, {offer, failed}, false},
      {"not saved", false, newer, true, "C:\\", false, {offer, failed}, false},
      {"no program folder", false, newer, true, "C:\\", true, noFile, true, ""},
  };
  const std::string archive = "C:\\Welmor_v3-7.rar";
  for (const Case& c : cases) {
    for (bool quiet : {false, true}) {
      SCOPED_TRACE(std::string(c.name) + (quiet ? " quiet" : " talkative"));
      platform_ = FakePlatform{};
      platform_.offline = c.offline;
      platform_.versionFile = c.file;
      platform_.pick = c.pick;
      platform_.archiveArrives = c.arrives;
      platform_.exe = c.exe;
      platform_.disk[archive] = {{"kept", "1"}};
      backend_.dialogs.confirmAnswers = {c.yes};
      EXPECT_EQ(Check(quiet), quiet && c.quietSaysNothing ? Lines{} : c.talkative);
      // Only the archive is left: the new one when it arrived whole, else the one the user had.
      const Values left = c.talkative.back() == saved ? Values{{"arrived", "whole"}} : Values{{"kept", "1"}};
      EXPECT_EQ(platform_.disk, (std::map<std::string, Values>{{archive, left}}));
    }
  }
}

TEST_F(UpdateCheck, TransfersUseTheFixedPathsTheServersNameAndTheFixedLocalName) {
  platform_.versionFile = Version("4", "0", "0", "0");
  platform_.versionFile->at("File") = "Any Name.zip";
  // Picked folder, the transfer's own file, where the archive ends up. Only
  // "X:\" and "\\server\share\" are roots; D: 0x95 0x5C is a folder whose
  // double-byte name ends in a "\" byte.
  const struct {
    std::string folder, part, target;
  } folders[] = {
      {"C:\\", "C:\\wel1.tmp", "C:\\Welmor_v3-7.rar"},
      {"D:\\Downloads", "D:\\Downloads\\wel1.tmp", "D:\\Downloads\\Welmor_v3-7.rar"},
      {"D:\\\x95\\", "D:\\\x95\\wel1.tmp", "D:\\\x95\\\\Welmor_v3-7.rar"},
      {"\\\\srv\\share\\", "\\\\srv\\share\\wel1.tmp", "\\\\srv\\share\\Welmor_v3-7.rar"},
  };
  for (const auto& f : folders) {
    platform_.pick = f.folder;
    platform_.requests.clear();
    platform_.disk.clear();
    backend_.dialogs.confirmAnswers = {true};
    Check(false);
    EXPECT_EQ(platform_.requests, (Lines{std::string(kVerUrl) + " -> " + kVerPath,
                                         "http://host.test:8080/toolbox/Any Name.zip -> " + f.part}));
    EXPECT_EQ(platform_.disk.size(), 1u);
    EXPECT_EQ(platform_.disk.count(f.target), 1u) << f.target;
  }
  EXPECT_EQ(platform_.browsedAt, (Lines(4, "Download update to...|")));
}

TEST_F(UpdateCheck, VersionsCompareAsSignedNumbersInTheirOrder) {
  const struct {
    Values file;
    VersionTexts running;
    std::string shown;
  } cases[] = {
      {Version("3", "9", "5", "15"), {"3", "9", "5", "15"}, kUpToDate},
      {Version("3", "9", "5", "16"), {"3", "9", "5", "15"}, Offer("3.9 (5.16)")},
      {Version("3", "10", "0", "0"), {"3", "9", "5", "15"}, Offer("3.10 (0.0)")},
      {Version("4", "0", "0", "0"), {"3", "9", "5", "15"}, Offer("4.0 (0.0)")},
      {Version("3", "8", "0", "99"), {"3", "9", "5", "15"}, kUpToDate},
      {Version("abc", "9", "9", "99"), {"3", "9", "5", "15"}, kCorrupted},
      // "-1" and "" are no digit texts: 0, not -1 (which would be older).
      {Version("3", "9", "-1", "16"), {"3", "9", "0", "15"}, Offer("3.9 (0.16)")},
      {Version("3", "9", "", "16"), {"3", "9", "0", "15"}, Offer("3.9 (0.16)")},
      {Version("3", "9", "5", "15"), {"3", "9", "-6", "15"}, Offer("3.9 (5.15)")},
      {Version("2147483647", "0", "0", "0"), {"3", "9", "5", "15"}, Offer("2147483647.0 (0.0)")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.shown);
    platform_.versionFile = c.file;
    EXPECT_EQ(Check(false, c.running), Lines{c.shown});
  }
}

TEST_F(UpdateCheck, UnconvertibleTextsStopTheCheckThroughTheDefaultErrorBox) {
  FakeVersionSource english, other;  // another language leaves the version texts empty
  english.SetEnglishTable("3.9.5.15");
  const struct {
    Values file;
    FakeVersionSource& running;
    const char* text;
    bool fileLeft;
  } cases[] = {
      {Version("3", "4294967296", "0", "0"), english, "4294967296", true},
      {Version("2147483648", "0", "0", "0"), english, "2147483648", true},
      {Version("3", "9", "5", "16"), other, "", false},
      {Values{}, other, "", false},  // even a corrupted file
  };
  for (const auto& c : cases) {
    TAppInfo info(nullptr, c.running);
    platform_.versionFile = c.file;
    services_ = platform_.Services();
    backend_.dialogs.confirmAnswers = {true};
    Application::Dispatch(app_, [&] { UpdatesMenuClick(app_, settings_, &services_, info); });
    const std::string message = "Error: '" + std::string(c.text) + "' is not a valid integer value";
    EXPECT_EQ(Shown(), (Lines{"Confirm: Do you want to check for updates now ?", message}));
    EXPECT_EQ(platform_.disk.count(kVerPath), c.fileLeft ? 1u : 0u) << c.text;
    platform_.disk.clear();
  }
  for (const char* bad : {"", "-", "5a", " 1", "1.5", "-2147483649", "99999999999999999999"}) {
    EXPECT_THROW(StrToInt(bad), EConvertError) << bad;
  }
  EXPECT_EQ(StrToInt("-2147483648"), INT32_MIN);
  EXPECT_EQ(StrToInt("+7"), 7);
}

TEST_F(UpdateCheck, MenuCommandFlipsTheModeAndChecksInTheNewOneOnlyOnYes) {
  FakeVersionSource version;
  version.SetEnglishTable("3.9.5.15");
  TAppInfo info(nullptr, version);
  platform_.offline = true;  // only talkative mode says so
  services_ = platform_.Services();
  const std::string ask = "Confirm: Do you want to check for updates now ?";
  const struct {
    bool yes, autoUpdateAfter;
    Lines shown;
  } steps[] = {{false, false, {ask}},
               {false, true, {ask}},
               {true, false, {ask, "Error: Connection with server cannot be made !"}},
               {true, true, {ask}}};
  for (const auto& step : steps) {
    backend_.dialogs.confirmAnswers = {step.yes};
    UpdatesMenuClick(app_, settings_, &services_, info);
    EXPECT_EQ(settings_.AutoUpdate, step.autoUpdateAfter);
    EXPECT_EQ(Shown(), step.shown);
  }
}

TEST(UpdateParts, IniValuesFolderChoiceAndHost) {
  FakePlatform platform;
  platform.disk["a.ini"] = {{"Empty", ""}, {"Text", "w 3.rar"}, {"Long", std::string(3000, '7')}};
  EXPECT_EQ(ReadIniString(platform, "a.ini", "Welmor", "Missing"), "0");
  EXPECT_EQ(ReadIniString(platform, "a.ini", "Welmor", "Empty"), "0");
  EXPECT_EQ(ReadIniString(platform, "b.ini", "Welmor", "Text"), "0");
  EXPECT_EQ(ReadIniString(platform, "a.ini", "Welmor", "Text"), "w 3.rar");
  EXPECT_EQ(ReadIniString(platform, "a.ini", "Welmor", "Long"), std::string(2047, '7'));

  // Starting folder, answer -> result, folder text afterwards.
  const struct {
    const char* folder;
    std::optional<std::string> pick;
    const char* browsedAt;
    bool result;
    const char* after;
  } choices[] = {{"D:\\Downloads", "E:\\x", "T|D:\\Downloads", true, "E:\\x"},
                 {"D:\\Gone", "E:\\x", "T|", true, "E:\\x"},
                 {"D:\\Downloads", std::nullopt, "T|D:\\Downloads", false, "D:\\Downloads"},
                 {"", "", "T|", false, ""}};  // an item without a file-system path
  for (const auto& c : choices) {
    platform.pick = c.pick;
    platform.browsedAt.clear();
    std::string folder = c.folder;
    EXPECT_EQ(ChooseFolder(platform, "T", folder), c.result) << c.folder;
    EXPECT_EQ(platform.browsedAt, Lines{c.browsedAt});
    EXPECT_EQ(folder, c.after);
  }

  const std::pair<std::optional<RegistryValue>, const char*> hosts[] = {
      {std::nullopt, kDefaultUpdateHost},
      {RegistryValue::FromText("127.0.0.1:8080"), "127.0.0.1:8080"},
      {RegistryValue::FromText(""), kDefaultUpdateHost},
      {RegistryValue::FromDword(1), kDefaultUpdateHost}};
  for (const auto& [value, host] : hosts) {
    MemoryRegistry registry;
    registry.CreateKey(kSettingsKeyPath);
    if (value) registry.Put(kSettingsKeyPath, "UpdateHost", *value);
    EXPECT_EQ(ReadUpdateHost(*registry.Factory()(), kSettingsKeyPath), host);
    EXPECT_TRUE(registry.writeLog.empty());
    EXPECT_EQ(registry.Get(kSettingsKeyPath, "UpdateHost"), value);
  }
}

}  // namespace
}  // namespace welmor
