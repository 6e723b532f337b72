#include "app/main_form.hpp"

#include <functional>
#include <optional>
#include <stdexcept>
#include <utility>

#include "app/menu_images.hpp"
#include "app/process_tooltip.hpp"
#include "textutil/format.hpp"
#include "winutil/drop_shadow.hpp"
#include "winutil/window_helpers.hpp"
#include "winutil/work_area_clamp.hpp"

namespace welmor {

namespace {

constexpr Color kSkyBlue = 0xF0CAA6;
constexpr Color kRed = 0x0000FF;
constexpr uint32_t kWmSysKeyDown = 0x0104;
constexpr uintptr_t kVkF4 = 0x73;

std::string Slice(const std::string& text, std::size_t from1, std::size_t count) {
  return from1 - 1 < text.size() ? text.substr(from1 - 1, count) : std::string();
}

}  // namespace

TfrmMain::TfrmMain(Component* owner, MainFormServices services)
    : Form(owner),
      services_(std::move(services)),
      probes_(services_.probes ? *services_.probes : noProbes_),
      alarms_(services_.soundPlayer) {
  if (!services_.versionSource || !services_.makeSettingsStore) {
    throw std::invalid_argument("TfrmMain needs a version source and a settings store");
  }
  SetName("frmMain");
  appInfo_ = &Make<TAppInfo>(*services_.versionSource);
  appInfo_->SetName("AppInfo");

  SettingsHooks hooks;
  hooks.fileVersion = [this] { return appInfo_->FileVersion(); };
  hooks.executablePath = [this] { return services_.versionSource->ExecutablePath(); };
  hooks.screenWidth = [this] {
    Backend* backend = Application::BackendOf(*this);
    return backend ? backend->ScreenSize().width : 0;
  };
  hooks.windowPosition = [this] { return WindowPosition{Top(), Left()}; };
  hooks.showInformation = [this](const std::string& text) { ShowMessageBox(*this, text, false); };
  store_ = services_.makeSettingsStore(std::move(hooks));

  BuildControls();
  BuildMenu();
  OnCreate = [this](Component& s) { FormCreate(s); };
  OnShow = [this](Component& s) { FormShow(s); };
  OnClose = [this](Component& s, CloseAction& a) { FormClose(s, a); };
  DoCreate();
}

TfrmMain::~TfrmMain() {
  probes_.SetCpuMessagePump(nullptr);
  if (Application* app = App()) app->OnMessage = nullptr;
}

void TfrmMain::BuildControls() {
  SetBorderStyle(FormBorderStyle::None);
  SetColor(0x00C8D0D4);
  SetFont(Font{"MS Sans Serif", -11, 0, 0});
  SetShowHint(true);
  SetBounds(1421, 1182, 437, 59);

  imgs = &Make<ImageList>();
  imgs->SetName("imgs");
  for (Bitmap& image : MakeMenuImages()) imgs->Add(std::move(image));
  mnu = &Make<PopupMenu>();
  mnu->SetName("mnu");
  mnu->SetImages(imgs);
  mnu->OnPopup = [this](Component& s) { mnuPopup(s); };
  SetPopupMenu(mnu);
  ColorDlg = &Make<ColorDialog>();
  ColorDlg->SetName("ColorDlg");

  const int32_t panelLefts[] = {4, 149, 294};
  Label** panels[] = {&txt_1, &txt_2, &txt_3};
  for (int i = 0; i < kPanelCount; ++i) {
    Label& panel = Make<Label>();
    panel.SetName("txt_" + std::to_string(i + 1));
    panel.SetParent(this);
    panel.SetBounds(panelLefts[i], 5, 140, 17);
    panel.SetAlignment(Alignment::Center);
    panel.SetBorderStyle(StaticBorder::Single);
    panel.SetCaption(kPanelStartCaption);
    panel.SetColor(kSkyBlue);
    panel.SetFont(Font{"Arial", -11, 0, 0});
    panel.SetShowHint(true);
    panel.SetPopupMenu(mnu);
    panel.OnMouseMove = [this](Control& s, uint32_t shift, int32_t x, int32_t y) {
      txt_1MouseMove(s, shift, x, y);
    };
    *panels[i] = &panel;
  }

  const int32_t barLefts[] = {5, 150, 295};
  TQProgressBar** bars[] = {&prg_1, &prg_2, &prg_3};
  for (int i = 0; i < kPanelCount; ++i) {
    TQProgressBar& bar = Make<TQProgressBar>();
    bar.SetName("prg_" + std::to_string(i + 1));
    bar.SetParent(this);
    bar.SetBounds(barLefts[i], 23, 138, 3);
    ApplyWidgetBarDesign(bar, kSkyBlue, kRed);
    *bars[i] = &bar;
  }

  gr = &Make<KrGraphic>();
  gr->SetName("gr");
  gr->SetParent(this);
  gr->SetBounds(4, 28, 429, 28);
  ApplyWidgetGraphDesign(*gr, kSkyBlue);
  gr->OnTmrTimer = [this](Component& s) { grTmrTimer(s); };
  gr->OnMouseMove = [this](Control& s, uint32_t shift, int32_t x, int32_t y) { grMouseMove(s, shift, x, y); };
  gr->SetPopupMenu(mnu);

  trm = &Make<Timer>();
  trm->SetName("trm");
  trm->SetEnabled(false);
  trm->OnTimer = [this](Component& s) { trmTimer(s); };

  SetScreenSnap(true);
  SetSnapBuffer(5);
  frmMagnet = &Make<TFormMagnet>(services_.magnetPlatform);
  frmMagnet->SetName("frmMagnet");
  frmMagnet->SetActive(false);
  frmMagnet->SetGlue(false);
  frmMagnet->SetFormDragable(true);
  frmMagnet->SetMagnetType(mkOnMoving);
  frmMagnet->SetPower(5);
  TScreenMagnet& screen = frmMagnet->ScreenMagnet();
  screen.SetArea(saWorkArea);
  screen.SetDesktopPower(15);
  screen.SetTop(true);
  screen.SetBottom(true);
  screen.SetLeft(true);
  screen.SetRight(true);
}

void TfrmMain::CreateParams(CreateParamsRec& params) {
  Form::CreateParams(params);
  // A class of its own, so that the widget's window is told from its
  // history windows and its hint by class alone.
  params.windowClassName = kMainWindowClassName;
  AddDropShadowOnXP(params, probes_.GetOSVersionText());
}

void TfrmMain::FormCreate(Component&) {
  SetTopmost(*this);
  Application* app = App();
  if (app) {
    app->OnMessage = [this](const Message& msg) { return AppMessage(msg); };
    app->SetHintColor(kRed);
    app->SetHintPause(200);
    app->SetHintHidePause(5000);
  }
  MakeToolWindow(*this, false);
  // The CPU sampler lets waiting messages run once per tick, so the menu and
  // the chart stay responsive during a refresh.
  probes_.SetCpuMessagePump([app] {
    if (app) app->ProcessMessages();
  });
  if (Slice(probes_.GetOSVersionText(), 5, 4) != "NT 5") {
    ShowMessageBox(*this,
                   appInfo_->ProductName() + " v" + appInfo_->FileMajorVer() + "." +
                       appInfo_->FileMinorVer() + kWrongSystemText,
                   true);
    if (app) app->Terminate();
  }
  store_->LoadSettings();
}

bool TfrmMain::AppMessage(const Message& msg) { return msg.message == kWmSysKeyDown && msg.wParam == kVkF4; }

void TfrmMain::ApplySticky() { frmMagnet->SetActive(S().Sticky); }

void TfrmMain::FormShow(Component&) {
  // Each step on its own: one that fails is reported and the others still
  // run, above all the last one, without which the panels never refresh.
  const std::function<void()> steps[] = {
      [this] { ApplySticky(); },
      [this] { appInfo_->ReadVersionInfo(); },
      [this] {
        for (int i = 1; i <= kPanelCount; ++i) {
          Panels[i] = dynamic_cast<Label*>(FindComponent("txt_" + std::to_string(i)));
          Bars[i] = dynamic_cast<TQProgressBar*>(FindComponent("prg_" + std::to_string(i)));
        }
      },
      [this] { CpuCount = probes_.GetProcessorCount(); },
      [this] { UpdateGraph(true); },
      [this] { ApplyLayout(); },
      [this] { store_->CheckSettingsVersion(); },
      [this] {
        trm->SetInterval(RefreshIntervalMs(S()));
        trm->SetEnabled(true);
      },
  };
  for (const auto& step : steps) Application::Dispatch(*this, step);
}

void TfrmMain::ApplyLayout() {
  ApplyColors();
  const Settings& s = S();
  int32_t x = 0;
  for (int i = 1; i <= kPanelCount; ++i) {
    if (Panels[i]) Panels[i]->SetBounds(x, 0, PanelWidth, PanelHeight);
    if (Bars[i]) Bars[i]->SetBounds(x + 1, PanelHeight - 4, PanelWidth - 2, Bars[i]->Height());
    x += PanelWidth + 1;
    gr->SetVisible(s.GraphCPU || s.GraphRAM);
    SetChartTimer(gr->Visible());
  }
  const int32_t height = gr->Visible() ? 2 * PanelHeight : PanelHeight;
  const int32_t width = 3 * PanelWidth + 2;
  SetBounds(Left(), Top(), width, height);
  if (PositionPending) {
    if (s.SavePosition) {
      Point corner{s.PLeft, s.PTop};
      if (Backend* backend = Application::BackendOf(*this)) {
        // A position on any display is kept, on the one it belongs to.
        const Rect stored = StoredWindowRect(s.PLeft, s.PTop, width, height);
        if (const std::optional<Monitor> monitor = backend->MonitorOf(stored)) {
          corner = ReachableStartPosition(s.PLeft, s.PTop, width, height, monitor->workArea);
        }
      }
      SetBounds(corner.x, corner.y, width, height);
    } else {
      Backend* backend = Application::BackendOf(*this);
      const int32_t screenWidth = backend ? backend->ScreenSize().width : width;
      SetBounds((screenWidth - width) / 2, 0, width, height);
    }
    PositionPending = false;
  }
  UpdateGraph(false);
}

void TfrmMain::UpdateGraph(bool initial) {
  if (initial) {
    gr->SetBounds(0, PanelHeight, gr->Width(), PanelHeight);
    AddWidgetGraphElements(*gr);  // CPU usage red, RAM load yellow
    return;
  }
  const Settings& s = S();
  gr->SetWidth(Width());
  gr->SetVisible(s.GraphCPU || s.GraphRAM);
  SetChartTimer(gr->Visible());
  gr->SetElementVisible(1, s.GraphCPU);
  gr->SetElementVisible(2, s.GraphRAM);
  gr->Invalidate();
}

void TfrmMain::FormClose(Component&, CloseAction&) { store_->SaveSettings(false); }

void TfrmMain::BuildDriveMenus() {
  FixedDrives = Explode(" ", probes_.GetFixedDrives());
  FixedDrives.pop_back();  // the text ends with the delimiter
  for (int k = 1; k <= kPanelCount; ++k) {
    auto* parent = dynamic_cast<MenuItem*>(FindComponent("mnuHDDFreeSpace_P" + std::to_string(k)));
    if (!parent) continue;
    for (std::size_t j = 0; j < FixedDrives.size(); ++j) {
      MenuItem& item = parent->Make<MenuItem>();
      item.SetName("mnuHDDFree_P" + std::to_string(k) + "_" + std::to_string(j));
      item.SetCaption("Drive: " + FixedDrives[j] + "\\");
      item.SetGroupIndex(static_cast<uint8_t>(k + 10));
      item.OnClick = [this, k](Component& s) { SetPanelDrive(k, s); };
      parent->Add(item);
    }
  }
  DriveMenusPending = false;
}

void TfrmMain::trmTimer(Component&) {
  KeepChartInStep();
  if (DriveMenusPending) BuildDriveMenus();
  const uint32_t interval = RefreshIntervalMs(S());
  if (trm->Interval() != interval) {
    trm->SetInterval(interval);
    chartInStep_ = false;  // the refresh timer starts over from now
  }
  // One reading of the memory status a tick: the panels, the alarms and the
  // chart's tick, which the CPU sampler's message pump runs when it falls
  // due with this one, all show the same figures.
  const std::optional<MemoryStatus> memoryNow = probes_.GetMemoryStatus();
  tickMemory_ = memoryNow;
  CpuUsage = probes_.GetCpuUsage();
  tickMemory_.reset();
  const auto memory = [&memoryNow](uint32_t selector) {
    return memoryNow ? static_cast<int64_t>(MemoryStatusValue(*memoryNow, selector)) : int64_t{0};
  };
  PanelSources sources{memory(kMemAvailPhys),
                       memory(kMemFreePercent),
                       memory(kMemLoadPercent),
                       memory(kMemAvailPageFile),
                       memory(kMemTotalPageFile),
                       CpuCount,
                       CpuUsage,
                       0,
                       S(),
                       probes_};
  for (int k = 1; k <= kPanelCount; ++k) FillPanel(k, sources);
  alarms_.EvaluateAlarms(S(), CpuUsage, static_cast<uint64_t>(sources.loadPct));
  if (txt_1->GetColor() != S().ColorBG) {
    txt_1->SetColor(S().ColorBG);
    prg_1->SetBackgroundColor(S().ColorBG);
  }
}

void TfrmMain::SetChartTimer(bool on) {
  if (on && !gr->TimerEnabled()) chartInStep_ = false;
  gr->SetTimerEnabled(on);
}

// Both timers tick once a second by default. The first refresh tick after
// the chart's timer started restarts both, so that from then on the chart's
// tick comes inside the refresh tick, in the same wake-up of the process and
// under the same repaint, instead of in a second one of its own.
void TfrmMain::KeepChartInStep() {
  if (!gr->TimerEnabled() || chartInStep_) return;
  // The refresh timer first: the chart's tick then falls due just after the
  // refresh tick's, soon enough for the CPU sampler's message pump.
  trm->SetEnabled(false);
  trm->SetEnabled(true);
  gr->SetTimerEnabled(false);
  gr->SetTimerEnabled(true);
  chartInStep_ = true;
}

void TfrmMain::FillPanel(int k, PanelSources& sources) {
  Label* panel = Panels[k];
  TQProgressBar* bar = Bars[k];
  if (!panel || !bar) return;
  const PanelContentInfo* row =
      PanelContentFromChar(StoredCharAt(S().ContentPanels, k, kDefaultContentPanels));
  if (!row) return;  // an unknown character freezes the panel
  sources.panel = k;
  const PanelShows shows = row->fill(sources);
  if (shows.percent) {
    bar->SetMaximum(100);
    panel->SetCaption(shows.text);
    bar->SetPosition(static_cast<int32_t>(*shows.percent));
  } else {
    bar->SetPosition(0);
    panel->SetCaption(shows.text);
  }
}

void TfrmMain::grTmrTimer(Component&) {
  gr->AddValue(1, CpuUsage);
  const std::optional<MemoryStatus> memory = tickMemory_ ? tickMemory_ : probes_.GetMemoryStatus();
  gr->AddValue(2, 100 - static_cast<int64_t>(memory ? MemoryStatusValue(*memory, kMemFreePercent) : 0));
}

void TfrmMain::PanelMouseMove(Control& sender, bool buildTooltip) {
  if (buildTooltip) {
    if (S().ShowProcesses) {
      ProcessList entries;
      probes_.GetProcessList(entries);
      std::vector<ProcessLine> lines;
      lines.reserve(entries.size());
      for (const ProcessEntry32& e : entries) lines.push_back({e.th32ProcessID, e.szExeFile});
      sender.SetHint(
          BuildProcessTooltip(lines, [this](uint32_t id) { return probes_.GetProcessWorkingSet(id); }));
    }
    sender.SetShowHint(S().ShowProcesses);
  }
  DragWindow(*this);
  store_->SaveSettings(false, RefusalReport::OncePerRun);
}

void TfrmMain::txt_1MouseMove(Control& sender, uint32_t, int32_t, int32_t) { PanelMouseMove(sender, true); }

void TfrmMain::grMouseMove(Control& sender, uint32_t, int32_t, int32_t) { PanelMouseMove(sender, false); }

void TfrmMain::SetPanelContent(int k, PanelContent content) {
  SetStoredCharAt(S().ContentPanels, k, static_cast<char>(content), kDefaultContentPanels);
}

void TfrmMain::SetPanelDrive(int k, Component& item) {
  const auto* menuItem = dynamic_cast<const MenuItem*>(&item);
  if (!menuItem) return;
  // The caption reads "Drive: " + the drive's letter and colon + "\".
  const std::string& caption = menuItem->Caption();
  constexpr std::size_t kLetterAt = 7;
  if (caption.size() <= kLetterAt) return;
  SetStoredCharAt(S().ContentPanels, k, static_cast<char>(PanelContent::pcDiskFree), kDefaultContentPanels);
  SetStoredCharAt(S().ContentHDDs, k, caption[kLetterAt], kDefaultContentHDDs);
}

void TfrmMain::mnuCloseClick(Component&) {
  // A save that fails is reported, but the user asked to quit: quit anyway.
  Application::Dispatch(*this, [this] { store_->SaveSettings(false); });
  if (Application* app = App()) app->Terminate();
}

void TfrmMain::ApplyRunAtStartup() { store_->SetRunAtStartup(S().RunAtStartup); }

}  // namespace welmor
