#include "app/main_texts.h"

#include <array>

namespace talvo {

std::span<const MainText> MainWindowTexts() {
    using T = MainTextTarget;
    static constexpr std::array<MainText, 36> texts = {{
        {"MDIForm1", T::WindowTitle, "TALVO 对讲机编程软件V1.50",
         "TALVO Radio Programming Software V1.50"},
        {"StatusBar1", T::StatusPanel2, kCompanyName, ""},
        {"MNFile", T::MenuText, "文件(&F)", "File(&F)"},
        {"MNNew", T::MenuText, "新建(&N)", "New(&N)"},
        {"MNOpen", T::MenuText, "打开(&O)", "Open(&O)"},
        {"MNSave", T::MenuText, "保存(&S)", "Save(&S)"},
        {"MNPrint", T::MenuText, "打印(&P)", "Print(&P)"},
        {"MNQuit", T::MenuText, "退出(&Q)", "Quit(&Q)"},
        {"MNBackups", T::MenuText, "备份(&K)…", "Backups(&K)…"},
        {"MNEdit", T::MenuText, "编辑(&E)", "Edit(&E)"},
        {"MNModel", T::MenuText, "信道编辑(&M)", "Channel Edit(&M)"},
        {"MNDTMF", T::MenuText, "DTMF信令(&D)", "DTMF(&D)"},
        {"MNOption", T::MenuText, "可选功能(&P)", "Optional Features(&P)"},
        {"MNDebug", T::MenuText, "调试信息(&B)", "Debug Information(&B)"},
        {"MNFMset", T::MenuText, "收音机频道设置", "FM Channel Set"},
        {"MNProgram", T::MenuText, "编程(&G)", "Programming(&G)"},
        {"MNRead", T::MenuText, "读频(&R)", "Read Data from the Transceive(&R)"},
        {"MNWrite", T::MenuText, "写频(&W)", "Write Data in the Transceive(&W)"},
        {"MNCommPort", T::MenuText, "通信端口(&C)", "Communication Port(&C)"},
        {"MNCheckedWrite", T::MenuText, "写频前备份并校验(&V)",
         "Checked Write: Back Up, Show Changes, Verify(&V)"},
        {"MNFleet", T::MenuText, "批量写频(&M)…", "Program Several Radios(&M)…"},
        {"MNLanguage", T::MenuText, "语言选择(&L)", "Language Select(&L)"},
        {"MNChinese", T::MenuText, "中文(&C)", "Chinese(&C)"},
        {"MNEnglish", T::MenuText, "英文(&E)", "English(&E)"},
        {"MNHelp", T::MenuText, "帮助(&H)", "Help(&H)"},
        {"MNF1", T::MenuText, "帮助主题(F1)", "Help Theme(F1)"},
        {"MNAbout", T::MenuText, "帮助(&H)", "About(&H)"},
        {"Label1", T::Label, "频段", "Frequency"},
        {"TNew", T::ToolTip, "新建", "New"},
        {"TOpen", T::ToolTip, "打开", "Open"},
        {"TSave", T::ToolTip, "保存", "Save"},
        {"TRead", T::ToolTip, "读频", "Read Data from the Transceive"},
        {"TWrite", T::ToolTip, "写频", "Write Data in the Transceive"},
        // The relock buttons show only an icon: their tool tips are their names too.
        {"TAnMa", T::ToolTip, "再次锁定隐藏模式（双击）",
         "Lock the hidden mode again (double-click)"},
        {"TDebug", T::ToolTip, "再次锁定调试模式（双击）",
         "Lock the debug mode again (double-click)"},
        {"TFMMa", T::ToolTip, "再次锁定收音机模式（双击）",
         "Lock the FM mode again (double-click)"},
    }};
    return texts;
}

std::span<const ListPlacement> MainListPlacements() {
    static constexpr std::array<ListPlacement, 2> placements = {{
        {"Combo1", 585, 1085, 30, 4000},
        {"ComboCom", 2475, 3475, 0, 1185},
    }};
    return placements;
}

}  // namespace talvo
