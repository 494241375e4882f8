#include "ui/linux/main_window.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QGuiApplication>
#include <QIcon>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>
#include <QValidator>
#include <algorithm>

#include "ui/focus_ring.h"
#include "ui/handlers.h"
#include "ui/linux/gbk.h"
#include "ui/linux/hyperlink.h"
#include "ui/linux/status_bar.h"

// The built-in resources of a static library must be named to be linked in.
static void InitialiseResources() { Q_INIT_RESOURCE(velmora); }

namespace velmora::linux_ui {
namespace {

using ui::ControlDescription;
using ui::ControlKind;

constexpr int kStatusHeight = 20;

// Like a Windows edit box's limit: of what the user types or pastes, only as
// much is inserted as fits; the program's own setText is never validated,
// so its texts may be longer.
class TypingLimit : public QValidator {
 public:
  TypingLimit(QLineEdit* edit, int limit) : QValidator(edit), before_(edit->text()), limit_(limit) {
    // Validation comes before the change is made final, and textChanged
    // after it: so this is always the text before the edit.
    connect(edit, &QLineEdit::textChanged, this, [this](const QString& text) { before_ = text; });
  }

  State validate(QString& input, int& position) const override {
    if (input.size() <= limit_) return Acceptable;
    // The edit replaced what lies between the start and end that the text
    // before it and the input share.
    const QString& before = before_;
    qsizetype same = 0;
    while (same < before.size() && same < input.size() && before[same] == input[same]) ++same;
    qsizetype sameEnd = 0;
    while (sameEnd < before.size() - same && sameEnd < input.size() - same &&
           before[before.size() - 1 - sameEnd] == input[input.size() - 1 - sameEnd]) {
      ++sameEnd;
    }
    const qsizetype room = std::max<qsizetype>(0, limit_ - same - sameEnd);
    const QString inserted = input.mid(same, input.size() - same - sameEnd).left(room);
    input = before.left(same) + inserted + before.right(sameEnd);
    position = static_cast<int>(same + inserted.size());
    return Acceptable;
  }

 private:
  QString before_;
  int limit_;
};

}  // namespace

MainWindow::MainWindow(const Text& homepageAddress) {
  setWindowTitle(GbkToQString(ui::kDescribedCaption));
  InitialiseResources();
  setWindowIcon(QIcon(QStringLiteral(":/velmora/velmora.png")));
  setFixedSize(ui::kWindowWidth, ui::kWindowHeight);
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->geometry();
    move(area.x() + (area.width() - ui::kWindowWidth) / 2,
         area.y() + (area.height() - ui::kWindowHeight) / 2);
  }
  // The group box comes late in the description; its thirteen controls are
  // created inside it from the start.
  auto* group = new QGroupBox(this);
  for (const ControlDescription& control : ui::Controls()) {
    widgets_[static_cast<int>(control.id)] =
        control.id == ControlId::SettingsGroup ? group : CreateControl(control, group, homepageAddress);
  }
  const ControlDescription& groupPlace = ui::Describe(ControlId::SettingsGroup);
  group->setGeometry(groupPlace.left, groupPlace.top, groupPlace.width, groupPlace.height);
  group->setFocusPolicy(Qt::NoFocus);

  // First in the description is on top of its siblings.
  for (const ControlDescription& control : ui::Controls()) {
    if (QWidget* widget = Widget(control.id)) widget->lower();
  }
  for (const ControlDescription& control : ui::Controls()) {
    if (QWidget* widget = Widget(control.id)) widget->setVisible(control.visible);
  }
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  escape->setContext(Qt::WindowShortcut);
  connect(escape, &QShortcut::activated, this, &QWidget::close);
  setAttribute(Qt::WA_DeleteOnClose, false);
}

