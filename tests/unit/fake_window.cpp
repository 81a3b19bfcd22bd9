#include "fake_window.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "destinations.h"
#include "resource.h"

// ---- FakeScreen ----------------------------------------------------------

const FakeControl& FakeScreen::Get(int id) const {
  for (const FakeControl& control : controls) {
    if (control.id == id) return control;
  }
  throw std::out_of_range("no fake control with id " + std::to_string(id));
}

FakeControl& FakeScreen::Get(int id) {
  return const_cast<FakeControl&>(std::as_const(*this).Get(id));
}

bool FakeScreen::AllSelected(int id) const {
  const FakeControl& control = Get(id);
  return control.selStart == 0 && control.selEnd == control.text.size();
}

int FakeScreen::FocusId() const { return focus < 0 ? kNoControl : controls[focus].id; }

std::vector<int> FakeScreen::CheckedIds() const {
  std::vector<int> ids;
  for (const FakeControl& control : controls) {
    if (control.checked) ids.push_back(control.id);
  }
  return ids;
}

// ---- FakeWindow: acting like a user ---------------------------------------

FakeWindow::FakeWindow(std::vector<FakeControl> controls) { screen.controls = std::move(controls); }

void FakeWindow::Type(std::string_view text) {
  FakeControl& field = screen.Get(IDC_EARTH_WEIGHT);
  MoveFocus(IndexOf(&field));
  field.text = text;
  field.selStart = field.selEnd = field.text.size();
}

void FakeWindow::Click(int id) {
  // The mouse press takes the focus (the weight field, losing it, notifies);
  // the release checks an auto radio button and sends BN_CLICKED.
  const int index = IndexOf(&screen.Get(id));
  MoveFocus(index);
  const ControlKind kind = screen.controls[index].kind;
  if (kind == ControlKind::Radio) CheckAutoRadio(index);
  if (kind == ControlKind::Radio || kind == ControlKind::PushButton) Notify(id, Notification::Clicked);
}

void FakeWindow::PressEnter() { Notify(IDC_ENTER_DEFAULT, Notification::Clicked); }

// ---- FakeWindow: the operations the exchange uses ---------------------------

ExchangeWindow::Control FakeWindow::FindControl(int id) {
  for (FakeControl& control : screen.controls) {
    if (control.id == id) return &control;
  }
  return nullptr;
}

std::string FakeWindow::GetText(Control control, std::size_t maxChars) {
  return Of(control).text.substr(0, maxChars);
}

void FakeWindow::SetText(Control control, std::string_view text) {
  FakeControl& field = Of(control);
  field.text = text;
  field.selStart = field.selEnd = 0;  // setting a text puts the caret at its start
  ++field.textSets;
}

void FakeWindow::SetFocus(Control control) { MoveFocus(IndexOf(control)); }

void FakeWindow::SelectAllText(Control control) {
  FakeControl& field = Of(control);
  field.selStart = 0;
  field.selEnd = field.text.size();
}

bool FakeWindow::IsRadioButton(Control control) { return Of(control).kind == ControlKind::Radio; }

bool FakeWindow::GetCheck(Control control) { return Of(control).checked; }

void FakeWindow::SetCheck(Control control, bool checked) { Of(control).checked = checked; }

ExchangeWindow::Control FakeWindow::NextControl(Control control) {
  const std::size_t next = static_cast<std::size_t>(IndexOf(control)) + 1;
  return next < screen.controls.size() ? &screen.controls[next] : nullptr;
}

bool FakeWindow::HasGroupStyle(Control control) { return Of(control).group; }

void FakeWindow::ShowMessage(unsigned stringId) {
  // The box takes the focus while it is up and gives it back when closed.
  messages.push_back({stringId, screen});
  const int focusBefore = screen.focus;
  MoveFocus(-1);
  screen.focus = focusBefore;
}

// ---- FakeWindow: focus and notifications ------------------------------------

