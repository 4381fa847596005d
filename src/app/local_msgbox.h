#pragma once

#include <QString>

#include "model/language.h"

class QWidget;

namespace talvo {

// Identifiers of the button that closed a message box.
enum MsgBoxButton { IdOk = 1, IdCancel = 2, IdAbort = 3, IdRetry = 4, IdIgnore = 5, IdYes = 6, IdNo = 7 };

// Style flags, passed through as given: button set (low 4 bits), icon, default button, modality.
enum MsgBoxStyle {
    StyleOk = 0,
    StyleOkCancel = 1,
    StyleAbortRetryIgnore = 2,
    StyleYesNoCancel = 3,
    StyleYesNo = 4,
    StyleRetryCancel = 5,
    StyleIconError = 16,
    StyleIconQuestion = 32,
    StyleIconWarning = 48,
    StyleIconInformation = 64,
    StyleDefaultButton2 = 256,
    StyleDefaultButton3 = 512,
    StyleSystemModal = 4096,
};

// The application title shown when a box is given an empty title.
QString ApplicationTitle(LanguageFlagValue lang);

// The one message box of the program: a modal box whose buttons are labelled in `lang`
// whatever the system language. Returns the identifier of the pressed button (Escape or the
// close box give Cancel where the box has one, else the only button).
int LocalMsgBox(LanguageFlagValue lang, const QString& text, int style, const QString& title,
                QWidget* owner = nullptr);

// Picks the text by language and shows it: the common call of the program.
int LocalMsgBox(LanguageFlagValue lang, const char* zhText, const char* enText, int style,
                const char* zhTitle, const char* enTitle, QWidget* owner = nullptr);

}  // namespace talvo
