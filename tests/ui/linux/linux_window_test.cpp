// The Qt window on Qt's offscreen platform: no display needed.
#include <QApplication>
#include <QCheckBox>
#include <QDesktopServices>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <thread>
#include <string>
#include <vector>

#include "tests/core/fakes.h"
#include "tests/ui/linux/browser_stand_in.h"
#include "ui/linux/gbk.h"
#include "ui/linux/hyperlink.h"
#include "ui/linux/keyboard.h"
#include "ui/linux/main_window.h"
#include "ui/linux/window_port.h"

namespace velmora::linux_ui {
namespace {

using ui::ControlDescription;
using ui::ControlKind;

class LinuxWindowTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "linux_window_tests";
    static char* argv[] = {name, nullptr};
    // Never destroyed: Qt's own statics may already be gone at process exit.
    static QApplication* application = new QApplication(argc, argv);
    (void)application;
  }

  LinuxWindowTest() {
    state.programName = "Velmora";
    state.hotkeyId = 33001;
    window.Bind(control);
    window.show();
    window.activateWindow();
    (void)QTest::qWaitForWindowActive(&window);
  }

  QWidget* Widget(ControlId id) { return window.Widget(id); }

  testing::EventLog log;
  testing::FakeMouse mouse{log};
  ProgramState state;
  MainWindow window{"http://127.0.0.1:9/"};
  QtWindowPort port{window, nullptr};
  ClickControl control{port, mouse, state};
};

TEST_F(LinuxWindowTest, ControlsStandAsDescribed) {
  for (const ControlDescription& d : ui::Controls()) {
    SCOPED_TRACE(d.name);
    QWidget* widget = Widget(d.id);
    if (d.kind == ControlKind::Timer) {
      EXPECT_EQ(widget, nullptr);
      continue;
    }
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(widget->parentWidget(), d.insideGroup ? Widget(ControlId::SettingsGroup) : &window);
    EXPECT_EQ(widget->isVisibleTo(&window), d.visible);
    EXPECT_EQ(widget->focusPolicy() != Qt::NoFocus, d.tabStop);
    if (d.kind != ControlKind::StatusBar) {
      EXPECT_EQ(widget->x(), d.left);
      EXPECT_EQ(widget->y(), d.top);
      EXPECT_EQ(widget->width(), d.width);
      EXPECT_GE(widget->height(), d.height);
    }
    switch (d.kind) {
      case ControlKind::CheckBox:
      case ControlKind::RadioButton:
        EXPECT_EQ(QStringToGbk(window.Button(d.id)->text()), d.text);
        EXPECT_EQ(window.Button(d.id)->isChecked(), d.ticked);
        break;
      case ControlKind::Edit:
        EXPECT_EQ(QStringToGbk(window.Edit(d.id)->text()), d.text);
        EXPECT_EQ(window.Edit(d.id)->isReadOnly(), d.readOnly);
        break;
      case ControlKind::Label:
        EXPECT_EQ(QStringToGbk(static_cast<QLabel*>(widget)->text()), d.text);
        break;
      case ControlKind::MultiLineEdit: {
        // The text box keeps line breaks as LF.
        Text usage = ui::UsageText();
        for (std::size_t at; (at = usage.find("\r\n")) != Text::npos;) usage.erase(at, 1);
        EXPECT_EQ(QStringToGbk(static_cast<QPlainTextEdit*>(widget)->toPlainText()), usage);
        break;
      }
      default:
        break;
    }
  }
  EXPECT_EQ(window.width(), 318);
  EXPECT_EQ(window.height(), 325);
}

TEST_F(LinuxWindowTest, SameTimerPeriodKeepsThePhaseAndNegativeStops) {
  int ticks = 0;
  window.TimerOf(Timer::Click).onPeriodic = [&] { ++ticks; };
  port.SetTimerPeriod(Timer::Click, 200);
  QElapsedTimer clock;
  clock.start();
  while (clock.elapsed() < 1500) {
    port.SetTimerPeriod(Timer::Click, 200);  // restarting each time would never tick
    QTest::qWait(50);
  }
  EXPECT_GE(ticks, 3);
  port.SetTimerPeriod(Timer::Click, -5);
  EXPECT_EQ(port.GetTimerPeriod(Timer::Click), 0);
  const int stoppedAt = ticks;
  QTest::qWait(400);
  EXPECT_EQ(ticks, stoppedAt);
}

