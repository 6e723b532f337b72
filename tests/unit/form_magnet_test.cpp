// The magnet and its hook chain on the headless backend with a fake window
// system: chain order, unhooking, the re-hook request, moves, other forms,
// glue and dragging by the client area.
#include "controls/form_magnet.hpp"

#include <gtest/gtest.h>

#include <optional>

#include "controls/hook_list.hpp"
#include "fakes/fake_magnet_platform.hpp"
#include "fakes/logging_hook.hpp"
#include "toolkit/application.hpp"
#include "toolkit/headless/headless_backend.hpp"
#include "winutil/window_helpers.hpp"

namespace welmor {
namespace {

class FormMagnetTest : public ::testing::Test {
 protected:
  Form& NewForm(int32_t left, int32_t top, int32_t width = 422, int32_t height = 17) {
    Form& form = app.CreateForm<Form>();
    form.SetBounds(left, top, width, height);
    form.SetVisible(true);
    return form;
  }
  TFormMagnet& NewMagnet(Form& form, const std::string& name = "frmMagnet") {
    TFormMagnet& magnet = form.Make<TFormMagnet>(&platform);
    magnet.SetName(name);
    return magnet;
  }
  // One step of the system's move loop with the cursor at (x, y): the
  // window goes where the magnet leaves the proposed rectangle. The system
  // proposes the rectangle moved by the cursor's step since the last one.
  void MoveStep(Form& form, int32_t x, int32_t y) {
    const Rect b = form.BoundsRect();
    const int32_t dx = dragFrom ? x - dragFrom->x : 0;
    const int32_t dy = dragFrom ? y - dragFrom->y : 0;
    Rect proposed{b.left + dx, b.top + dy, b.right + dx, b.bottom + dy};
    platform.cursor = {x, y};
    dragFrom = Point{x, y};
    platform.Send(MagnetWindow(form.Handle()), {kWmMoving, 0, reinterpret_cast<intptr_t>(&proposed), 0});
    form.SetBounds(proposed.left, proposed.top, proposed.Width(), proposed.Height());
  }
  void EndMove(Form& form) {
    platform.Send(MagnetWindow(form.Handle()), {kWmExitSizeMove, 0, 0, 0});
    dragFrom.reset();
  }

