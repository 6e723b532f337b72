#include "windows/about_form.hpp"

#include "windows/about_links.hpp"
#include "windows/contact.hpp"
#include "windows/secondary_window.hpp"
#include "winutil/drop_shadow.hpp"
#include "winutil/window_helpers.hpp"

namespace welmor {

namespace {

constexpr uint16_t kVkEscape = 27;
const Font kSmallFont{"Microsoft Sans Serif", -9, 0, 0};

}  // namespace

TfrmAbout::TfrmAbout(Component* owner, const TAppInfo& appInfo, const Control& background,
                     AboutPlatform& platform, Probes& probes)
    : Form(owner), appInfo_(appInfo), background_(background), platform_(platform), probes_(probes) {
  SetName("frmAbout");
  BuildControls();
  OnShow = [this](Component& s) { FormShow(s); };
  OnKeyDown = [this](Control& s, uint16_t& key, uint32_t shift) { FormKeyDown(s, key, shift); };
  DoCreate();
}

Bevel& TfrmAbout::AddLine(const std::string& name, int32_t top) {
  Bevel& line = Make<Bevel>();
  line.SetName(name);
  line.SetParent(pnl_Main);
  line.SetParentColor(true);
  line.SetShape(BevelShape::TopLine);
  line.SetStyle(BevelCut::Raised);
  line.SetBounds(10, top, 275, 2);
  return line;
}

Label& TfrmAbout::AddLink(const std::string& name, int32_t right, int32_t top) {
  Label& link = AddStaticText(*this, *pnl_Main, name, Font{"MS Sans Serif", -11, kBlue, 0}, right, top);
  link.SetAlignment(Alignment::RightJustify);
  return link;
}

void TfrmAbout::BuildControls() {
  SetUpSecondaryWindow(*this, kAboutClientWidth, kAboutClientHeight);

  pnl_Main = &Make<Panel>();
  pnl_Main->SetName("pnl_Main");
  pnl_Main->SetParent(this);
  pnl_Main->SetBounds(0, 0, kAboutClientWidth, kAboutClientHeight);
  pnl_Main->SetBevelInner(BevelCut::Lowered);
  pnl_Main->OnMouseMove = [this](Control& s, uint32_t shift, int32_t x, int32_t y) {
    pnl_MainMouseMove(s, shift, x, y);
  };

  txt_Title = &AddStaticText(*this, *pnl_Main, "txt_Title", Font{"MS Sans Serif", -11, 0, fsBold}, 10, 12);
  txt_Date = &AddStaticText(*this, *pnl_Main, "txt_Date", kSmallFont, 180, 13);
  bvl_History = &AddLine("bvl_History", 29);

  imgMW = &Make<Picture>();
  imgMW->SetName("imgMW");
  imgMW->SetParent(pnl_Main);
  imgMW->SetBounds(29, 44, 32, 32);
  imgMW->SetSource(PictureSource::ProgramIcon);

  txt_Name =
      &AddStaticText(*this, *pnl_Main, "txt_Name", Font{"Arial", -29, kNavy, fsBold | fsItalic}, 80, 40);
  txt_Name->OnMouseMove = [this](Control& s, uint32_t shift, int32_t x, int32_t y) {
    txt_NameMouseMove(s, shift, x, y);
  };
  txt_Ver = &AddStaticText(*this, *pnl_Main, "txt_Ver", GetFont(), 195, 65);
  txt_Description = &AddStaticText(*this, *pnl_Main, "txt_Description",
                                   Font{"Arial", -11, kWhite, fsBold | fsItalic}, 19, 91, 254, 17);
  txt_Description->SetAlignment(Alignment::Center);
  txt_Description->OnMouseMove = [this](Control& s, uint32_t shift, int32_t x, int32_t y) {
    txt_DescriptionMouseMove(s, shift, x, y);
  };

  txtWeb = &AddLink("txtWeb", 273, 112);
  txtWeb->OnMouseEnter = [this](Component& s) { txtWebMouseEnter(s); };
  txtWeb->OnMouseLeave = [this](Component& s) { txtWebMouseLeave(s); };
  txtWeb->OnClick = [this](Component& s) { txtWebClick(s); };
  txtEmail = &AddLink("txtEmail", 272, 128);
  txtEmail->OnMouseEnter = [this](Component& s) { txtEmailMouseEnter(s); };
  txtEmail->OnMouseLeave = [this](Component& s) { txtEmailMouseLeave(s); };
  txtEmail->OnClick = [this](Component& s) { txtEmailClick(s); };

  Bevel1 = &AddLine("Bevel1", 149);
  txt_Copyright = &AddStaticText(*this, *pnl_Main, "txt_Copyright", kSmallFont, 15, 158);
}

void TfrmAbout::CreateParams(CreateParamsRec& params) {
  Form::CreateParams(params);
  AddDropShadowOnXP(params, probes_.GetOSVersionText());
}

void TfrmAbout::FormShow(Component&) {
  pnl_Main->SetColor(background_.GetColor());
  txt_Title->SetCaption(kAboutTitle);
  txt_Date->SetCaption(FileDateText(platform_));
  txt_Name->SetCaption(appInfo_.ProductName());
  txt_Ver->SetCaption(appInfo_.FileNiceVersion());
  txt_Description->SetCaption(appInfo_.FileDescription());
  txtWeb->SetCaption(kMakerWebHost);
  txtEmail->SetCaption(kMakerEmail);
  txt_Copyright->SetCaption(kMakerCopyright);
}

void TfrmAbout::FormKeyDown(Control&, uint16_t& key, uint32_t) {
  if (key == kVkEscape) Close();
}

void TfrmAbout::Drag() { DragWindow(*this); }

void TfrmAbout::pnl_MainMouseMove(Control&, uint32_t, int32_t, int32_t) { Drag(); }

void TfrmAbout::txt_NameMouseMove(Control&, uint32_t, int32_t, int32_t) { Drag(); }

void TfrmAbout::txt_DescriptionMouseMove(Control&, uint32_t, int32_t, int32_t) { Drag(); }

void TfrmAbout::txtWebMouseEnter(Component&) { txtWeb->SetCursor(Cursor::HandPoint); }

void TfrmAbout::txtWebMouseLeave(Component&) { txtWeb->SetCursor(Cursor::Default); }

void TfrmAbout::txtEmailMouseEnter(Component&) { txtEmail->SetCursor(Cursor::HandPoint); }

void TfrmAbout::txtEmailMouseLeave(Component&) { txtEmail->SetCursor(Cursor::Default); }

void TfrmAbout::txtWebClick(Component&) { platform_.Open(WebLinkTarget(kMakerWebHost)); }

void TfrmAbout::txtEmailClick(Component&) {
  platform_.Open(
      EmailLinkTarget(kMakerEmail, appInfo_.ProductName(), appInfo_.FileNiceVersion(), probes_.GetOSVersionText()));
}

}  // namespace welmor
