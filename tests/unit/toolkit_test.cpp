// The component model on the headless backend: ownership and lookup, menus
// and their access keys, timers, forms and the default error handler.
#include <gtest/gtest.h>

#include <stdexcept>

#include "toolkit/application.hpp"
#include "toolkit/headless/headless_backend.hpp"
#include "toolkit/label.hpp"
#include "toolkit/menu.hpp"
#include "toolkit/timer.hpp"

namespace welmor {
namespace {

TEST(AccessKeys, GiveEachCaptionWithoutAmpersandAKeyOfItsOwn) {
  const std::vector<std::string> captions = {"&Panels", "-",     "Graphs", "Gauges",
                                             "Panel 2", "E&xit", "",       "&&Co"};
  const std::vector<std::string> shown = AssignAccessKeys(captions);
  EXPECT_EQ(shown[0], "&Panels");  // kept
  EXPECT_EQ(shown[1], "-");
  EXPECT_EQ(shown[2], "&Graphs");
  // G is taken: a later word start, then any letter of the caption.
  EXPECT_EQ(shown[3], "G&auges");
  // P is taken by "&Panels"; "2" starts a word.
  EXPECT_EQ(shown[4], "Panel &2");
  EXPECT_EQ(shown[5], "E&xit");
  EXPECT_EQ(shown[6], "");
  EXPECT_EQ(shown[7], "&&Co");  // a literal ampersand already counts as marked
}

TEST(AccessKeys, LeaveACaptionAloneWhenEveryLetterIsTaken) {
  const std::vector<std::string> shown = AssignAccessKeys({"&A", "&B", "AB"});
  EXPECT_EQ(shown[2], "AB");
}

TEST(MenuItems, RadioItemsOfOneGroupExcludeEachOther) {
  Component owner;
  MenuItem& parent = owner.Make<MenuItem>();
  MenuItem* items[4];
  for (int i = 0; i < 4; ++i) {
    items[i] = &owner.Make<MenuItem>();
    items[i]->SetRadioItem(i < 3);
    items[i]->SetGroupIndex(i < 2 ? 4 : 5);
    parent.Add(*items[i]);
  }
  items[0]->SetChecked(true);
  items[2]->SetChecked(true);
  items[3]->SetChecked(true);
  items[1]->SetChecked(true);
  EXPECT_FALSE(items[0]->Checked());  // same group
  EXPECT_TRUE(items[1]->Checked());
  EXPECT_TRUE(items[2]->Checked());  // other group
  EXPECT_TRUE(items[3]->Checked());  // not a radio item
}

TEST(Components, AreFoundByNameWhateverTheCaseAndFreedWithTheirOwner) {
  Component owner;
  Label& label = owner.Make<Label>();
  label.SetName("txt_1");
  EXPECT_EQ(owner.FindComponent("TXT_1"), &label);
  EXPECT_EQ(owner.FindComponent("txt_2"), nullptr);
  EXPECT_EQ(owner.FindComponent(""), nullptr);
  EXPECT_EQ(owner.ComponentCount(), 1u);
}

// Records, as it goes, the names its owner still holds.
struct Walker : Component {
  Walker(Component* owner, std::vector<std::string>& seen) : Component(owner), seen_(seen) {}
  ~Walker() override {
    for (std::size_t i = 0; i < Owner()->ComponentCount(); ++i)
      seen_.push_back(Owner()->ComponentAt(i).Name());
  }
  std::vector<std::string>& seen_;
};

TEST(Components, AFreedComponentIsOutOfItsOwnersListWhenItGoes) {
  std::vector<std::string> seen;  // outlives the owner, whose children write to it too
  Component owner;
  for (const char* name : {"a", "b", "c"}) owner.Make<Walker>(seen).SetName(name);
  owner.FreeOwned([](const Component& c) { return c.Name() == "b"; });
  EXPECT_EQ(seen, (std::vector<std::string>{"a", "c"}));
}

class HeadlessApp : public ::testing::Test {
 protected:
  HeadlessBackend backend;
  Application app{backend};
};

TEST_F(HeadlessApp, AnExceptionInAHandlerBecomesAnErrorBox) {
  Timer& timer = app.CreateForm<Form>().Make<Timer>();
  timer.OnTimer = [](Component&) { throw std::runtime_error("Failed to set data for 'PTop'"); };
  timer.Tick();
  ASSERT_EQ(backend.dialogs.shown.size(), 1u);
  EXPECT_EQ(backend.dialogs.shown[0].kind, "Error");
  EXPECT_EQ(backend.dialogs.shown[0].text, "Failed to set data for 'PTop'");
}

TEST_F(HeadlessApp, ADisabledTimerDoesNotTick) {
  Timer& timer = app.CreateForm<Form>().Make<Timer>();
  int ticks = 0;
  timer.OnTimer = [&](Component&) { ++ticks; };
  timer.Tick();
  timer.SetEnabled(false);
  timer.Tick();
  EXPECT_EQ(ticks, 1);
}

TEST_F(HeadlessApp, ATimerMadeOutsideAnApplicationFailsAtOnce) {
  EXPECT_THROW(Timer(nullptr), std::logic_error);
  Form loose(nullptr);
  EXPECT_THROW(loose.Make<Timer>(), std::logic_error);
}

TEST_F(HeadlessApp, ComponentsReachTheirApplicationThroughTheirOwners) {
  Form& form = app.CreateForm<Form>();
  Label& label = form.Make<Label>();
  PopupMenu& menu = form.Make<PopupMenu>();
  EXPECT_EQ(form.App(), &app);
  EXPECT_EQ(label.App(), &app);
  EXPECT_EQ(menu.App(), &app);
  EXPECT_EQ(Label(nullptr).App(), nullptr);
  EXPECT_EQ(backend.Attached(), &app);
}

TEST_F(HeadlessApp, FormsTakeTheSystemsButtonFaceColour) {
  backend.buttonFace = 0x00E0DFE3;
  EXPECT_EQ(app.CreateForm<Form>().GetColor(), 0x00E0DFE3u);
  backend.buttonFace = 0x00102030;
  EXPECT_EQ(app.CreateForm<Form>().GetColor(), 0x00102030u);
}

TEST_F(HeadlessApp, OnShowRunsOnceBeforeTheFormIsVisible) {
  Form& form = app.CreateForm<Form>();
  int shows = 0;
  form.OnShow = [&](Component&) {
    ++shows;
    EXPECT_FALSE(form.Visible());
  };
  form.ShowForm();
  form.ShowForm();
  EXPECT_TRUE(form.Visible());
  EXPECT_EQ(shows, 1);
}

TEST_F(HeadlessApp, ClosingTheMainFormEndsTheProgramUnlessRefused) {
  Form& main = app.CreateForm<Form>();
  Form& other = app.CreateForm<Form>();
  main.ShowForm();
  other.ShowForm();
  other.Close();
  EXPECT_FALSE(other.Visible());
  EXPECT_FALSE(backend.quitPosted);
  main.OnClose = [](Component&, CloseAction& action) { action = CloseAction::None; };
  main.Close();
  EXPECT_FALSE(backend.quitPosted);
  main.OnClose = nullptr;
  main.Close();
  EXPECT_TRUE(backend.quitPosted);
  EXPECT_TRUE(app.Terminated());
}

TEST_F(HeadlessApp, ARightClickOpensTheNearestPopupMenuAndRunsTheChoice) {
  Form& form = app.CreateForm<Form>();
  PopupMenu& menu = form.Make<PopupMenu>();
  MenuItem& item = form.Make<MenuItem>();
  menu.Items().Add(item);
  form.SetPopupMenu(&menu);
  Label& label = form.Make<Label>();
  label.SetParent(&form);
  int popups = 0;
  int clicks = 0;
  menu.OnPopup = [&](Component&) { ++popups; };
  item.OnClick = [&](Component&) { ++clicks; };
  backend.chooseMenuItem = [&](PopupMenu&) { return &item; };
  label.ContextPopup(Point{10, 10});
  EXPECT_EQ(popups, 1);
  EXPECT_EQ(clicks, 1);
  item.SetEnabled(false);
  label.ContextPopup(Point{10, 10});
  EXPECT_EQ(popups, 2);
  EXPECT_EQ(clicks, 1);  // a disabled item does nothing
}

}  // namespace
}  // namespace welmor
