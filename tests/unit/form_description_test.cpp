#include "form/form_description.h"

#include <gtest/gtest.h>

#include <set>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/utf.h"

namespace umrak::unit {
namespace {

using C = core::ControlId;
using core::Color;

const core::FormDescription& stored() {
  return form1::form1Description();
}

const core::ControlRecord& recordOf(C id) {
  for (const core::ControlRecord& r : stored().controls) {
    if (r.id == id) return r;
  }
  throw std::logic_error("no record");
}

core::Kind kindByName(std::string_view name) {
  if (name.starts_with("Command")) return core::Kind::CommandButton;
  if (name.starts_with("Text")) return core::Kind::TextBox;
  if (name.starts_with("Label")) return core::Kind::Label;
  if (name.starts_with("Frame")) return core::Kind::Frame;
  return name == "HScroll1" ? core::Kind::HScrollBar : core::Kind::VScrollBar;
}

// clang-format off
TEST(StoredForm, HoldsFiftyFiveControlsInStackingOrder) {
  const std::vector<std::string_view> expected = {
      "Command19", "Frame5", "Frame4", "HScroll1", "VScroll2", "Frame3", "Frame2", "Frame1",
      "VScroll1", "scroll", "Command18", "Command17", "Text8", "Command16", "Command15", "Command14",
      "Text7", "Command13", "Text6", "Text5", "Text4", "Command12", "Command11", "Command10",
      "Command9", "Command8", "Command7", "Command6", "Command5", "Command4", "Command3", "Command2",
      "Command1", "Text3", "Text2", "Text1", "Label19", "Label18", "Label13", "Label12", "Label17",
      "Label16", "Label15", "Label14", "Label11", "Label10", "Label9", "Label8", "Label7", "Label6",
      "Label5", "Label4", "Label3", "Label2", "Label1"};
  std::vector<std::string_view> names;
  for (const core::ControlRecord& r : stored().controls) {
    names.push_back(core::controlName(r.id));
    EXPECT_EQ(r.kind, kindByName(names.back())) << names.back();
  }
  EXPECT_EQ(names, expected);
}

TEST(StoredForm, TabIndexesRunThroughEveryControlOnce) {
  const std::vector<std::string_view> expected = {
      "Text1", "Text2", "Text3", "Command1", "Command2", "Command3", "Command4", "Command5",
      "Command6", "Command7", "Command8", "Command9", "Command10", "Command11", "Label1", "Label2",
      "Label3", "Label4", "Label5", "Command12", "Label6", "Label7", "Label8", "Label9", "Label10",
      "Label11", "Label14", "Label15", "Label16", "Label17", "Text4", "Text5", "Text6", "Command13",
      "Text7", "Command14", "Command15", "Label12", "Label13", "Label18", "Command16", "Text8",
      "Command17", "Command18", "scroll", "VScroll1", "Frame1", "Frame2", "Frame3", "VScroll2",
      "HScroll1", "Frame4", "Frame5", "Command19", "Label19"};
  std::vector<std::string_view> byTab(core::kControlCount);
  for (const core::ControlRecord& r : stored().controls) {
    ASSERT_TRUE(r.tabIndex >= 0 && r.tabIndex < 55) << r.tabIndex;
    byTab[static_cast<std::size_t>(r.tabIndex)] = core::controlName(r.id);
  }
  EXPECT_EQ(byTab, expected);
}

TEST(StoredForm, CaptionsAndInitialTextsLetterForLetter) {
  const std::pair<C, const char*> cases[] = {
      {C::Command7, "أدخال"}, {C::Command14, "تعديل فى حاله الشهور "},
      {C::Command15, "تعديل فى حاله الأيام أذا كان الشهر الحالى 31يوم"},
      {C::Command16, "تعديل فى حاله الأيام أذا كان الشهر الحالى 30 يوم"},
      {C::Command12, "أنهاء"}, {C::Command13, "مؤلف البرنامج"}, {C::Command19, "أضغط لتعرف بورجك"},
      {C::Text1, "198"}, {C::Text2, ""}, {C::Text3, ""}, {C::Text4, ""}, {C::Text5, "10"},
      {C::Text6, "2002"}, {C::Label14, "لسنه"}, {C::Label15, "شهر"}, {C::Label16, "يوم"},
      {C::Label17, "من فضلك أدخال تاريخ اليوم أولا"}, {C::Label4, "السنه"}, {C::Label2, "الشهر"},
      {C::Label3, "اليوم"}, {C::Label1, "أدخل تاريخ ميلادك هنا"}, {C::Label11, "يوم"},
      {C::Label9, "شهر"}, {C::Label6, "سنه"}, {C::Label5, "عمرك فى هذا اليوم"}, {C::Label7, ""},
      {C::Label8, ""}, {C::Label10, ""}, {C::Label12, ""}, {C::Label13, ""}, {C::Label18, ""},
      {C::Label19, ""}, {C::Frame5, "لتحديد تاريخ اليوم"}, {C::Frame1, "تحديد يوم الميلاد"},
      {C::Frame4, "لتحديد الشهر الحالى"}, {C::Frame3, "تحديد شهر الميلاد"},
      {C::Frame2, "تحديد سنه الميلاد"}};
  for (const auto& [id, text] : cases) {
    EXPECT_EQ(std::string(recordOf(id).text), text) << core::controlName(id);
  }
  EXPECT_EQ(std::string(stored().form.caption), "برنامج قزوبان");
}
// clang-format on

TEST(StoredForm, NotesKeepTheirLengthAndLineEnds) {
  EXPECT_EQ(core::utf8ToUtf16(recordOf(C::Text7).text).size(), 196u);
  EXPECT_EQ(std::string(recordOf(C::Text7).text),
            ".ملحوظه هامه:-فى حاله وجود اشاره سالبه(_)بجوار الشهر أو السنه هكذا 2- تعامل مع "
            "المفاتيح الخضراء اسفل \r\n"
            "الشاشه لأن هذه القيمه  تعنى انقاص من العمر وذلك تسهيل على المستخدمين   مع تحياتى "
            "----------\r\n");
  EXPECT_EQ(core::utf8ToUtf16(recordOf(C::Text8).text).size(), 105u);
  EXPECT_EQ(std::string(recordOf(C::Text8).text),
            "ملحوظه أخرى: لمعرفه التاريخ والوقت وعدد أيام الشهر أضغط مرتين على الساعه أسفل شريط "
            "البدايه علىيمين الشاشه");
}

TEST(StoredForm, MonthButtonsStandInOneRowInMonthOrder) {
  const C buttons[] = {C::Command2, C::Command6, C::Command5,  C::Command4,
                       C::Command3, C::Command1, C::Command11, C::Command10,
                       C::Command9, C::Command8, C::Command18, C::Command17};
  for (int m = 1; m <= 12; ++m) {
    const core::ControlRecord& r = recordOf(buttons[m - 1]);
    SCOPED_TRACE(m);
    EXPECT_EQ(std::string(r.text), std::to_string(m));
    EXPECT_EQ(r.left, 240 + 720 * (m - 1));
    EXPECT_EQ(r.top, 4560);
    EXPECT_EQ(r.width, 495);
    EXPECT_EQ(r.height, 495);
    EXPECT_EQ(r.font, core::FontStyle::Bold825);
    EXPECT_EQ(r.back, Color::rgb(255, 0, 255));
  }
  EXPECT_EQ(recordOf(C::Command7).left, -120);
}

TEST(StoredForm, ScrollBarsRangesAndSteps) {
  struct Bar {
    C id;
    std::int16_t min, max, value;
  };
  for (const Bar& b : {Bar{C::HScroll1, 1, 31, 1}, Bar{C::VScroll2, 1, 12, 10},
                       Bar{C::scroll, 1, 31, 1}, Bar{C::VScroll1, 1920, 2003, 1980}}) {
    SCOPED_TRACE(core::controlName(b.id));
    const core::ScrollSettings& s = recordOf(b.id).scroll;
    EXPECT_EQ(s.min, b.min);
    EXPECT_EQ(s.max, b.max);
    EXPECT_EQ(s.value, b.value);
    EXPECT_EQ(s.smallChange, 1);
    EXPECT_EQ(s.largeChange, 1);
  }
}

TEST(StoredForm, RightToLeftFontsAndDisplaySettings) {
  const std::set<C> rightToLeft = {
      C::Command13, C::Command14, C::Command15, C::Command16, C::Command17, C::Command18,
      C::Command19, C::Label12,   C::Label13,   C::Label18,   C::Label19,   C::Text8,
      C::Frame1,    C::Frame2,    C::Frame3,    C::Frame4,    C::Frame5,    C::HScroll1,
      C::VScroll1,  C::VScroll2,  C::scroll};
  const std::set<C> bold12 = {C::Label7, C::Label8, C::Label10, C::Label12, C::Label13, C::Label18};
  const std::set<C> rightJustified = {C::Label12, C::Label13, C::Label18, C::Label19};
  for (const core::ControlRecord& r : stored().controls) {
    SCOPED_TRACE(core::controlName(r.id));
    EXPECT_EQ(r.rightToLeft, rightToLeft.contains(r.id));
    if (bold12.contains(r.id)) {
      EXPECT_EQ(r.font, core::FontStyle::Bold12);
    } else if (r.id == C::Label17) {
      EXPECT_EQ(r.font, core::FontStyle::Bold975);
    } else if (r.font != core::FontStyle::Bold825) {  // month buttons: checked with their row
      EXPECT_EQ(r.font, core::FontStyle::Regular825);
    }
    EXPECT_EQ(r.rightJustified, rightJustified.contains(r.id));
    EXPECT_EQ(r.multiLine, r.id == C::Text7);
  }
  const core::FormRecord& f = stored().form;
  EXPECT_TRUE(f.rightToLeft);
  EXPECT_EQ(f.font, core::FontStyle::Regular825);
  EXPECT_EQ(f.clientWidth, 9285);
  EXPECT_EQ(f.clientHeight, 7665);
  EXPECT_TRUE(f.toolWindow);
  EXPECT_FALSE(f.minButton || f.maxButton || f.showInTaskbar);
}

TEST(StoredForm, Colours) {
  const Color lightRed = Color::rgb(255, 128, 128);
  // clang-format off
  const std::pair<C, Color> faces[] = {
      {C::Command7, Color::rgb(192, 255, 192)}, {C::Command14, Color::rgb(0, 255, 0)},
      {C::Command15, Color::rgb(0, 255, 0)}, {C::Command16, Color::rgb(0, 255, 0)},
      {C::Command12, Color::rgb(192, 192, 255)}, {C::Command13, Color::rgb(192, 192, 255)},
      {C::Command19, Color::rgb(128, 128, 255)}, {C::Text7, Color::rgb(0, 0, 192)},
      {C::Text8, Color::rgb(192, 64, 0)}};
  // clang-format on
  for (const auto& [id, back] : faces) EXPECT_EQ(recordOf(id).back, back) << core::controlName(id);
  for (const core::ControlRecord& r : stored().controls) {
    SCOPED_TRACE(core::controlName(r.id));
    if (r.kind == core::Kind::Label || r.kind == core::Kind::Frame) {
      EXPECT_EQ(r.back, lightRed);
    } else if (r.kind == core::Kind::TextBox && r.id != C::Text7 && r.id != C::Text8) {
      EXPECT_EQ(r.back, Color::rgb(255, 255, 128));
      EXPECT_EQ(r.fore, Color::of(core::SystemColor::WindowText));
    }
  }
  EXPECT_EQ(recordOf(C::Text7).fore, Color::of(core::SystemColor::ActiveCaptionText));
  EXPECT_EQ(recordOf(C::Text8).fore, Color::rgb(224, 224, 224));
  EXPECT_EQ(stored().form.back, lightRed);
}

}  // namespace
}  // namespace umrak::unit
