#include "runtime/form_model.h"

#include <algorithm>

#include "runtime/utf.h"

namespace umrak::core {

namespace {

constexpr std::size_t opIndex(Op op) {
  return static_cast<std::size_t>(op);
}

bool supports(Kind kind, Op op) {
  switch (op) {
    case Op::GetText:
    case Op::SetText:
      return kind == Kind::TextBox;
    case Op::GetCaption:
    case Op::SetCaption:
      return kind == Kind::Label;
    case Op::GetValue:
      return isScrollBar(kind);
  }
  return false;
}

}  // namespace

FormModel::FormModel(const FormDescription& description) : description_(description) {
  for (std::size_t i = 0; i < description_.controls.size(); ++i) {
    const ControlRecord& r = description_.controls[i];
    slots_[indexOf(r.id)] = i;
    texts_[indexOf(r.id)] = utf8ToUtf16(r.text ? r.text : "");
    values_[indexOf(r.id)] = r.scroll.value;
  }
}

void FormModel::userSetText(ControlId id, std::u16string text) {
  texts_[indexOf(id)] = std::move(text);
  changed(id);
}

void FormModel::userSetValue(ControlId id, std::int16_t value) {
  const ScrollSettings& s = record(id).scroll;
  values_[indexOf(id)] = std::clamp(value, s.min, s.max);
  changed(id);
}

void FormModel::failNext(ControlId id, Op op, Status status) {
  failures_[indexOf(id)][opIndex(op)] = status;
}

std::optional<Status> FormModel::takeFailure(ControlId id, Op op) {
  return std::exchange(failures_[indexOf(id)][opIndex(op)], std::nullopt);
}

Status FormModel::get(ControlId id, Op op, std::u16string& out) {
  if (auto failure = takeFailure(id, op)) return *failure;
  if (!supports(kind(id), op)) return failureStatusOf(error::kNotSupported, -1);
  out = texts_[indexOf(id)];
  return kOk;
}

Status FormModel::set(ControlId id, Op op, std::u16string_view text) {
  if (auto failure = takeFailure(id, op)) return *failure;
  if (!supports(kind(id), op)) return failureStatusOf(error::kNotSupported, -1);
  texts_[indexOf(id)].assign(text);
  changed(id);
  return kOk;
}

Status FormModel::getValue(ControlId id, std::int16_t& out) {
  if (auto failure = takeFailure(id, Op::GetValue)) return *failure;
  if (!supports(kind(id), Op::GetValue)) return failureStatusOf(error::kNotSupported, -1);
  out = values_[indexOf(id)];
  return kOk;
}

void FormModel::changed(ControlId id) {
  if (observer_) observer_->propertyChanged(id);
}

void FormModel::end() {
  if (ended_) return;
  ended_ = true;
  if (observer_) observer_->programEnded();
}

void FormModel::print(std::u16string text) {
  lastPrinted_ = PrintedLine{printRow_, std::move(text)};
  ++printRow_;
  ++printCount_;
  if (observer_) observer_->printed(*lastPrinted_);
}

}  // namespace umrak::core
