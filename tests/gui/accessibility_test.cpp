#include <QAccessible>
#include <QAccessibleEditableTextInterface>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <memory>

#include "tests/gui/fixture.h"
#include "tests/gui/gui_tests.h"

namespace umrak::gui_test {

namespace {

using C = core::ControlId;
using core::Kind;

QAccessibleInterface* interfaceOf(QWidget* widget) {
  return QAccessible::queryAccessibleInterface(widget);
}

// The runs of attributes from the start of the text to its end.
QList<std::pair<int, int>> attributeRuns(QAccessibleTextInterface* text) {
  QList<std::pair<int, int>> runs;
  int offset = 0;
  do {
    int start = -1;
    int end = -1;
    text->attributes(offset, &start, &end);
    runs.append({start, end});
    if (end <= offset) break;
    offset = end;
  } while (offset < text->characterCount());
  return runs;
}

void type(WindowUnderTest& w, C box, const QString& text) {
  auto* line = w.as<QLineEdit>(box);
  line->selectAll();
  QTest::keyClicks(line, text);
}

}  // namespace

class AccessibilityTest : public QObject {
  Q_OBJECT

  std::unique_ptr<WindowUnderTest> w_;

 private slots:
  void init() { w_ = std::make_unique<WindowUnderTest>(); }
  void cleanup() { w_.reset(); }

  void screenReadersHearEachControlsCaptionOrRole_data() { addControlRows(); }
  void screenReadersHearEachControlsCaptionOrRole() {
    const core::ControlRecord& r = recordOf(fetchControl());
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w_->widget(r.id));
    QVERIFY(a);
    const QString name = a->text(QAccessible::Name);
    switch (r.kind) {
      case Kind::CommandButton:
        // A month button is heard by the birth month it sets.
        QCOMPARE(a->role(), QAccessible::Button);
        QVERIFY2(name == recordText(r) || name == QStringLiteral("شهر الميلاد ") + recordText(r),
                 qPrintable(name));
        break;
      case Kind::Label:
        // An empty label is a result, heard by its role until it shows one.
        QCOMPARE(a->role(), QAccessible::StaticText);
        if (recordText(r).isEmpty()) {
          QVERIFY(std::ranges::any_of(name, isArabicLetter));
        } else {
          QCOMPARE(name, recordText(r));
        }
        break;
      case Kind::Frame:
        QCOMPARE(a->role(), QAccessible::Grouping);
        QCOMPARE(name, recordText(r));
        break;
      case Kind::TextBox:
        QCOMPARE(a->role(), QAccessible::EditableText);
        QVERIFY(std::ranges::any_of(name, isArabicLetter));
        break;
      case Kind::HScrollBar:
      case Kind::VScrollBar: {
        QCOMPARE(a->role(), QAccessible::ScrollBar);
        QAccessibleInterface* box = QAccessible::queryAccessibleInterface(w_->widget(boxOf(r.id)));
        QCOMPARE(name, box->text(QAccessible::Name));
        break;
      }
    }
  }

  void boxesAreNamedForWhatTheyHold() {
    const auto nameOf = [&](C id) {
      return QAccessible::queryAccessibleInterface(w_->widget(id))->text(QAccessible::Name);
    };
    QCOMPARE(nameOf(C::Text1), QStringLiteral("سنة الميلاد"));
    QCOMPARE(nameOf(C::Text4), QStringLiteral("تاريخ اليوم: اليوم"));
    QVERIFY(nameOf(C::Text7).startsWith(QStringLiteral("ملاحظة")));
    QVERIFY(nameOf(C::Text8).startsWith(QStringLiteral("ملاحظة")));
    QVERIFY(nameOf(C::Text7) != nameOf(C::Text8));
  }

  void theFormIsAWindowWithItsTitle() {
    QAccessibleInterface* form = interfaceOf(&w_->window());
    QCOMPARE(form->role(), QAccessible::Window);
    QCOMPARE(form->text(QAccessible::Name), QStringLiteral("برنامج قزوبان"));
  }

