// A stand-in for the main window in the unit tests: its controls in template
// order (texts, checks, group styles, focus, selection), the message boxes it
// has shown, and its notification dispatch, so that a test can act like a
// user (type, click, press Enter) and read back what the window would show.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "exchange.h"
#include "weight_form.h"

enum class ControlKind { Edit, Radio, PushButton, GroupBox, Static };

struct FakeControl {
  int id;
  ControlKind kind;
  bool group = false;  // starts a group (WS_GROUP)
  std::string text = {};
  bool checked = false;
  std::size_t selStart = 0;  // an edit field's selection; equal ends are a caret
  std::size_t selEnd = 0;
  int textSets = 0;  // how often the program has set the text
};

constexpr int kNoControl = 0;  // FocusId() when no control has the focus

// What the window shows at one moment.
struct FakeScreen {
  std::vector<FakeControl> controls;  // template order
  int focus = -1;                     // index into controls; -1: none of them

  const FakeControl& Get(int id) const;
  FakeControl& Get(int id);
  const std::string& Text(int id) const { return Get(id).text; }
  bool AllSelected(int id) const;  // the whole text of the field is selected
  int FocusId() const;
  std::vector<int> CheckedIds() const;
};

// One message box: its string id and the window as it was while the box was
// up (focus: the control the box took it from and gives it back to).
struct ShownMessage {
  unsigned stringId;
  FakeScreen screen;
};

class FakeWindow : public ExchangeWindow {
 public:
  explicit FakeWindow(std::vector<FakeControl> controls);
  FakeWindow(const FakeWindow&) = delete;  // control handles point into it
  FakeWindow& operator=(const FakeWindow&) = delete;

  FakeScreen screen;
  std::vector<ShownMessage> messages;
  int droppedNotifications = 0;  // consumed by the lockout
  // What the main window's wiring calls for a radio click, the weight field
  // losing the focus and Enter.
  std::function<void()> onRecalculate;

  // Acting like a user.
  void Type(std::string_view text);  // into the weight field, replacing its text
  void Click(int id);                // focus to the control, then click it
  void PressEnter();                 // presses the hidden default button

  // ExchangeWindow
  Control FindControl(int id) override;
  std::string GetText(Control control, std::size_t maxChars) override;
  void SetText(Control control, std::string_view text) override;
  void SetFocus(Control control) override;
  void SelectAllText(Control control) override;
  bool IsRadioButton(Control control) override;
  bool GetCheck(Control control) override;
  void SetCheck(Control control, bool checked) override;
  Control NextControl(Control control) override;
  bool HasGroupStyle(Control control) override;
  void ShowMessage(unsigned stringId) override;
  const void* LockoutKey() const override { return this; }

 private:
  enum class Notification { Clicked, KillFocus };
  static FakeControl& Of(Control control) { return *static_cast<FakeControl*>(control); }
  int IndexOf(Control control) const;
  void MoveFocus(int index);
  void Notify(int id, Notification notification);
  void CheckAutoRadio(int index);
};

// The main window's controls as its template lays them out, with the
// captions of its buttons; the two number fields and the static texts start
// empty.
std::vector<FakeControl> MainWindowControls();

// The form wired to a fake main window the way the real main window wires
// it: its exchange is ExchangeForm, its handlers call Recalculate, and it
// opens showing the form with the focus in the weight field, text selected.
class FakeGravityDlg : public WeightForm {
 public:
  FakeGravityDlg();
  bool UpdateData(bool bSaveAndValidate);
  void Recalculate();

  FakeWindow window{MainWindowControls()};
  int recalculations = 0;  // entries into Recalculate
  int deepestNesting = 0;  // 1 unless Recalculate ran inside itself

 private:
  int m_nesting = 0;
};