TEST_F(LinuxWindowTest, SetTickedRaisesNoClickedHandlerWhereAClickDoes) {
  QTest::mouseClick(window.Button(ControlId::TimeLimitOn), Qt::LeftButton);
  EXPECT_TRUE(port.IsTicked(Control::TimeLimitOn));
  EXPECT_FALSE(port.IsTicked(Control::CountLimitOn));
  port.SetTicked(Control::CountLimitOn, true);
  EXPECT_TRUE(port.IsTicked(Control::CountLimitOn));
  EXPECT_TRUE(port.IsTicked(Control::TimeLimitOn));
}

TEST_F(LinuxWindowTest, TypingStopsAtFiveCharactersButSetTextDoesNot) {
  port.SetText(Control::CountBox, "123456789");
  EXPECT_EQ(port.GetText(Control::CountBox), "123456789");
  port.SetText(Control::CountBox, "1234");
  QLineEdit* edit = window.Edit(ControlId::CountBox);
  edit->setFocus();
  edit->end(false);
  QTest::keyClicks(edit, "56");
  EXPECT_EQ(port.GetText(Control::CountBox), "12345");
}

TEST_F(LinuxWindowTest, TicksMissedWhileBusyComeAsOne) {
  int ticks = 0;
  window.TimerOf(Timer::Click).onPeriodic = [&] { ++ticks; };
  port.SetTimerPeriod(Timer::Click, 10);
  // Busy for many periods without an event loop, as a slow handler would be.
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  QCoreApplication::processEvents();
  EXPECT_EQ(ticks, 1);
  port.SetTimerPeriod(Timer::Click, 0);
}

TEST_F(LinuxWindowTest, TheFocusComesBackWhenTheSettingsUnlock) {
  QLineEdit* count = window.Edit(ControlId::CountBox);
  count->setFocus(Qt::OtherFocusReason);
  ASSERT_EQ(QApplication::focusWidget(), count);
  control.OnHotkey(33001, 0);  // a run locks the settings; Qt drops their focus
  EXPECT_NE(QApplication::focusWidget(), count);
  control.OnHotkey(33001, 0);
  EXPECT_EQ(QApplication::focusWidget(), count);
}

TEST_F(LinuxWindowTest, TheWindowHasTheProgramIcon) {
  EXPECT_FALSE(window.windowIcon().availableSizes().isEmpty());
}

TEST_F(LinuxWindowTest, PastedTextIsCutToTheLimitAtTheInsertion) {
  port.SetText(Control::CountBox, "12");
  QLineEdit* edit = window.Edit(ControlId::CountBox);
  edit->setFocus();
  edit->setCursorPosition(1);
  edit->insert("abcdef");  // as a paste inserts: three characters fit
  EXPECT_EQ(port.GetText(Control::CountBox), "1abc2");
  EXPECT_EQ(edit->cursorPosition(), 4);
  // A text longer than the limit, set by the program, takes no typing but
  // stays whole.
  port.SetText(Control::CountBox, "123456789");
  edit->end(false);
  QTest::keyClicks(edit, "0");
  EXPECT_EQ(port.GetText(Control::CountBox), "123456789");
  // A box without a limit in the description takes any length.
  window.Edit(ControlId::IntervalBox)->insert("1234567890");
  EXPECT_EQ(port.GetText(Control::IntervalBox).size(), 13u);
}

TEST_F(LinuxWindowTest, LockedSettingsTakeNoClicks) {
  port.SetSettingsEnabled(false);
  QTest::mouseClick(window.Button(ControlId::RightClickMode), Qt::LeftButton);
  EXPECT_FALSE(port.IsTicked(Control::RightClickMode));
  port.SetSettingsEnabled(true);
  QTest::mouseClick(window.Button(ControlId::RightClickMode), Qt::LeftButton);
  EXPECT_TRUE(port.IsTicked(Control::RightClickMode));
  EXPECT_FALSE(port.IsTicked(Control::LeftClickMode));
}

