// The "&Alarms" commands of the main window; what they do lives in alarms.cpp.
#include "app/alarms.hpp"
#include "app/main_form.hpp"

namespace welmor {

namespace {

// The main form always belongs to the application.
Dialogs& UserDialogs(const TfrmMain& form) { return form.App()->GetDialogs(); }

SaveSettingsCallback SaveAll(TfrmMain& form) {
  return [&form] { form.Store().SaveSettings(false); };
}

}  // namespace

void TfrmMain::mnuCPU1AlarmClick(Component&) { FlipAlarm(S(), AlarmId::CPU1, SaveAll(*this)); }
void TfrmMain::mnuCPU1ValueClick(Component&) {
  AskAlarmValue(UserDialogs(*this), S(), AlarmId::CPU1, SaveAll(*this));
}
void TfrmMain::mnuCPU1IntervalClick(Component&) {
  AskAlarmInterval(UserDialogs(*this), S(), AlarmId::CPU1, SaveAll(*this));
}
void TfrmMain::mnuCPU2AlarmClick(Component&) { FlipAlarm(S(), AlarmId::CPU2, SaveAll(*this)); }
void TfrmMain::mnuCPU2ValueClick(Component&) {
  AskAlarmValue(UserDialogs(*this), S(), AlarmId::CPU2, SaveAll(*this));
}
void TfrmMain::mnuCPU2IntervalClick(Component&) {
  AskAlarmInterval(UserDialogs(*this), S(), AlarmId::CPU2, SaveAll(*this));
}
void TfrmMain::mnuRAM1AlarmClick(Component&) { FlipAlarm(S(), AlarmId::RAM1, SaveAll(*this)); }
void TfrmMain::mnuRAM1ValueClick(Component&) {
  AskAlarmValue(UserDialogs(*this), S(), AlarmId::RAM1, SaveAll(*this));
}
void TfrmMain::mnuRAM1IntervalClick(Component&) {
  AskAlarmInterval(UserDialogs(*this), S(), AlarmId::RAM1, SaveAll(*this));
}
void TfrmMain::mnuRAM2AlarmClick(Component&) { FlipAlarm(S(), AlarmId::RAM2, SaveAll(*this)); }
void TfrmMain::mnuRAM2ValueClick(Component&) {
  AskAlarmValue(UserDialogs(*this), S(), AlarmId::RAM2, SaveAll(*this));
}
void TfrmMain::mnuRAM2IntervalClick(Component&) {
  AskAlarmInterval(UserDialogs(*this), S(), AlarmId::RAM2, SaveAll(*this));
}

}  // namespace welmor
