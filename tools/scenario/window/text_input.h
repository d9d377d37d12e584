#pragma once

#include <optional>
#include <string>

namespace umrak::ui {
class TextBox;
}  // namespace umrak::ui

namespace umrak::scenario {

// Text entry into a box as a user makes it, for the window driver. Each
// function throws CannotPerform when the box does not end up holding what
// the same action gives the form model.

// Replaces the box's whole text: key presses where keys can enter every
// character, otherwise (tabs, line feeds and other control characters, or
// a text too long to type) a paste over the selected text. `clipboard` is
// what the scenario has put on the clipboard; it is there again afterwards.
void enterText(ui::TextBox& box, const std::u16string& text,
               const std::optional<std::u16string>& clipboard);

// Ctrl+V with the cursor at the end of the box's text.
void pasteAtEnd(ui::TextBox& box, const std::optional<std::u16string>& clipboard);

// A middle click into the box with no primary selection anywhere.
void middleClickInto(ui::TextBox& box);

void putOnClipboard(const std::optional<std::u16string>& text);

}  // namespace umrak::scenario
