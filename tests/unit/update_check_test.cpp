// The update check over a scripted server, disk and user: every outcome in
// both modes, the version comparison, the conversion failures, the folder
// choice and the menu command's flag.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "fakes/fake_version_source.hpp"
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

using Values = std::map<std::string, std::string>;  // keys of the "Welmor" section
using Lines = std::vector<std::string>;

constexpr const char* kExe = "C:\\PROGRA~1\\WELMOR\\Welmor.exe";
constexpr const char* kVerPath = "C:\\PROGRA~1\\WELMOR\\Welmor.ver";
constexpr const char* kVerUrl = "http://host.test:8080/toolbox/Welmor.ver";

// The network, the disk and the folder browser in one: a version file the
// server serves, files by path, and the folder the user picks.
class FakePlatform : public ConnectionState,
                     public Downloader,
                     public IniReader,
                     public FileRemover,
                     public FolderBrowser {
 public:
  bool offline = false;
  std::optional<Values> versionFile;  // nothing: the transfer fails
  bool archiveArrives = true;
  std::optional<std::string> pick;  // nothing: the user cancels
  std::vector<std::string> existingDirs = {"C:\\", "D:\\Downloads"};
  std::map<std::string, Values> disk;
  Lines requests;       // "url -> path"
  Lines browsedAt;      // the initial folder of each browse
  std::string caption;  // of the last browse

  bool IsOffline() override { return offline; }
  bool DownloadToFile(const std::string& url, const std::string& path) override {
    requests.push_back(url + " -> " + path);
    if (url == kVerUrl) {
      if (versionFile) disk[path] = *versionFile;
      return versionFile.has_value();
    }
    if (archiveArrives) disk[path] = {};
    return archiveArrives;
  }
  std::string ReadString(const std::string& file, const std::string& section,
                         const std::string& key) override {
    auto it = disk.find(file);
    if (it == disk.end() || section != "Welmor" || !it->second.count(key)) return "";
    return it->second.at(key);
  }
  void RemoveFile(const std::string& path) override { disk.erase(path); }
  bool DirectoryExists(const std::string& path) override {
    return std::find(existingDirs.begin(), existingDirs.end(), path) != existingDirs.end();
  }
  std::optional<std::string> Browse(const std::string& title, const std::string& initial) override {
    caption = title;
    browsedAt.push_back(initial);
    return pick;
  }

  UpdateServices Services() {
    return UpdateServices{this, this, this, this, this, [] { return "host.test:8080"; }, [] { return kExe; }};
  }
};

Values Version(const char* major, const char* minor, const char* release, const char* build) {
  return {{"Major", major}, {"Minor", minor}, {"Release", release}, {"Build", build}, {"File", "w38.rar"}};
}

class UpdateCheck : public ::testing::Test {
 protected:
  UpdateCheck() : app_(backend_) {}

  // Runs one check; the dialogs it showed, as "Kind: text".
  Lines Check(bool quiet, VersionTexts running = {"3", "9", "5", "15"}) {
    settings_.AutoUpdate = quiet;
    services_ = platform_.Services();
    UpdateChecker(services_, settings_, running).CheckForUpdates();
    Lines shown;
    for (const auto& s : backend_.dialogs.shown) shown.push_back(s.kind + ": " + s.text);
    backend_.dialogs.Clear();
    return shown;
  }

  HeadlessBackend backend_;
  Application app_;
  FakePlatform platform_;
  UpdateServices services_;
  Settings settings_;
};

const std::string kOffer = "Confirm: New version is : 3.9 (5.16).\r\nWould you like to download it ?";
const std::string kArchiveUrl = "http://host.test:8080/toolbox/w38.rar";