TEST_F(LinuxWindowTest, RightArrowChoosesTheLocateModeAndRaisesItsClick) {
  window.Button(ControlId::RightClickMode)->setChecked(true);
  window.Button(ControlId::RightClickMode)->setFocus();
  QTest::keyClick(window.Button(ControlId::RightClickMode), Qt::Key_Right);
  EXPECT_TRUE(port.IsTicked(Control::LocateMode));
  EXPECT_FALSE(port.IsTicked(Control::RightClickMode));
  EXPECT_EQ(QApplication::focusWidget(), window.Button(ControlId::LocateMode));
}

TEST_F(LinuxWindowTest, SpaceBarInThePositionBoxCaptures) {
  mouse.cursor = {812, 430};
  window.Edit(ControlId::PositionBox)->setFocus();
  QTest::keyClick(window.Edit(ControlId::PositionBox), Qt::Key_Space, Qt::ShiftModifier);
  EXPECT_EQ(port.GetText(Control::PositionBox), "X:812 Y:430");
  EXPECT_EQ(state.capturedX, 812);
}

TEST_F(LinuxWindowTest, TabRingFollowsTheDescription) {
  const std::vector<QWidget*> ring = window.TabRing();
  const std::vector<ControlId> order{ControlId::UsageBox, ControlId::LeftClickMode,   ControlId::RightClickMode,
                                     ControlId::IntervalBox, ControlId::CountBox, ControlId::CountLimitOn,
                                     ControlId::LocateMode,   ControlId::PositionBox, ControlId::DoubleClickMode,
                                     ControlId::TimeLimitOn, ControlId::MinutesBox};
  ASSERT_EQ(ring.size(), order.size());
  for (std::size_t i = 0; i < order.size(); ++i) EXPECT_EQ(ring[i], Widget(order[i])) << i;
  port.SetSettingsEnabled(false);
  EXPECT_EQ(window.TabRing(), std::vector<QWidget*>{Widget(ControlId::UsageBox)});
}

TEST(KeyCodes, QtKeysBecomeVirtualKeyCodes) {
  EXPECT_EQ(KeyCodeOf(Qt::Key_Space, false), 32);
  EXPECT_EQ(KeyCodeOf(Qt::Key_5, true), 53);
  EXPECT_EQ(KeyCodeOf(Qt::Key_Minus, true), 189);
  EXPECT_EQ(KeyCodeOf(Qt::Key_D, false), 68);
  EXPECT_EQ(ModifierMaskOf(Qt::Key_Space, Qt::ShiftModifier), 2);
  EXPECT_EQ(ModifierMaskOf(Qt::Key_Shift, Qt::ShiftModifier), 0);
  EXPECT_EQ(ModifierMaskOf(Qt::Key_A, Qt::ControlModifier | Qt::AltModifier), 5);
}

TEST_F(LinuxWindowTest, TheHomepageLinkOpensOnlyAddressesThatPassTheAddressRule) {
  BrowserStandIn browser;
  QDesktopServices::setUrlHandler("http", &browser, "Open");
  Hyperlink good(QString(), "http://127.0.0.1:9/home", nullptr);
  QTest::mousePress(&good, Qt::LeftButton);
  EXPECT_EQ(browser.opened, std::vector<std::string>{"http://127.0.0.1:9/home"});
  EXPECT_EQ(good.Colour(), QColor(128, 0, 0));  // visited

  Hyperlink hostile(QString(), "http://127.0.0.1:9/a\" --arg \"b", nullptr);
  QTest::mousePress(&hostile, Qt::LeftButton);
  EXPECT_EQ(browser.opened.size(), 1u);
  EXPECT_EQ(hostile.Colour(), QColor(0, 0, 255));  // not visited
  QDesktopServices::unsetUrlHandler("http");
}

}  // namespace
}  // namespace velmora::linux_ui
