#include "ui/form/form_description.h"

namespace form {

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
    ".ملحوظه هامه:-فى حاله وجود اشاره سالبه(_)بجوار الشهر أو السنه هكذا 2- تعامل مع المفاتيح الخضراء اسفل \r\n"
    "الشاشه لأن هذه القيمه  تعنى انقاص من العمر وذلك تسهيل على المستخدمين   مع تحياتى ----------\r\n";
constexpr const char* kNote2 =
    "ملحوظه أخرى: لمعرفه التاريخ والوقت وعدد أيام الشهر أضغط مرتين على الساعه أسفل شريط البدايه علىيمين الشاشه";

// Stored order: topmost first; windowed controls, then the labels.
constexpr core::ControlRecord kControls[] = {
    {.id = C::Command19, .kind = K::CommandButton, .text = "أضغط لتعرف بورجك", .left = 7920, .top = 6960, .width = 1215, .height = 495, .back = kLightBlue, .fore = kButtonText, .font = F::Regular825, .tabIndex = 53, .rightToLeft = true},
    {.id = C::Frame5, .kind = K::Frame, .text = "لتحديد تاريخ اليوم", .left = 3120, .top = 1440, .width = 1335, .height = 255, .back = kLightRed, .fore = kButtonText, .font = F::Regular825, .tabIndex = 52, .rightToLeft = true},
    {.id = C::Frame4, .kind = K::Frame, .text = "لتحديد الشهر الحالى", .left = 6360, .top = 2880, .width = 1455, .height = 255, .back = kLightRed, .fore = kButtonText, .font = F::Regular825, .tabIndex = 51, .rightToLeft = true},
    {.id = C::HScroll1, .kind = K::HScrollBar, .text = "", .left = 1, .top = 1440, .width = 7455, .height = 375, .back = kScrollBar, .fore = kButtonText, .font = F::Regular825, .tabIndex = 50, .rightToLeft = true, .scroll = {.min = 1, .max = 31, .value = 1, .smallChange = 1, .largeChange = 1}},
    {.id = C::VScroll2, .kind = K::VScrollBar, .text = "", .left = 6960, .top = 1920, .width = 375, .height = 2535, .back = kScrollBar, .fore = kButtonText, .font = F::Regular825, .tabIndex = 49, .rightToLeft = true, .scroll = {.min = 1, .max = 12, .value = 10, .smallChange = 1, .largeChange = 1}},
    {.id = C::Frame3, .kind = K::Frame, .text = "تحديد شهر الميلاد", .left = 3840, .top = 4320, .width = 1215, .height = 255, .back = kLightRed, .fore = kButtonText, .font = F::Regular825, .tabIndex = 48, .rightToLeft = true},
    {.id = C::Frame2, .kind = K::Frame, .text = "تحديد سنه الميلاد", .left = 8040, .top = 6120, .width = 1215, .height = 255, .back = kLightRed, .fore = kButtonText, .font = F::Regular825, .tabIndex = 47, .rightToLeft = true},
    {.id = C::Frame1, .kind = K::Frame, .text = "تحديد يوم الميلاد", .left = 7560, .top = 1560, .width = 1215, .height = 255, .back = kLightRed, .fore = kButtonText, .font = F::Regular825, .tabIndex = 46, .rightToLeft = true},
    {.id = C::VScroll1, .kind = K::VScrollBar, .text = "", .left = 8880, .top = 240, .width = 375, .height = 6615, .back = kScrollBar, .fore = kButtonText, .font = F::Regular825, .tabIndex = 45, .rightToLeft = true, .scroll = {.min = 1920, .max = 2003, .value = 1980, .smallChange = 1, .largeChange = 1}},
    {.id = C::scroll, .kind = K::VScrollBar, .text = "", .left = 8160, .top = 240, .width = 375, .height = 4215, .back = kScrollBar, .fore = kButtonText, .font = F::Regular825, .tabIndex = 44, .rightToLeft = true, .scroll = {.min = 1, .max = 31, .value = 1, .smallChange = 1, .largeChange = 1}},
    {.id = C::Command18, .kind = K::CommandButton, .text = "11", .left = 7440, .top = 4560, .width = 495, .height = 495, .back = kMagenta, .fore = kButtonText, .font = F::Bold825, .tabIndex = 43, .rightToLeft = true},
    {.id = C::Command17, .kind = K::CommandButton, .text = "12", .left = 8160, .top = 4560, .width = 495, .height = 495, .back = kMagenta, .fore = kButtonText, .font = F::Bold825, .tabIndex = 42, .rightToLeft = true},
    {.id = C::Text8, .kind = K::TextBox, .text = kNote2, .left = 360, .top = 6360, .width = 8055, .height = 375, .back = kDarkOrange, .fore = kLightGrey, .font = F::Regular825, .tabIndex = 41, .rightToLeft = true},
    {.id = C::Command16, .kind = K::CommandButton, .text = "تعديل فى حاله الأيام أذا كان الشهر الحالى 30 يوم", .left = 1920, .top = 5280, .width = 1215, .height = 855, .back = kGreen, .fore = kButtonText, .font = F::Regular825, .tabIndex = 40, .rightToLeft = true},
    {.id = C::Command15, .kind = K::CommandButton, .text = "تعديل فى حاله الأيام أذا كان الشهر الحالى 31يوم", .left = 120, .top = 5280, .width = 1215, .height = 855, .back = kGreen, .fore = kButtonText, .font = F::Regular825, .tabIndex = 36, .rightToLeft = true},
    {.id = C::Command14, .kind = K::CommandButton, .text = "تعديل فى حاله الشهور ", .left = 7440, .top = 5280, .width = 1215, .height = 855, .back = kGreen, .fore = kButtonText, .font = F::Regular825, .tabIndex = 35, .rightToLeft = true},
    {.id = C::Text7, .kind = K::TextBox, .text = kNote1, .left = 0, .top = 720, .width = 7575, .height = 615, .back = kDarkBlue, .fore = kCaptionText, .font = F::Regular825, .tabIndex = 34, .rightToLeft = false, .multiLine = true, .verticalScrollBar = true},
    {.id = C::Command13, .kind = K::CommandButton, .text = "مؤلف البرنامج", .left = 5640, .top = 5640, .width = 1215, .height = 495, .back = kPaleBlue, .fore = kButtonText, .font = F::Regular825, .tabIndex = 33, .rightToLeft = true},
    {.id = C::Text6, .kind = K::TextBox, .text = "2002", .left = 1080, .top = 120, .width = 855, .height = 495, .back = kLightYellow, .fore = kWindowText, .font = F::Regular825, .tabIndex = 32, .rightToLeft = false},
    {.id = C::Text5, .kind = K::TextBox, .text = "10", .left = 2400, .top = 120, .width = 495, .height = 495, .back = kLightYellow, .fore = kWindowText, .font = F::Regular825, .tabIndex = 31, .rightToLeft = false},
    {.id = C::Text4, .kind = K::TextBox, .text = "", .left = 3360, .top = 120, .width = 495, .height = 495, .back = kLightYellow, .fore = kWindowText, .font = F::Regular825, .tabIndex = 30, .rightToLeft = false},
    {.id = C::Command12, .kind = K::CommandButton, .text = "أنهاء", .left = 3720, .top = 5640, .width = 1215, .height = 495, .back = kPaleBlue, .fore = kButtonText, .font = F::Regular825, .tabIndex = 19, .rightToLeft = false},
    {.id = C::Command11, .kind = K::CommandButton, .text = "7", .left = 4560, .top = 4560, .width = 495, .height = 495, .back = kMagenta, .fore = kButtonText, .font = F::Bold825, .tabIndex = 13, .rightToLeft = false},
    {.id = C::Command10, .kind = K::CommandButton, .text = "8", .left = 5280, .top = 4560, .width = 495, .height = 495, .back = kMagenta, .fore = kButtonText, .font = F::Bold825, .tabIndex = 12, .rightToLeft = false},
    {.id = C::Command9, .kind = K::CommandButton, .text = "9", .left = 6000, .top = 4560, .width = 495, .height = 495, .back = kMagenta, .fore = kButtonText, .font = F::Bold825, .tabIndex = 11, .rightToLeft = false},
    {.id = C::Command8, .kind = K::CommandButton, .text = "10", .left = 6720, .top = 4560, .width = 495, .height = 495, .back = kMagenta, .fore = kButtonText, .font = F::Bold825, .tabIndex = 10, .rightToLeft = false},
    {.id = C::Command7, .kind = K::CommandButton, .text = "أدخال", .left = -120, .top = 2040, .width = 1215, .height = 495, .back = kPaleGreen, .fore = kButtonText, .font = F::Regular825, .tabIndex = 9, .rightToLeft = false},
    {.id = C::Command6, .kind = K::CommandButton, .text = "2", .left = 960, .top = 4560, .width = 495, .height = 495, .back = kMagenta, .fore = kButtonText, .font = F::Bold825, .tabIndex = 8, .rightToLeft = false},
    {.id = C::Command5, .kind = K::CommandButton, .text = "3", .left = 1680, .top = 4560, .width = 495, .height = 495, .back = kMagenta, .fore = kButtonText, .font = F::Bold825, .tabIndex = 7, .rightToLeft = false},
    {.id = C::Command4, .kind = K::CommandButton, .text = "4", .left = 2400, .top = 4560, .width = 495, .height = 495, .back = kMagenta, .fore = kButtonText, .font = F::Bold825, .tabIndex = 6, .rightToLeft = false},
    {.id = C::Command3, .kind = K::CommandButton, .text = "5", .left = 3120, .top = 4560, .width = 495, .height = 495, .back = kMagenta, .fore = kButtonText, .font = F::Bold825, .tabIndex = 5, .rightToLeft = false},
    {.id = C::Command2, .kind = K::CommandButton, .text = "1", .left = 240, .top = 4560, .width = 495, .height = 495, .back = kMagenta, .fore = kButtonText, .font = F::Bold825, .tabIndex = 4, .rightToLeft = false},
    {.id = C::Command1, .kind = K::CommandButton, .text = "6", .left = 3840, .top = 4560, .width = 495, .height = 495, .back = kMagenta, .fore = kButtonText, .font = F::Bold825, .tabIndex = 3, .rightToLeft = false},
    {.id = C::Text3, .kind = K::TextBox, .text = "", .left = 3120, .top = 2040, .width = 495, .height = 495, .back = kLightYellow, .fore = kWindowText, .font = F::Regular825, .tabIndex = 2, .rightToLeft = false},
    {.id = C::Text2, .kind = K::TextBox, .text = "", .left = 2400, .top = 2040, .width = 495, .height = 495, .back = kLightYellow, .fore = kWindowText, .font = F::Regular825, .tabIndex = 1, .rightToLeft = false},
    {.id = C::Text1, .kind = K::TextBox, .text = "198", .left = 1080, .top = 2040, .width = 1095, .height = 495, .back = kLightYellow, .fore = kWindowText, .font = F::Regular825, .tabIndex = 0, .rightToLeft = false},
    {.id = C::Label19, .kind = K::Label, .text = "", .left = 120, .top = 6960, .width = 7695, .height = 615, .back = kLightRed, .fore = kButtonText, .font = F::Regular825, .tabIndex = 54, .rightToLeft = true, .rightJustified = true},
    {.id = C::Label18, .kind = K::Label, .text = "", .left = 480, .top = 3840, .width = 495, .height = 495, .back = kLightRed, .fore = kButtonText, .font = F::Bold12, .tabIndex = 39, .rightToLeft = true, .rightJustified = true},
    {.id = C::Label13, .kind = K::Label, .text = "", .left = 1560, .top = 3840, .width = 495, .height = 495, .back = kLightRed, .fore = kButtonText, .font = F::Bold12, .tabIndex = 38, .rightToLeft = true, .rightJustified = true},
    {.id = C::Label12, .kind = K::Label, .text = "", .left = 2640, .top = 3840, .width = 495, .height = 495, .back = kLightRed, .fore = kButtonText, .font = F::Bold12, .tabIndex = 37, .rightToLeft = true, .rightJustified = true},
    {.id = C::Label17, .kind = K::Label, .text = "من فضلك أدخال تاريخ اليوم أولا", .left = 4440, .top = 240, .width = 2895, .height = 495, .back = kLightRed, .fore = kButtonText, .font = F::Bold975, .tabIndex = 29, .rightToLeft = false},
    {.id = C::Label16, .kind = K::Label, .text = "يوم", .left = 3960, .top = 240, .width = 375, .height = 375, .back = kLightRed, .fore = kButtonText, .font = F::Regular825, .tabIndex = 28, .rightToLeft = false},
    {.id = C::Label15, .kind = K::Label, .text = "شهر", .left = 3000, .top = 240, .width = 375, .height = 255, .back = kLightRed, .fore = kButtonText, .font = F::Regular825, .tabIndex = 27, .rightToLeft = false},
    {.id = C::Label14, .kind = K::Label, .text = "لسنه", .left = 2040, .top = 240, .width = 495, .height = 495, .back = kLightRed, .fore = kButtonText, .font = F::Regular825, .tabIndex = 26, .rightToLeft = false},
    {.id = C::Label11, .kind = K::Label, .text = "يوم", .left = 600, .top = 3360, .width = 375, .height = 375, .back = kLightRed, .fore = kButtonText, .font = F::Regular825, .tabIndex = 25, .rightToLeft = false},
    {.id = C::Label10, .kind = K::Label, .text = "", .left = 1080, .top = 3360, .width = 495, .height = 495, .back = kLightRed, .fore = kButtonText, .font = F::Bold12, .tabIndex = 24, .rightToLeft = false},
    {.id = C::Label9, .kind = K::Label, .text = "شهر", .left = 1680, .top = 3360, .width = 375, .height = 495, .back = kLightRed, .fore = kButtonText, .font = F::Regular825, .tabIndex = 23, .rightToLeft = false},
    {.id = C::Label8, .kind = K::Label, .text = "", .left = 3240, .top = 3360, .width = 495, .height = 495, .back = kLightRed, .fore = kButtonText, .font = F::Bold12, .tabIndex = 22, .rightToLeft = false},
    {.id = C::Label7, .kind = K::Label, .text = "", .left = 2160, .top = 3360, .width = 495, .height = 375, .back = kLightRed, .fore = kButtonText, .font = F::Bold12, .tabIndex = 21, .rightToLeft = false},
    {.id = C::Label6, .kind = K::Label, .text = "سنه", .left = 2760, .top = 3360, .width = 375, .height = 375, .back = kLightRed, .fore = kButtonText, .font = F::Regular825, .tabIndex = 20, .rightToLeft = false},
    {.id = C::Label5, .kind = K::Label, .text = "عمرك فى هذا اليوم", .left = 3960, .top = 3360, .width = 1815, .height = 495, .back = kLightRed, .fore = kButtonText, .font = F::Regular825, .tabIndex = 18, .rightToLeft = false},
    {.id = C::Label4, .kind = K::Label, .text = "السنه", .left = 1440, .top = 1800, .width = 615, .height = 255, .back = kLightRed, .fore = kButtonText, .font = F::Regular825, .tabIndex = 17, .rightToLeft = false},
    {.id = C::Label3, .kind = K::Label, .text = "اليوم", .left = 3240, .top = 1800, .width = 375, .height = 255, .back = kLightRed, .fore = kButtonText, .font = F::Regular825, .tabIndex = 16, .rightToLeft = false},
    {.id = C::Label2, .kind = K::Label, .text = "الشهر", .left = 2520, .top = 1800, .width = 495, .height = 255, .back = kLightRed, .fore = kButtonText, .font = F::Regular825, .tabIndex = 15, .rightToLeft = false},
    {.id = C::Label1, .kind = K::Label, .text = "أدخل تاريخ ميلادك هنا", .left = 3960, .top = 2160, .width = 1695, .height = 495, .back = kLightRed, .fore = kButtonText, .font = F::Regular825, .tabIndex = 14, .rightToLeft = false},
};

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

}  // namespace form
