#pragma once
// TfrmAbout: name, icon, version, description, the date of the program's
// file, the web and mail links and the copyright, in a small borderless
// window in the widget's colours, shown modally. Escape closes it; the bare
// panel, the name and the description drag it.

#include <cstdint>

#include "sysinfo/probes.hpp"
#include "toolkit/bevel.hpp"
#include "toolkit/form.hpp"
#include "toolkit/label.hpp"
#include "toolkit/panel.hpp"
#include "toolkit/picture.hpp"
#include "versioninfo/app_info.hpp"
#include "windows/about_platform.hpp"

namespace welmor {

inline constexpr const char* kAboutTitle = "About";
inline constexpr int32_t kAboutClientWidth = 291;
inline constexpr int32_t kAboutClientHeight = 179;

class TfrmAbout : public Form {
 public:
  // appInfo, background, platform and probes outlive the window; the version
  // texts and the colour are read at every showing.
  TfrmAbout(Component* owner, const TAppInfo& appInfo, const Control& background, AboutPlatform& platform,
            Probes& probes);

  void CreateParams(CreateParamsRec& params) override;

  void FormShow(Component& sender);
  void FormKeyDown(Control& sender, uint16_t& key, uint32_t shift);
  void pnl_MainMouseMove(Control& sender, uint32_t shift, int32_t x, int32_t y);
  void txt_NameMouseMove(Control& sender, uint32_t shift, int32_t x, int32_t y);
  void txt_DescriptionMouseMove(Control& sender, uint32_t shift, int32_t x, int32_t y);
  void txtWebMouseEnter(Component& sender);
  void txtWebMouseLeave(Component& sender);
  void txtEmailMouseEnter(Component& sender);
  void txtEmailMouseLeave(Component& sender);
  void txtWebClick(Component& sender);
  void txtEmailClick(Component& sender);

  Panel* pnl_Main = nullptr;
  Label* txt_Title = nullptr;
  Label* txt_Date = nullptr;
  Bevel* bvl_History = nullptr;
  Picture* imgMW = nullptr;
  Label* txt_Name = nullptr;
  Label* txt_Ver = nullptr;
  Label* txt_Description = nullptr;
  Label* txtWeb = nullptr;
  Label* txtEmail = nullptr;
  Bevel* Bevel1 = nullptr;
  Label* txt_Copyright = nullptr;

 private:
  void BuildControls();
  Bevel& AddLine(const std::string& name, int32_t top);
  Label& AddLink(const std::string& name, int32_t right, int32_t top);
  void Drag();

  const TAppInfo& appInfo_;
  const Control& background_;
  AboutPlatform& platform_;
  Probes& probes_;
};

}  // namespace welmor