  void aBoxIsReadWhole_data() {
    QTest::addColumn<int>("box");
    QTest::addColumn<QString>("text");
    const QString arabic = QStringLiteral("١٩٨٥ سنة");
    const QString longText(5000, u'7');
    for (const C box : {C::Text1, C::Text4, C::Text8}) {
      const auto name = std::string(core::controlName(box));
      for (const auto& [label, text] :
           {std::pair{"digits", QStringLiteral("198")}, std::pair{"one", QStringLiteral("7")},
            std::pair{"empty", QString()}, std::pair{"arabic", arabic},
            std::pair{"long", longText}}) {
        QTest::newRow((name + " " + label).c_str()) << static_cast<int>(box) << text;
      }
    }
  }
  // One run of attributes covers the whole text, whatever it holds, and the
  // character, word and sentence at the end of the text are empty there.
  void aBoxIsReadWhole() {
    QFETCH(int, box);
    QFETCH(QString, text);
    w_->as<QLineEdit>(static_cast<C>(box))->setText(text);
    QAccessibleTextInterface* reader =
        interfaceOf(w_->widget(static_cast<C>(box)))->textInterface();
    QVERIFY(reader);
    const int length = static_cast<int>(text.size());
    QCOMPARE(reader->text(0, reader->characterCount()), text);
    for (const int offset : {0, length / 2, length}) {
      int start = -1;
      int end = -1;
      const QString attributes = reader->attributes(offset, &start, &end);
      QCOMPARE(std::pair(start, end), std::pair(0, length));
      QVERIFY(attributes.contains(QStringLiteral("font-family:\"Noto Sans Arabic UI\"")));
    }
    for (const auto boundary :
         {QAccessible::CharBoundary, QAccessible::WordBoundary, QAccessible::SentenceBoundary}) {
      int start = -1;
      int end = -1;
      QCOMPARE(reader->textAtOffset(length, boundary, &start, &end), QString());
      QCOMPARE(std::pair(start, end), std::pair(length, length));
    }
  }

  void theNotesBoxRunsCoverItsText() {
    QAccessibleTextInterface* reader = interfaceOf(w_->widget(C::Text7))->textInterface();
    const QList<std::pair<int, int>> runs = attributeRuns(reader);
    QCOMPARE(runs.front().first, 0);
    QCOMPARE(runs.back().second, reader->characterCount());
    for (qsizetype i = 1; i < runs.size(); ++i) QCOMPARE(runs[i].first, runs[i - 1].second);
  }

  void anEditByAssistiveTechnologyReachesTheForm() {
    auto* editor = interfaceOf(w_->widget(C::Text1))->editableTextInterface();
    editor->replaceText(0, 3, QStringLiteral("1980"));
    QCOMPARE(w_->model().text(C::Text1), u"1980");
    editor->insertText(4, QStringLiteral("5"));
    editor->deleteText(0, 1);
    QCOMPARE(w_->model().text(C::Text1), u"9805");
  }

  void aResultLabelSaysWhatItShows() {
    type(*w_, C::Text3, QStringLiteral("20"));
    type(*w_, C::Text2, QStringLiteral("7"));
    QCOMPARE(w_->widget(C::Label8)->accessibleName(), QStringLiteral("عدد السنوات"));
    QTest::mouseClick(w_->widget(C::Command7), Qt::LeftButton);
    QCOMPARE(w_->widget(C::Label8)->accessibleName(), QStringLiteral("عدد السنوات: 1804"));
    QCOMPARE(w_->widget(C::Label10)->accessibleName(), QStringLiteral("عدد الأيام: -20"));
    QCOMPARE(w_->widget(C::Label7)->accessibleName(), QStringLiteral("عدد الشهور: 3"));
  }

  void onlyShiftF10OpensTheMenu_data() {
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<bool>("opens");
    QTest::newRow("Shift+F10") << Qt::KeyboardModifiers(Qt::ShiftModifier) << true;
    QTest::newRow("F10") << Qt::KeyboardModifiers(Qt::NoModifier) << false;
    QTest::newRow("Ctrl+Shift+F10") << (Qt::ControlModifier | Qt::ShiftModifier) << false;
  }
  // Shift+F10 opens the box's menu on its first item, and no item's name
  // holds its shortcut; F10 with other modifiers opens nothing.
  void onlyShiftF10OpensTheMenu() {
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(bool, opens);
    QWidget* box = w_->widget(C::Text1);
    box->setFocus();
    QTest::keyClick(box, Qt::Key_F10, modifiers);
    if (!opens) {
      QTest::qWait(100);
      QVERIFY(!QApplication::activePopupWidget());
      return;
    }
    QTRY_VERIFY(qobject_cast<QMenu*>(QApplication::activePopupWidget()));
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QTRY_VERIFY(menu->activeAction());
    QVERIFY(menu->activeAction()->isEnabled());
    for (const QAction* action : menu->actions()) {
      QVERIFY2(!action->text().contains(u'\t'), qPrintable(action->text()));
    }
    menu->close();
  }
};

int runAccessibilityTests(int argc, char** argv) {
  AccessibilityTest test;
  return QTest::qExec(&test, argc, argv);
}

}  // namespace umrak::gui_test

#include "accessibility_test.moc"