TEST_F(UpdateCheck, EachOutcomeInTalkativeAndQuietMode) {
  struct Case {
    const char* name;
    bool offline;
    std::optional<Values> file;
    bool yes;
    std::optional<std::string> pick;
    bool arrives;
    Lines talkative, quiet;
  };
  const Values newer = Version("3", "9", "5", "16");
  const Case cases[] = {
      {"off-line", true, newer, true, "C:\\", true, {"Error: Connection with server cannot be made !"}, {}},
      {"failed transfer",
       false,
       std::nullopt,
       true,
       "C:\\",
       true,
       {"Error: Information cannot be retrived from the server !"},
       {}},
      {"corrupted",
       false,
       Values{{"File", "x.rar"}},
       true,
       "C:\\",
       true,
       {"Error: Information retrived from server was corupted, please try again later."},
       {"Error: Information retrived from server was corupted, please try again later."}},
      {"up to date",
       false,
       Version("3", "9", "5", "15"),
       true,
       "C:\\",
       true,
       {"Information: Your Welmor it`s newer / up to date."},
       {}},
      {"newer, No", false, newer, false, "C:\\", true, {kOffer}, {kOffer}},
      {"newer, Yes, success",
       false,
       newer,
       true,
       "C:\\",
       true,
       {kOffer, "Information: File was downloaded succesfully !"},
       {kOffer, "Information: File was downloaded succesfully !"}},
      {"newer, Yes, cancel",
       false,
       newer,
       true,
       std::nullopt,
       true,
       {kOffer, "Error: File wasn`t downloaded !"},
       {kOffer, "Error: File wasn`t downloaded !"}},
      {"newer, Yes, failure",
       false,
       newer,
       true,
       "C:\\",
       false,
       {kOffer, "Error: File wasn`t downloaded !"},
       {kOffer, "Error: File wasn`t downloaded !"}},
  };
  for (const Case& c : cases) {
    for (bool quiet : {false, true}) {
      SCOPED_TRACE(std::string(c.name) + (quiet ? " quiet" : " talkative"));
      platform_ = FakePlatform{};
      platform_.offline = c.offline;
      platform_.versionFile = c.file;
      platform_.pick = c.pick;
      platform_.archiveArrives = c.arrives;
      backend_.dialogs.confirmAnswers = {c.yes};
      EXPECT_EQ(Check(quiet), quiet ? c.quiet : c.talkative);
      EXPECT_EQ(platform_.disk.count(kVerPath), 0u) << "the version file is removed after reading";
    }
  }
}

TEST_F(UpdateCheck, TransfersGoToTheirFixedPathsAndNames) {
  platform_.versionFile = Version("4", "0", "0", "0");
  platform_.versionFile->at("File") = "Any Name.zip";
  platform_.pick = "C:\\";
  backend_.dialogs.confirmAnswers = {true};
  Check(false);
  EXPECT_EQ(platform_.requests, (Lines{std::string(kVerUrl) + " -> " + kVerPath,
                                       "http://host.test:8080/toolbox/Any Name.zip -> C:\\Welmor_v3-7.rar"}));
  EXPECT_EQ(platform_.caption, "Download update to...");
  EXPECT_EQ(platform_.browsedAt, (Lines{""}));
}

TEST_F(UpdateCheck, VersionsCompareAsNumbersInTheirOrder) {
  struct Case {
    Values file;
    VersionTexts running;
    std::string shown;
  };
  const std::string upToDate = "Information: Your Welmor it`s newer / up to date.";
  const std::string corrupted =
      "Error: Information retrived from server was corupted, please try again later.";
  const auto offer = [](const char* v) {
    return std::string("Confirm: New version is : ") + v + ".\r\nWould you like to download it ?";
  };
  const Case cases[] = {
      {Version("3", "9", "5", "15"), {"3", "9", "5", "15"}, upToDate},
      {Version("3", "9", "5", "16"), {"3", "9", "5", "15"}, offer("3.9 (5.16)")},
      {Version("3", "10", "0", "0"), {"3", "9", "5", "15"}, offer("3.10 (0.0)")},
      {Version("4", "0", "0", "0"), {"3", "9", "5", "15"}, offer("4.0 (0.0)")},
      {Version("3", "8", "0", "99"), {"3", "9", "5", "15"}, upToDate},
      {Version("abc", "9", "9", "99"), {"3", "9", "5", "15"}, corrupted},
      // "-1" is no digit text, so it counts as 0 (not as -1, which would be older).
      {Version("3", "9", "-1", "16"), {"3", "9", "0", "15"}, offer("3.9 (0.16)")},
      {Version("3", "9", "", "16"), {"3", "9", "0", "15"}, offer("3.9 (0.16)")},
      // The running version's parts are signed.
      {Version("3", "9", "5", "15"), {"3", "9", "-6", "15"}, offer("3.9 (5.15)")},
      {Version("2147483647", "0", "0", "0"), {"3", "9", "5", "15"}, offer("2147483647.0 (0.0)")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file.at("Major") + "." + c.file.at("Minor") + "." + c.file.at("Release") + "." +
                 c.file.at("Build"));
    platform_.versionFile = c.file;
    EXPECT_EQ(Check(false, c.running), Lines{c.shown});
  }
}