int FakeWindow::IndexOf(Control control) const {
  return static_cast<int>(static_cast<const FakeControl*>(control) - screen.controls.data());
}

void FakeWindow::MoveFocus(int index) {
  const int from = screen.focus;
  screen.focus = index;
  if (from != index && from >= 0 && screen.controls[from].id == IDC_EARTH_WEIGHT) {
    Notify(IDC_EARTH_WEIGHT, Notification::KillFocus);
  }
}

void FakeWindow::Notify(int id, Notification notification) {
  if (LockedOutWindow() == LockoutKey()) {
    ++droppedNotifications;
    return;
  }
  // The main window's wiring: every destination's radio button, the hidden
  // default button, and the weight field losing the focus recalculate.
  const auto isDestination = [id] {
    const auto rows = Destinations();
    return std::any_of(rows.begin(), rows.end(), [id](const Destination& d) { return d.radioId == id; });
  };
  const bool wired = notification == Notification::KillFocus ? id == IDC_EARTH_WEIGHT
                                                             : isDestination() || id == IDC_ENTER_DEFAULT;
  if (wired && onRecalculate) onRecalculate();
}

void FakeWindow::CheckAutoRadio(int index) {
  // An auto radio button unchecks the other radio buttons of its group.
  int first = index;
  while (first > 0 && !screen.controls[first].group) --first;
  for (std::size_t i = first; i < screen.controls.size(); ++i) {
    if (static_cast<int>(i) != first && screen.controls[i].group) break;
    if (screen.controls[i].kind == ControlKind::Radio) screen.controls[i].checked = false;
  }
  screen.controls[index].checked = true;
}

// ---- The main window --------------------------------------------------------

std::vector<FakeControl> MainWindowControls() {
  using K = ControlKind;
  return {
      {IDC_EARTH_WEIGHT, K::Edit},
      {IDC_MERCURY, K::Radio, true, "Mercury"},
      {IDC_VENUS, K::Radio, false, "Venus"},
      {IDC_MOON, K::Radio, false, "Earth's Moon"},
      {IDC_MARS, K::Radio, false, "Mars"},
      {IDC_JUPITER, K::Radio, false, "Jupiter"},
      {IDC_SATURN, K::Radio, false, "Saturn"},
      {IDC_URANUS, K::Radio, false, "Uranus"},
      {IDC_NEPTUNE, K::Radio, false, "Neptune"},
      {IDC_PLUTO, K::Radio, false, "Pluto"},
      {IDC_MORE_INFO, K::PushButton, true, "&More info on this destination"},
      {1 /* IDOK */, K::PushButton, false, "OK"},
      {IDC_STATIC, K::GroupBox, false, " Select your destination! "},
      {IDC_STATIC, K::Static, true},
      {IDC_STATIC, K::Static, true},
      {IDC_STATIC, K::Static, true},
      {IDC_WEIGHT_THERE, K::Edit},
      {IDC_STATIC, K::Static, true},
      {IDC_ENTER_DEFAULT, K::PushButton, false, "Button1"},
  };
}

FakeGravityDlg::FakeGravityDlg() {
  window.onRecalculate = [this] { Recalculate(); };
  // What the platform does when the window opens: write the form, then focus
  // the first tab stop with its whole text selected.
  UpdateData(false);
  window.SetFocus(window.FindControl(IDC_EARTH_WEIGHT));
  window.SelectAllText(window.FindControl(IDC_EARTH_WEIGHT));
}

bool FakeGravityDlg::UpdateData(bool bSaveAndValidate) {
  return ::UpdateData(window, bSaveAndValidate, [this](CDataExchange* pDX) { ExchangeForm(pDX); });
}

void FakeGravityDlg::Recalculate() {
  ++recalculations;
  deepestNesting = std::max(deepestNesting, ++m_nesting);
  RecalculateWith([this](bool bSaveAndValidate) { return UpdateData(bSaveAndValidate); });
  --m_nesting;
}
