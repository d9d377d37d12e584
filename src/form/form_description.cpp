#include "form/form_description.h"

namespace umrak::form1 {

namespace {

using C = core::ControlId;
using K = core::Kind;
using F = core::FontStyle;
using core::Color;
using core::SystemColor;

constexpr Color kLightRed = Color::rgb(255, 128, 128);
constexpr Color kLightYellow = Color::rgb(255, 255, 128);
constexpr Color kMagenta = Color::rgb(255, 0, 255);
constexpr Color kGreen = Color::rgb(0, 255, 0);
constexpr Color kPaleGreen = Color::rgb(192, 255, 192);
constexpr Color kPaleBlue = Color::rgb(192, 192, 255);
constexpr Color kLightBlue = Color::rgb(128, 128, 255);
constexpr Color kDarkBlue = Color::rgb(0, 0, 192);
constexpr Color kDarkOrange = Color::rgb(192, 64, 0);
constexpr Color kLightGrey = Color::rgb(224, 224, 224);
constexpr Color kButtonText = Color::of(SystemColor::ButtonText);
constexpr Color kWindowText = Color::of(SystemColor::WindowText);
constexpr Color kCaptionText = Color::of(SystemColor::ActiveCaptionText);
constexpr Color kScrollBar = Color::of(SystemColor::ScrollBar);

// Two lines, each ending in CR LF, so a third, empty line follows.
constexpr const char* kNote1 =
    ".ملحوظه هامه:-فى حاله وجود اشاره سالبه(_)بجوار الشهر أو السنه هكذا 2- تعامل مع المفاتيح "
    "الخضراء اسفل \r\n"
    "الشاشه لأن هذه القيمه  تعنى انقاص من العمر وذلك تسهيل على المستخدمين   مع تحياتى "
    "----------\r\n";
constexpr const char* kNote2 =
    "ملحوظه أخرى: لمعرفه التاريخ والوقت وعدد أيام الشهر أضغط مرتين على الساعه أسفل شريط البدايه "
    "علىيمين الشاشه";

struct Box {
  int left, top, width, height;
};

constexpr bool kRtl = true;
constexpr bool kLtr = false;

constexpr core::ControlRecord record(C id, K kind, const char* text, Box b, Color back, Color fore,
                                     F font, int tab, bool rtl) {
  return {.id = id,
          .kind = kind,
          .text = text,
          .left = b.left,
          .top = b.top,
          .width = b.width,
          .height = b.height,
          .back = back,
          .fore = fore,
          .font = font,
          .tabIndex = tab,
          .rightToLeft = rtl};
}

// Graphical buttons: the face is the button's own colour.
constexpr core::ControlRecord button(C id, const char* caption, Box b, Color face, F font, int tab,
                                     bool rtl) {
  return record(id, K::CommandButton, caption, b, face, kButtonText, font, tab, rtl);
}

constexpr core::ControlRecord textBox(C id, const char* text, Box b, Color back, Color fore,
                                      int tab, bool rtl) {
  return record(id, K::TextBox, text, b, back, fore, F::Regular825, tab, rtl);
}

// The one multi-line box, with a vertical scroll bar.
constexpr core::ControlRecord noteBox(C id, const char* text, Box b, Color back, Color fore,
                                      int tab, bool rtl) {
  core::ControlRecord r = textBox(id, text, b, back, fore, tab, rtl);
  r.multiLine = true;
  r.verticalScrollBar = true;
  return r;
}

constexpr core::ControlRecord label(C id, const char* caption, Box b, F font, int tab, bool rtl) {
  return record(id, K::Label, caption, b, kLightRed, kButtonText, font, tab, rtl);
}

// The adjusted results and the zodiac sign are right-justified.
constexpr core::ControlRecord resultLabel(C id, const char* caption, Box b, F font, int tab,
                                          bool rtl) {
  core::ControlRecord r = label(id, caption, b, font, tab, rtl);
  r.rightJustified = true;
  return r;
}

// Frames are caption strips lying across the scroll bars; they contain nothing.
constexpr core::ControlRecord strip(C id, const char* caption, Box b, int tab) {
  return record(id, K::Frame, caption, b, kLightRed, kButtonText, F::Regular825, tab, kRtl);
}

struct Range {
  std::int16_t min, max, value;
};

// Both steps are 1: an arrow click and a trough click each move the bar by one.
constexpr core::ControlRecord bar(C id, K kind, Box b, Range range, int tab) {
  core::ControlRecord r =
      record(id, kind, "", b, kScrollBar, kButtonText, F::Regular825, tab, kRtl);
  r.scroll = {
      .min = range.min, .max = range.max, .value = range.value, .smallChange = 1, .largeChange = 1};
  return r;
}

// Stored order: topmost first; windowed controls, then the labels.
// clang-format off
constexpr core::ControlRecord kControls[] = {
    button(C::Command19, "أضغط لتعرف بورجك", {7920, 6960, 1215, 495}, kLightBlue, F::Regular825, 53, kRtl),
    strip(C::Frame5, "لتحديد تاريخ اليوم", {3120, 1440, 1335, 255}, 52),
    strip(C::Frame4, "لتحديد الشهر الحالى", {6360, 2880, 1455, 255}, 51),
    bar(C::HScroll1, K::HScrollBar, {1, 1440, 7455, 375}, {1, 31, 1}, 50),
    bar(C::VScroll2, K::VScrollBar, {6960, 1920, 375, 2535}, {1, 12, 10}, 49),
    strip(C::Frame3, "تحديد شهر الميلاد", {3840, 4320, 1215, 255}, 48),
    strip(C::Frame2, "تحديد سنه الميلاد", {8040, 6120, 1215, 255}, 47),
    strip(C::Frame1, "تحديد يوم الميلاد", {7560, 1560, 1215, 255}, 46),
    bar(C::VScroll1, K::VScrollBar, {8880, 240, 375, 6615}, {1920, 2003, 1980}, 45),
    bar(C::scroll, K::VScrollBar, {8160, 240, 375, 4215}, {1, 31, 1}, 44),
    button(C::Command18, "11", {7440, 4560, 495, 495}, kMagenta, F::Bold825, 43, kRtl),
    button(C::Command17, "12", {8160, 4560, 495, 495}, kMagenta, F::Bold825, 42, kRtl),
    textBox(C::Text8, kNote2, {360, 6360, 8055, 375}, kDarkOrange, kLightGrey, 41, kRtl),
    button(C::Command16, "تعديل فى حاله الأيام أذا كان الشهر الحالى 30 يوم", {1920, 5280, 1215, 855}, kGreen, F::Regular825, 40, kRtl),
    button(C::Command15, "تعديل فى حاله الأيام أذا كان الشهر الحالى 31يوم", {120, 5280, 1215, 855}, kGreen, F::Regular825, 36, kRtl),
    button(C::Command14, "تعديل فى حاله الشهور ", {7440, 5280, 1215, 855}, kGreen, F::Regular825, 35, kRtl),
    noteBox(C::Text7, kNote1, {0, 720, 7575, 615}, kDarkBlue, kCaptionText, 34, kLtr),
    button(C::Command13, "مؤلف البرنامج", {5640, 5640, 1215, 495}, kPaleBlue, F::Regular825, 33, kRtl),
    textBox(C::Text6, "2002", {1080, 120, 855, 495}, kLightYellow, kWindowText, 32, kLtr),
    textBox(C::Text5, "10", {2400, 120, 495, 495}, kLightYellow, kWindowText, 31, kLtr),
    textBox(C::Text4, "", {3360, 120, 495, 495}, kLightYellow, kWindowText, 30, kLtr),
    button(C::Command12, "أنهاء", {3720, 5640, 1215, 495}, kPaleBlue, F::Regular825, 19, kLtr),
    button(C::Command11, "7", {4560, 4560, 495, 495}, kMagenta, F::Bold825, 13, kLtr),
    button(C::Command10, "8", {5280, 4560, 495, 495}, kMagenta, F::Bold825, 12, kLtr),
    button(C::Command9, "9", {6000, 4560, 495, 495}, kMagenta, F::Bold825, 11, kLtr),
    button(C::Command8, "10", {6720, 4560, 495, 495}, kMagenta, F::Bold825, 10, kLtr),
    button(C::Command7, "أدخال", {-120, 2040, 1215, 495}, kPaleGreen, F::Regular825, 9, kLtr),
    button(C::Command6, "2", {960, 4560, 495, 495}, kMagenta, F::Bold825, 8, kLtr),
    button(C::Command5, "3", {1680, 4560, 495, 495}, kMagenta, F::Bold825, 7, kLtr),
    button(C::Command4, "4", {2400, 4560, 495, 495}, kMagenta, F::Bold825, 6, kLtr),
    button(C::Command3, "5", {3120, 4560, 495, 495}, kMagenta, F::Bold825, 5, kLtr),
    button(C::Command2, "1", {240, 4560, 495, 495}, kMagenta, F::Bold825, 4, kLtr),
    button(C::Command1, "6", {3840, 4560, 495, 495}, kMagenta, F::Bold825, 3, kLtr),
    textBox(C::Text3, "", {3120, 2040, 495, 495}, kLightYellow, kWindowText, 2, kLtr),
    textBox(C::Text2, "", {2400, 2040, 495, 495}, kLightYellow, kWindowText, 1, kLtr),
    textBox(C::Text1, "198", {1080, 2040, 1095, 495}, kLightYellow, kWindowText, 0, kLtr),
    resultLabel(C::Label19, "", {120, 6960, 7695, 615}, F::Regular825, 54, kRtl),
    resultLabel(C::Label18, "", {480, 3840, 495, 495}, F::Bold12, 39, kRtl),
    resultLabel(C::Label13, "", {1560, 3840, 495, 495}, F::Bold12, 38, kRtl),
    resultLabel(C::Label12, "", {2640, 3840, 495, 495}, F::Bold12, 37, kRtl),
    label(C::Label17, "من فضلك أدخال تاريخ اليوم أولا", {4440, 240, 2895, 495}, F::Bold975, 29, kLtr),
    label(C::Label16, "يوم", {3960, 240, 375, 375}, F::Regular825, 28, kLtr),
    label(C::Label15, "شهر", {3000, 240, 375, 255}, F::Regular825, 27, kLtr),
    label(C::Label14, "لسنه", {2040, 240, 495, 495}, F::Regular825, 26, kLtr),
    label(C::Label11, "يوم", {600, 3360, 375, 375}, F::Regular825, 25, kLtr),
    label(C::Label10, "", {1080, 3360, 495, 495}, F::Bold12, 24, kLtr),
    label(C::Label9, "شهر", {1680, 3360, 375, 495}, F::Regular825, 23, kLtr),
    label(C::Label8, "", {3240, 3360, 495, 495}, F::Bold12, 22, kLtr),
    label(C::Label7, "", {2160, 3360, 495, 375}, F::Bold12, 21, kLtr),
    label(C::Label6, "سنه", {2760, 3360, 375, 375}, F::Regular825, 20, kLtr),
    label(C::Label5, "عمرك فى هذا اليوم", {3960, 3360, 1815, 495}, F::Regular825, 18, kLtr),
    label(C::Label4, "السنه", {1440, 1800, 615, 255}, F::Regular825, 17, kLtr),
    label(C::Label3, "اليوم", {3240, 1800, 375, 255}, F::Regular825, 16, kLtr),
    label(C::Label2, "الشهر", {2520, 1800, 495, 255}, F::Regular825, 15, kLtr),
    label(C::Label1, "أدخل تاريخ ميلادك هنا", {3960, 2160, 1695, 495}, F::Regular825, 14, kLtr),
};
// clang-format on

constexpr core::FormRecord kForm{
    .caption = "برنامج قزوبان",
    .clientWidth = 9285,
    .clientHeight = 7665,
    .back = kLightRed,
    .fore = kButtonText,
    .font = F::Regular825,
    .rightToLeft = true,
    .toolWindow = true,
    .minButton = false,
    .maxButton = false,
    .showInTaskbar = false,
};

}  // namespace

const core::FormDescription& form1Description() {
  static const core::FormDescription description{kForm, kControls};
  return description;
}

}  // namespace umrak::form1