QWidget* MainWindow::CreateControl(const ControlDescription& control, QWidget* group,
                                   const Text& homepageAddress) {
  QWidget* parent = control.insideGroup ? group : this;
  const QString text = GbkToQString(control.text ? control.text : "");
  QWidget* widget = nullptr;
  switch (control.kind) {
    case ControlKind::Timer:
      return nullptr;  // timers are not widgets here
    case ControlKind::Label: {
      auto* label = new QLabel(text, parent);
      label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
      widget = label;
      break;
    }
    case ControlKind::Edit: {
      auto* edit = new QLineEdit(text, parent);
      edit->setAlignment(Qt::AlignCenter);
      edit->setReadOnly(control.readOnly);
      edit->setCursorPosition(0);
      edit->installEventFilter(this);
      LimitTyping(edit, control.textLimit);
      widget = edit;
      const int minimum = QFontMetrics(edit->font()).height() + 4;
      widget->setGeometry(control.left, control.top, control.width,
                          std::max(control.height, minimum));
      break;
    }
    case ControlKind::MultiLineEdit: {
      auto* edit = new QPlainTextEdit(GbkToQString(ui::UsageText()), parent);
      edit->setReadOnly(true);
      edit->setTabChangesFocus(true);
      widget = edit;
      break;
    }
    case ControlKind::CheckBox:
    case ControlKind::RadioButton: {
      QAbstractButton* button = control.kind == ControlKind::CheckBox
                                    ? static_cast<QAbstractButton*>(new QCheckBox(text, parent))
                                    : new QRadioButton(text, parent);
      button->setChecked(control.ticked);
      if (control.kind == ControlKind::RadioButton) button->installEventFilter(this);
      const ControlId id = control.id;
      connect(button, &QAbstractButton::clicked, this, [this, id] { RaiseClicked(id); });
      widget = button;
      break;
    }
    case ControlKind::Hyperlink:
      widget = new Hyperlink(text, homepageAddress, parent);
      break;
    case ControlKind::StatusBar: {
      // Docked at the bottom across the window; the stored place is not used.
      statusBar_ = new StatusBar(text, parent);
      statusBar_->setGeometry(0, ui::kWindowHeight - kStatusHeight, ui::kWindowWidth,
                              kStatusHeight);
      return statusBar_;
    }
    case ControlKind::GroupBox:
      return nullptr;
  }
  if (control.kind != ControlKind::Edit) {
    widget->setGeometry(control.left, control.top, control.width, control.height);
  }
  widget->setFocusPolicy(control.tabStop ? Qt::StrongFocus : Qt::NoFocus);
  return widget;
}

void MainWindow::SetSettingsEnabled(bool enabled) {
  QWidget* group = Widget(ControlId::SettingsGroup);
  if (!enabled) {
    if (group->isEnabled()) focusBeforeLock_ = focusWidget();
    group->setEnabled(false);
    return;
  }
  group->setEnabled(true);
  if (focusBeforeLock_ && focusBeforeLock_->isVisible() && focusBeforeLock_->isEnabled() &&
      !focusWidget()) {
    focusBeforeLock_->setFocus(Qt::OtherFocusReason);
  }
  focusBeforeLock_ = nullptr;
}

void MainWindow::SetEditText(ControlId id, const QString& text) {
  QLineEdit* edit = Edit(id);
  if (!edit) return;
  // Qt validates setText too; the typing limit is for the user only.
  const QValidator* limit = edit->validator();
  edit->setValidator(nullptr);
  edit->setText(text);
  edit->setValidator(limit);
}

void MainWindow::SetStatus(const QString& text) { statusBar_->SetText(text); }

void MainWindow::OnStatusShown(std::function<void(const QString&)> shown) {
  statusBar_->onShown = std::move(shown);
}

void MainWindow::ShowStatusNow() { statusBar_->Flush(); }

QAbstractButton* MainWindow::Button(ControlId id) const {
  return qobject_cast<QAbstractButton*>(Widget(id));
}

QLineEdit* MainWindow::Edit(ControlId id) const { return qobject_cast<QLineEdit*>(Widget(id)); }

void MainWindow::Bind(ClickControl& clickControl) {
  clickControl_ = &clickControl;
  clickTimer_.onPeriodic = [&clickControl] { clickControl.OnClickTick(); };
  timeLimitTimer_.onPeriodic = [&clickControl] { clickControl.OnTimedStop(); };
}

void MainWindow::RaiseClicked(ControlId id) {
  if (clickControl_) ui::RaiseClicked(*clickControl_, id);
}

void MainWindow::LimitTyping(QLineEdit* edit, int limit) {
  if (limit > 0) edit->setValidator(new TypingLimit(edit, limit));
}

bool MainWindow::IsUsable(ControlId id) const {
  QWidget* widget = Widget(id);
  // isEnabled() is false inside a disabled group: the locked settings are skipped.
  return widget && widget->isVisible() && widget->isEnabled();
}

std::optional<ControlId> MainWindow::IdOf(const QWidget* widget) const {
  for (int i = 0; i < ui::kControlCount; ++i) {
    if (widget && widgets_[i] == widget) return static_cast<ControlId>(i);
  }
  return std::nullopt;
}

std::vector<QWidget*> MainWindow::TabRing() const {
  std::vector<QWidget*> ring;
  for (ControlId id : ui::TabRing([this](ControlId id) { return IsUsable(id); })) {
    ring.push_back(Widget(id));
  }
  return ring;
}

}  // namespace velmora::linux_ui