  std::optional<Point> dragFrom;
  // The platform outlives the forms, whose magnets unhook through it.
  FakeMagnetPlatform platform;
  HeadlessBackend backend;
  Application app{backend};
};

TEST_F(FormMagnetTest, LastRegisteredHookSeesMessagesFirstAndUnhookingKeepsTheRest) {
  Form& form = NewForm(0, 100);
  auto& first = form.Make<LoggingHook>(&platform, "first", platform.log);
  auto& second = form.Make<LoggingHook>(&platform, "second", platform.log);
  platform.Send(MagnetWindow(form.Handle()), {0x000F, 0, 0, 0});
  EXPECT_EQ(platform.log, (std::vector<std::string>{"second", "first", "base"}));
  EXPECT_EQ(first.PrevProc(), FakeMagnetPlatform::BaseProc(MagnetWindow(form.Handle())));
  EXPECT_EQ(second.PrevProc(), first.HookProcedure());

  platform.log.clear();
  const uintptr_t window = MagnetWindow(form.Handle());
  auto* registry = THookList::Instance();
  ASSERT_NE(registry, nullptr);
  registry->Unhook(second);
  platform.Send(window, {0x000F, 0, 0, 0});
  EXPECT_EQ(platform.log, (std::vector<std::string>{"first", "base"}));
}

TEST_F(FormMagnetTest, DestroyedWindowAsksOnceForTheRehookAndGetsItsHooksBack) {
  Form& form = NewForm(0, 100);
  form.Make<LoggingHook>(&platform, "first", platform.log);
  form.Make<LoggingHook>(&platform, "second", platform.log);
  const uintptr_t old = MagnetWindow(form.Handle());
  platform.Send(old, {kWmDestroy, 0, 0, 0});
  EXPECT_EQ(platform.rehooksPosted, std::vector<uintptr_t>{old});

  form.DestroyPeers();
  THookList::Instance()->Rehook(old);
  const uintptr_t now = MagnetWindow(form.Handle());
  ASSERT_NE(now, old);
  platform.log.clear();
  platform.Send(now, {0x000F, 0, 0, 0});
  EXPECT_EQ(platform.log, (std::vector<std::string>{"second", "first", "base"}));
}

TEST_F(FormMagnetTest, RegistryGoesWithTheLastComponent) {
  auto owner = std::make_unique<Form>(nullptr);
  owner->Make<LoggingHook>(&platform, "only", platform.log);
  EXPECT_NE(THookList::Instance(), nullptr);
  owner.reset();
  EXPECT_EQ(THookList::Instance(), nullptr);
}

TEST_F(FormMagnetTest, MovingSnapsToTheWorkAreaEdgesWithDesktopPower) {
  struct Case {
    int32_t cursorY;  // the grab point lies 8 pixels below the top
    int32_t top;
  };
  const Case cases[] = {{18, 0}, {23, 15}, {-7, -15}, {721, 721}, {-6, 0}};
  Form& form = NewForm(300, 100);
  TFormMagnet& magnet = NewMagnet(form);
  magnet.SetPower(5);
  for (const Case& c : cases) {
    form.SetBounds(300, 100, 422, 17);
    MoveStep(form, 350, 108);  // takes the grab offset
    EXPECT_TRUE(magnet.Dragging());
    MoveStep(form, 360, c.cursorY);
    EXPECT_EQ(form.Top(), c.top) << "cursor at " << c.cursorY;
    EXPECT_EQ(form.Left(), 310) << "the window follows the cursor sideways";
    EndMove(form);
    EXPECT_FALSE(magnet.Dragging());
  }
}

// Beside the primary display, one at 1024..1824 and one at -800..0, each
// with a work area ending at 570. Each row: where the window is put, then
// where the clamp after a drag leaves it (pulled back onto the display it
// lies on), the form's own 5-pixel snap and the magnet's 15-pixel one (onto
// that display's edges; the primary's play no part).
TEST_F(FormMagnetTest, OnASecondDisplayTheClampAndBothSnapsKeepToItsEdges) {
  platform.monitors = backend.windows.monitors = {backend.windows.monitors[0],
                                                  {{1024, 0, 1824, 600}, {1024, 0, 1824, 570}},
                                                  {{-800, 0, 0, 600}, {-800, 0, 0, 570}}};
  const Point cases[][4] = {{{1500, 100}, {1402, 100}, {1500, 100}, {1500, 100}},
                            {{1390, 551}, {1390, 551}, {1390, 553}, {1402, 553}},
                            {{-300, 556}, {-422, 553}, {-300, 553}, {-300, 553}},
                            {{-425, 100}, {-425, 100}, {-422, 100}, {-422, 100}}};
  Form& form = NewForm(0, 0);
  form.SetScreenSnap(true);
  form.SetSnapBuffer(5);
  TFormMagnet& magnet = NewMagnet(form);
  for (const auto& [at, clamped, snapped, magnetised] : cases) {
    form.SetBounds(at.x, at.y, 422, 17);
    EXPECT_EQ(form.SnappedPosition(form.BoundsRect()), snapped) << at.x;
    DragWindow(form);
    EXPECT_EQ((Point{form.Left(), form.Top()}), clamped) << at.x;
    form.SetBounds(at.x, at.y, 422, 17);
    magnet.SnapNow();
    EXPECT_EQ((Point{form.Left(), form.Top()}), magnetised) << at.x;
  }
}

TEST_F(FormMagnetTest, TheGrabbedPointStaysUnderTheCursorFromTheFirstStep) {
  Form& form = NewForm(300, 100);
  NewMagnet(form);
  dragFrom = Point{350, 108};  // pressed here; the first message follows a step
  MoveStep(form, 350, 98);
  EXPECT_EQ(form.Top(), 90);
  MoveStep(form, 350, 28);
  EXPECT_EQ(form.Top(), 20);
  MoveStep(form, 350, 18);
  EXPECT_EQ(form.Top(), 0);
}

TEST_F(FormMagnetTest, InactiveMagnetFollowsTheSystemAndAfterMovingSnapsAtTheEnd) {
  Form& form = NewForm(300, 100);
  TFormMagnet& magnet = NewMagnet(form);
  magnet.SetActive(false);
  Rect proposed{300, 10, 722, 27};
  platform.Send(MagnetWindow(form.Handle()), {kWmMoving, 0, reinterpret_cast<intptr_t>(&proposed), 0});
  EXPECT_EQ(proposed, (Rect{300, 10, 722, 27}));

  magnet.SetActive(true);
  magnet.SetMagnetType(mkAfterMoving);
  MoveStep(form, 350, 108);
  MoveStep(form, 350, 18);
  EXPECT_EQ(form.Top(), 10) << "follows the cursor exactly while moving";
  EndMove(form);
  EXPECT_EQ(form.Top(), 0);
}

TEST_F(FormMagnetTest, SwitchingOnSnapsAtOnce) {
  Form& form = NewForm(300, 12);
  TFormMagnet& magnet = NewMagnet(form);
  magnet.SetActive(false);
  EXPECT_EQ(form.Top(), 12);
  magnet.SetActive(true);
  EXPECT_EQ(form.Top(), 0);
}

TEST_F(FormMagnetTest, AnotherMagnetFormPullsAndAnEarlierSnapYieldsToScreenOnlyWithoutIt) {
  Form& moved = NewForm(300, 200);
  TFormMagnet& magnet = NewMagnet(moved);
  magnet.SetPower(5);
  Form& other = NewForm(350, 300, 200, 50);
  NewMagnet(other);
  int asked = 0;
  magnet.OnMagnet = [&](TFormMagnet&, Form& another, bool&) {
    EXPECT_EQ(&another, &other);
    ++asked;
  };
  platform.monitors = {Monitor{Rect{0, 0, 1024, 768}, Rect{0, 0, 1024, 307}}};
  MoveStep(moved, 310, 208);
  MoveStep(moved, 310, 288);  // bottom 3 above the other's top, 10 above the work area's
  EXPECT_EQ(moved.Top(), 283) << "snapped to the form, so not to the screen too";
  EXPECT_EQ(asked, 1);

  other.SetVisible(false);
  MoveStep(moved, 310, 289);
  EXPECT_EQ(moved.Top(), 290) << "a hidden form does not pull, the screen does";
}

TEST_F(FormMagnetTest, NamelessMagnetIsNeverPulledByAnotherForm) {
  Form& moved = NewForm(300, 200);
  TFormMagnet& magnet = NewMagnet(moved, "");
  magnet.SetPower(5);
  Form& other = NewForm(350, 300, 200, 50);
  NewMagnet(other);
  MoveStep(moved, 310, 208);
  MoveStep(moved, 310, 288);
  EXPECT_EQ(moved.Top(), 280);
}

TEST_F(FormMagnetTest, GlueDragsExactlyTouchingFormsAlong) {
  Form& moved = NewForm(300, 200, 100, 20);
  TFormMagnet& magnet = NewMagnet(moved);
  magnet.SetGlue(true);
  Form& below = NewForm(320, 220, 50, 50);  // touching
  NewMagnet(below);
  Form& apart = NewForm(401, 205, 50, 50);  // 1-pixel gap on the right
  NewMagnet(apart);
  MoveStep(moved, 310, 210);
  MoveStep(moved, 340, 410);
  EXPECT_EQ(moved.BoundsRect(), (Rect{330, 400, 430, 420}));
  EXPECT_EQ(below.BoundsRect(), (Rect{350, 420, 400, 470}));
  EXPECT_EQ(apart.BoundsRect(), (Rect{401, 205, 451, 255}));
  EXPECT_EQ(magnet.GlueList().Count(), 1u);
  EndMove(moved);
  EXPECT_EQ(magnet.GlueList().Count(), 0u);
}

TEST_F(FormMagnetTest, DragableFormTurnsAClientHitIntoTheCaptionWhileThePrimaryButtonIsDown) {
  Form& form = NewForm(300, 100);
  TFormMagnet& magnet = NewMagnet(form);
  magnet.SetActive(false);
  const auto hit = [&] { return platform.Send(MagnetWindow(form.Handle()), {kWmNcHitTest, 0, 0, 0}); };
  platform.buttonDown = true;
  EXPECT_EQ(hit(), kHitClient);
  magnet.SetFormDragable(true);
  EXPECT_EQ(hit(), kHitCaption);
  platform.buttonDown = false;
  EXPECT_EQ(hit(), kHitClient);
}

}  // namespace
}  // namespace welmor
