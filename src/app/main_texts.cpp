#include "app/main_texts.h"

#include <array>

namespace talvo {

std::span<const MainText> MainWindowTexts() {
    using T = MainTextTarget;
    static constexpr std::array<MainText, 36> texts = {{
        {"mainWindow", T::WindowTitle,
         TALVO_TEXT("MainTexts", "TALVO Radio Programming Software V1.50")},
        // The maker's name, shown where a catalogue gives it: the English source is blank.
        {"makerPanel", T::StatusPanel2, TALVO_TEXT3("MainTexts", " ", "maker's name")},
        {"MNFile", T::MenuText, TALVO_TEXT("MainTexts", "File(&F)")},
        {"MNNew", T::MenuText, TALVO_TEXT("MainTexts", "New(&N)")},
        {"MNOpen", T::MenuText, TALVO_TEXT("MainTexts", "Open(&O)")},
        {"MNSave", T::MenuText, TALVO_TEXT("MainTexts", "Save(&S)")},
        {"MNPrint", T::MenuText, TALVO_TEXT("MainTexts", "Print(&P)")},
        {"MNQuit", T::MenuText, TALVO_TEXT("MainTexts", "Quit(&Q)")},
        {"MNBackups", T::MenuText, TALVO_TEXT("MainTexts", "Backups(&K)…")},
        {"MNEdit", T::MenuText, TALVO_TEXT("MainTexts", "Edit(&E)")},
        {"MNModel", T::MenuText, TALVO_TEXT("MainTexts", "Channel Edit(&M)")},
        {"MNDTMF", T::MenuText, TALVO_TEXT("MainTexts", "DTMF(&D)")},
        {"MNOption", T::MenuText, TALVO_TEXT("MainTexts", "Optional Features(&P)")},
        {"MNDebug", T::MenuText, TALVO_TEXT("MainTexts", "Debug Information(&B)")},
        {"MNFMset", T::MenuText, TALVO_TEXT("MainTexts", "FM Channel Set")},
        {"MNProgram", T::MenuText, TALVO_TEXT("MainTexts", "Programming(&G)")},
        {"MNRead", T::MenuText, TALVO_TEXT("MainTexts", "Read Data from the Transceive(&R)")},
        {"MNWrite", T::MenuText, TALVO_TEXT("MainTexts", "Write Data in the Transceive(&W)")},
        {"MNCommPort", T::MenuText, TALVO_TEXT("MainTexts", "Communication Port(&C)")},
        {"MNCheckedWrite", T::MenuText,
         TALVO_TEXT("MainTexts", "Checked Write: Back Up, Show Changes, Verify(&V)")},
        {"MNFleet", T::MenuText, TALVO_TEXT("MainTexts", "Program Several Radios(&M)…")},
        {"MNLanguage", T::MenuText, TALVO_TEXT("MainTexts", "Language Select(&L)")},
        {"MNChinese", T::MenuText, TALVO_TEXT("MainTexts", "Chinese(&C)")},
        {"MNEnglish", T::MenuText, TALVO_TEXT("MainTexts", "English(&E)")},
        {"MNHelp", T::MenuText, TALVO_TEXT("MainTexts", "Help(&H)")},
        {"MNF1", T::MenuText, TALVO_TEXT("MainTexts", "Help Theme(F1)")},
        {"MNAbout", T::MenuText, TALVO_TEXT("MainTexts", "About(&H)")},
        {"bandLabel", T::Label, TALVO_TEXT("MainTexts", "Frequency")},
        {"TNew", T::ToolTip, TALVO_TEXT("MainTexts", "New")},
        {"TOpen", T::ToolTip, TALVO_TEXT("MainTexts", "Open")},
        {"TSave", T::ToolTip, TALVO_TEXT("MainTexts", "Save")},
        {"TRead", T::ToolTip, TALVO_TEXT("MainTexts", "Read Data from the Transceive")},
        {"TWrite", T::ToolTip, TALVO_TEXT("MainTexts", "Write Data in the Transceive")},
        // The relock buttons show only an icon: their tool tips are their names too.
        {"TAnMa", T::ToolTip, TALVO_TEXT("MainTexts", "Lock the hidden mode again (double-click)")},
        {"TDebug", T::ToolTip, TALVO_TEXT("MainTexts", "Lock the debug mode again (double-click)")},
        {"TFMMa", T::ToolTip, TALVO_TEXT("MainTexts", "Lock the FM mode again (double-click)")},
    }};
    return texts;
}

std::span<const ListPlacement> MainListPlacements() {
    static constexpr std::array<ListPlacement, 2> placements = {{
        {"bandList", {585, 1085}, 30, 4000},
        {"portList", {2475, 3475}, 0, 1185},
    }};
    return placements;
}

}  // namespace talvo
