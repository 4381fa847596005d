#pragma once

#include <QString>

#include "model/language.h"

class QWidget;

namespace talvo {

// Identifiers of the button that closed a message box.
enum MsgBoxButton {
    IdOk = 1,
    IdCancel = 2,
    IdAbort = 3,
    IdRetry = 4,
    IdIgnore = 5,
    IdYes = 6,
    IdNo = 7,
    // The unsaved-changes question's own buttons.
    IdSave = 8,
    IdDiscard = 9
};

// Style flags, passed through as given: button set (low 4 bits), icon, default button, modality.
enum MsgBoxStyle {
    StyleOk = 0,
    StyleOkCancel = 1,
    StyleAbortRetryIgnore = 2,
    StyleYesNoCancel = 3,
    StyleYesNo = 4,
    StyleRetryCancel = 5,
    StyleSaveDiscardCancel = 6,  // Save, Discard, Cancel: the unsaved-changes question
    StyleIconError = 16,
    StyleIconQuestion = 32,
    StyleIconWarning = 48,
    StyleIconInformation = 64,
    StyleDefaultButton2 = 256,
    StyleDefaultButton3 = 512,
    StyleSystemModal = 4096,
};

// OK and Cancel, question icon, Cancel as default, system-modal: every question of the program.
inline constexpr int kStyleQuestion =
    StyleOkCancel | StyleIconQuestion | StyleDefaultButton2 | StyleSystemModal;  // 4385

// Every button of a box carries its identifier in this dynamic property, so tests and tools
// can press a button by identifier whatever its label.
inline constexpr const char* kMsgBoxIdProperty = "talvoButtonId";

// The application title shown when a box is given an empty title.
QString ApplicationTitle(Language lang);

// Label of button `id` (1..9) in `lang`; empty for an unknown identifier or language.
QString MsgBoxButtonLabel(int id, Language lang);

// The one message box of the program: a modal box whose buttons are labelled in `lang`
// whatever the system language (other language values keep the toolkit's own labels).
// Returns the identifier of the pressed button; Escape and the close box return Cancel where
// the box has one.
int LocalMsgBox(Language lang, const QString& text, int style, const QString& title,
                QWidget* owner = nullptr);

// The common call of the program: the text and title from the catalogue (an empty title gives
// the application title).
int LocalMsgBox(Language lang, const Message& text, int style, const Message& title,
                QWidget* owner = nullptr);

}  // namespace talvo