TEST_F(UpdateCheck, UnconvertibleTextsStopTheCheckWithTheConversionMessage) {
  struct Case {
    Values file;
    VersionTexts running;
    std::string message;
    bool fileLeft;
  };
  const Case cases[] = {
      {Version("3", "4294967296", "0", "0"),
       {"3", "9", "5", "15"},
       "'4294967296' is not a valid integer value",
       true},
      {Version("2147483648", "0", "0", "0"),
       {"3", "9", "5", "15"},
       "'2147483648' is not a valid integer value",
       true},
      {Version("3", "9", "5", "16"), {"", "", "", ""}, "'' is not a valid integer value", false},
      {Version("3", "9", "5", "16"), {"3", "9", "5a", "15"}, "'5a' is not a valid integer value", false},
      // Even a corrupted file cannot be reported without the running version.
      {Values{}, {"3", "", "5", "15"}, "'' is not a valid integer value", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    platform_.versionFile = c.file;
    settings_.AutoUpdate = false;
    services_ = platform_.Services();
    try {
      UpdateChecker(services_, settings_, c.running).CheckForUpdates();
      ADD_FAILURE() << "no conversion error";
    } catch (const EConvertError& e) {
      EXPECT_EQ(std::string(e.what()), c.message);
    }
    EXPECT_EQ(platform_.disk.count(kVerPath), c.fileLeft ? 1u : 0u);
    EXPECT_EQ(backend_.dialogs.shown.size(), 0u);
    platform_.disk.clear();
  }
}

TEST(UpdateTexts, StrToIntTakesSignedWholeNumbersInRange) {
  const std::pair<const char*, int32_t> good[] = {
      {"0", 0}, {"15", 15}, {"-1", -1}, {"+7", 7}, {"2147483647", 2147483647}, {"-2147483648", INT32_MIN}};
  for (const auto& [text, value] : good) EXPECT_EQ(StrToInt(text), value) << text;
  for (const char* bad :
       {"", "-", "+", "2147483648", "-2147483649", "99999999999999999999", "1.5", " 1", "0x1"}) {
    EXPECT_THROW(StrToInt(bad), EConvertError) << bad;
  }
}

TEST(UpdateTexts, ReadIniStringGivesZeroForNothingAndAtMost2047Characters) {
  FakePlatform disk;
  disk.disk["a.ini"] = {{"Empty", ""}, {"Text", "w 3.rar"}, {"Long", std::string(3000, '7')}};
  EXPECT_EQ(ReadIniString(disk, "a.ini", "Welmor", "Missing"), "0");
  EXPECT_EQ(ReadIniString(disk, "a.ini", "Welmor", "Empty"), "0");
  EXPECT_EQ(ReadIniString(disk, "b.ini", "Welmor", "Text"), "0");
  EXPECT_EQ(ReadIniString(disk, "a.ini", "Other", "Text"), "0");
  EXPECT_EQ(ReadIniString(disk, "a.ini", "Welmor", "Text"), "w 3.rar");
  EXPECT_EQ(ReadIniString(disk, "a.ini", "Welmor", "Long"), std::string(2047, '7'));
}

TEST(UpdateFolder, ChooseFolderStartsOnlyAtAnExistingFolderAndKeepsTheTextOnCancel) {
  struct Case {
    std::string folder;
    std::optional<std::string> pick;
    std::string startedAt;
    bool result;
    std::string folderAfter;
  };
  const Case cases[] = {
      {"D:\\Downloads", "E:\\x", "D:\\Downloads", true, "E:\\x"},
      {"D:\\Gone", "E:\\x", "", true, "E:\\x"},
      {"D:\\Downloads", std::nullopt, "D:\\Downloads", false, "D:\\Downloads"},
      {"", "", "", false, ""},  // an item without a file-system path
  };
  for (const Case& c : cases) {
    FakePlatform browser;
    browser.pick = c.pick;
    std::string folder = c.folder;
    EXPECT_EQ(ChooseFolder(browser, "T", folder), c.result) << c.folder;
    EXPECT_EQ(browser.browsedAt, Lines{c.startedAt});
    EXPECT_EQ(folder, c.folderAfter);
  }
  EXPECT_EQ(ArchiveTarget("C:\\"), "C:\\Welmor_v3-7.rar");
  EXPECT_EQ(ArchiveTarget("D:\\Downloads"), "D:\\Downloads\\Welmor_v3-7.rar");
}

TEST_F(UpdateCheck, MenuCommandFlipsTheModeAndChecksInTheNewOneOnlyOnYes) {
  FakeVersionSource version;
  version.SetEnglishTable("3.9.5.15");
  TAppInfo info(nullptr, version);
  platform_.offline = true;  // only talkative mode says so
  services_ = platform_.Services();
  settings_.AutoUpdate = true;
  struct Step {
    bool yes;
    bool autoUpdateAfter;
    Lines shown;
  };
  const std::string ask = "Confirm: Do you want to check for updates now ?";
  const Step steps[] = {
      {false, false, {ask}},
      {false, true, {ask}},
      {true, false, {ask, "Error: Connection with server cannot be made !"}},
      {true, true, {ask}},
  };
  for (const Step& step : steps) {
    backend_.dialogs.confirmAnswers = {step.yes};
    UpdatesMenuClick(settings_, &services_, info);
    EXPECT_EQ(settings_.AutoUpdate, step.autoUpdateAfter);
    Lines shown;
    for (const auto& s : backend_.dialogs.shown) shown.push_back(s.kind + ": " + s.text);
    EXPECT_EQ(shown, step.shown);
    backend_.dialogs.Clear();
  }
  EXPECT_TRUE(platform_.requests.empty());
}

TEST_F(UpdateCheck, AConversionErrorOfTheCommandReachesTheDefaultErrorBox) {
  FakeVersionSource version;  // a language without an English table: empty texts
  TAppInfo info(nullptr, version);
  platform_.versionFile = Version("3", "9", "5", "16");
  services_ = platform_.Services();
  backend_.dialogs.confirmAnswers = {true};
  Application::Dispatch([&] { UpdatesMenuClick(settings_, &services_, info); });
  ASSERT_EQ(backend_.dialogs.shown.size(), 2u);
  EXPECT_EQ(backend_.dialogs.shown[1].kind, "Error");
  EXPECT_EQ(backend_.dialogs.shown[1].text, "'' is not a valid integer value");
}

TEST(UpdateHost, ReadFromTheSettingsKeyWhenItIsAText) {
  struct Case {
    std::optional<RegistryValue> value;
    std::string host;
  };
  const Case cases[] = {
      {std::nullopt, "www.brannic.example"},
      {RegistryValue::FromText("127.0.0.1:8080"), "127.0.0.1:8080"},
      {RegistryValue::FromText(""), "www.brannic.example"},
      {RegistryValue::FromDword(1), "www.brannic.example"},
  };
  for (const Case& c : cases) {
    MemoryRegistry registry;
    registry.PutString(kSettingsKeyPath, "Version", "3.9.5.15");
    if (c.value) registry.Put(kSettingsKeyPath, "UpdateHost", *c.value);
    EXPECT_EQ(ReadUpdateHost(*registry.Factory()(), kSettingsKeyPath), c.host);
    EXPECT_TRUE(registry.writeLog.empty());
    EXPECT_EQ(registry.Get(kSettingsKeyPath, "UpdateHost"), c.value);
  }
  MemoryRegistry empty;
  EXPECT_EQ(ReadUpdateHost(*empty.Factory()(), kSettingsKeyPath), "www.brannic.example");
  EXPECT_FALSE(empty.HasKey(kSettingsKeyPath));
}

}  // namespace
}  // namespace welmor
