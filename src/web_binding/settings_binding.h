#pragma once

// The radio-wide settings as the page edits them: the band selector, the optional features
// with the hidden modes, DTMF, the FM channels and the power calibration. Every field, list,
// check and word is the core's (radio/state, rules); the page only lays them out.
#include <emscripten/val.h>

#include <string>

#include "web_binding/web_document.h"

namespace talvo::web {

// The words of the settings' windows and commands in `lang`, by name.
emscripten::val SettingsTexts(const std::string& lang);

// The optional features: one description per field (kind, id, caption, list entries, ...) in
// the order the desktop window lays them out, and the values the document holds.
emscripten::val OptionFields(const std::string& lang);
emscripten::val OptionValues(const Document& doc);
void SetOptionList(Document& doc, int id, int index);
void SetOptionCheck(Document& doc, int id, bool on);
// A text field typed into: the text the field shows (filtered, the channel number clamped),
// stored as the value it stands for.
std::string TypeOptionText(Document& doc, int id, const std::string& text);
// A text field left (or Enter where it runs the check): the checked text, stored.
std::string LeaveOptionText(Document& doc, int id, const std::string& text);

// A click on caption `listId` at `msecsSinceMidnight`: the hidden mode (0..2) whose effect it
// applies, or -1.
int ClickCaption(Document& doc, int listId, double msecsSinceMidnight);
// Which hidden modes are unlocked.
emscripten::val HiddenModesOf(const Document& doc);
// A click on the relock button of `mode` at `secondsSinceMidnight`: true when it locks the
// mode again.
bool ClickRelock(Document& doc, int mode, double secondsSinceMidnight);

}  // namespace talvo::web
