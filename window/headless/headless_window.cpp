#include "window/headless/headless_window.h"

#include <utility>

#include "window/event_boundary.h"

namespace corvane {
namespace {

// A closed window takes no user action, and neither does a control that is hidden.
bool TakesActions(const HeadlessForm& form, const HeadlessFrame& frame) {
  return !form.Unloaded() && frame.Visible();
}

}  // namespace

HeadlessWindow::HeadlessWindow(const PriceBook& book, Separators separators)
    : behaviour_(book,
                 WindowControls{Combo1,
                                Combo2,
                                Combo3,
                                List1,
                                txtExclPrice,
                                txtInclPrice,
                                txtSuppExcl,
                                txtSuppIncl,
                                fmeSupport,
                                lblTitle,
                                fmeFrom,
                                fmeTo,
                                {&optAge0, &optAge1, &optAge2},
                                messages,
                                form},
                 std::move(separators)) {
  Deliver([this] { behaviour_.Form_Load(); });
}

template <typename Handler>
void HeadlessWindow::Deliver(Handler handler) {
  if (!form.Unloaded()) DeliverEvent(messages, handler);
}

void HeadlessWindow::Raise(void (QuoteWindow::*handler)()) {
  Deliver([this, handler] { (behaviour_.*handler)(); });
}

HeadlessWindow::FieldEvents HeadlessWindow::Events(WindowField field) {
  switch (field) {
    case WindowField::From:
      return {Combo1,
              fmeFrom,
              &QuoteWindow::Combo1_Change,
              &QuoteWindow::Combo1_Step,
              &QuoteWindow::Combo1_Enter,
              &QuoteWindow::Combo1_LostFocus};
    case WindowField::To:
      return {Combo2,
              fmeTo,
              &QuoteWindow::Combo2_Change,
              &QuoteWindow::Combo2_Step,
              &QuoteWindow::Combo2_Enter,
              &QuoteWindow::Combo2_LostFocus};
    case WindowField::Discount:
      break;
  }
  return {Combo3,
          fmeTo,
          &QuoteWindow::Combo3_Change,
          &QuoteWindow::Combo3_Step,
          &QuoteWindow::Combo3_Enter,
          &QuoteWindow::Combo3_LostFocus};
}

void HeadlessWindow::Choose(HeadlessComboBox& combo, const HeadlessFrame& frame, int position,
                            void (QuoteWindow::*handler)()) {
  if (!TakesActions(form, frame) || position < 0 || position >= combo.ListCount()) return;
  combo.SetListIndex(position);
  Raise(handler);
}

void HeadlessWindow::ChooseFrom(int position) {
  Choose(Combo1, fmeFrom, position, &QuoteWindow::Combo1_Click);
}
void HeadlessWindow::ChooseTo(int position) {
  Choose(Combo2, fmeTo, position, &QuoteWindow::Combo2_Click);
}
void HeadlessWindow::ChooseDiscount(int position) {
  Choose(Combo3, fmeTo, position, &QuoteWindow::Combo3_Click);
}

void HeadlessWindow::Type(WindowField field, std::string text) {
  const FieldEvents events = Events(field);
  if (!TakesActions(form, events.frame)) return;
  events.combo.Type(std::move(text));
  Raise(events.change);
}
void HeadlessWindow::TypeFrom(std::string text) {
  Type(WindowField::From, std::move(text));
}
void HeadlessWindow::TypeTo(std::string text) {
  Type(WindowField::To, std::move(text));
}
void HeadlessWindow::TypeDiscount(std::string text) {
  Type(WindowField::Discount, std::move(text));
}

void HeadlessWindow::Step(WindowField field, int position) {
  const FieldEvents events = Events(field);
  Choose(events.combo, events.frame, position, events.step);
}

void HeadlessWindow::PressEnter(WindowField field) {
  const FieldEvents events = Events(field);
  if (TakesActions(form, events.frame)) Raise(events.enter);
}

void HeadlessWindow::Leave(WindowField field) {
  const FieldEvents events = Events(field);
  if (TakesActions(form, events.frame)) Raise(events.lostFocus);
}

void HeadlessWindow::Press(WindowButton button) {
  switch (button) {
    case WindowButton::Other:
      return Deliver([this] { behaviour_.cmdOther_Click(); });
    case WindowButton::Support:
      return Deliver([this] { behaviour_.cmdSupport_Click(); });
    case WindowButton::Upgrade:
      return Deliver([this] { behaviour_.cmdUpgrade_Click(); });
    case WindowButton::Close:
      if (form.Unloaded()) return;
      Deliver([this] { behaviour_.cmdClose_Click(); });
      if (form.Unloaded()) behaviour_.Form_Unload();
      return;
  }
}

void HeadlessWindow::ChooseItem(int position) {
  if (!TakesActions(form, fmeSupport) || position < 0 ||
      position >= static_cast<int>(List1.Items().size())) {
    return;
  }
  List1.Select(position);
  Deliver([this] { behaviour_.List1_Click(); });
}

}  // namespace corvane
