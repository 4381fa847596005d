#include "fleet/fleet_texts.h"

namespace talvo::fleet {

namespace {

std::string Arg(const RowsProblem& p, std::size_t i) {
    return i < p.args.size() ? p.args[i] : std::string();
}

}  // namespace

std::string OutcomeText(FleetOutcome outcome, LanguageFlagValue lang) {
    const bool zh = lang == kChinese;
    switch (outcome) {
        case FleetOutcome::Verified:
            return zh ? "已写入并校验" : "written and verified";
        case FleetOutcome::VerifyFailed:
            return zh ? "校验失败：对讲机中的数据与写入的不一致"
                      : "verify failed: the radio does not hold what was written";
        case FleetOutcome::NoRadio:
            return zh ? "没有对讲机应答" : "no radio answered";
        case FleetOutcome::WrongRadio:
            return zh ? "不是本型号的对讲机，未写入" : "not this model of radio: nothing written";
        case FleetOutcome::Timeout:
            return zh ? "对讲机停止应答" : "the radio stopped answering";
        case FleetOutcome::Refused:
            return zh ? "对讲机拒绝了写入的数据" : "the radio refused a written block";
        case FleetOutcome::PortError:
            return zh ? "端口无法使用" : "the port cannot be used";
        case FleetOutcome::Cancelled:
            return zh ? "已取消" : "cancelled";
    }
    return {};
}

std::string RowsProblemText(const RowsProblem& p, LanguageFlagValue lang) {
    const bool zh = lang == kChinese;
    const std::string line = std::to_string(p.line);
    switch (p.kind) {
        case RowsProblem::Kind::NoHeading:
            return zh ? "每台对讲机的数值文件是空的：第一行应列出设置的名称"
                      : "the per-radio values file is empty: its first line names the settings";
        case RowsProblem::Kind::UnknownName:
            return zh ? "第 " + line + " 行：没有名为“" + Arg(p, 0) + "”的设置"
                      : "line " + line + ": there is no setting called \"" + Arg(p, 0) + "\"";
        case RowsProblem::Kind::RepeatedName:
            return zh ? "第 " + line + " 行：设置“" + Arg(p, 0) + "”出现了两次"
                      : "line " + line + ": the setting \"" + Arg(p, 0) + "\" is named twice";
        case RowsProblem::Kind::NoRows:
            return zh ? "每台对讲机的数值文件只有标题行，没有数据行"
                      : "the per-radio values file has a heading but no rows";
        case RowsProblem::Kind::CellCount:
            return zh ? "第 " + line + " 行有 " + Arg(p, 0) + " 个单元格，标题行有 " + Arg(p, 1) +
                            " 个"
                      : "line " + line + " has " + Arg(p, 0) + " cells, the heading has " +
                            Arg(p, 1);
        case RowsProblem::Kind::CommentRow:
            return zh ? "第 " + line +
                            " 行以“#”开头，会被当作注释跳过：请给该值加上引号（\"#...\"）"
                      : "line " + line +
                            " starts with \"#\" and would be skipped as a comment: "
                            "put the value in quotes (\"#...\")";
        case RowsProblem::Kind::BadValue: {
            if (Arg(p, 2).empty() && zh)
                return "第 " + line + " 行：“" + Arg(p, 1) + "”不是" + Arg(p, 0) + "的值";
            if (Arg(p, 2).empty())
                return "line " + line + ": \"" + Arg(p, 1) + "\" is not a value of " + Arg(p, 0);
            if (zh)
                return "第 " + line + " 行：" + Arg(p, 0) + "不接受“" + Arg(p, 1) +
                       "”（可选功能窗口会把它变成“" + Arg(p, 2) + "”）";
            return "line " + line + ": " + Arg(p, 0) + " does not take \"" + Arg(p, 1) +
                   "\" (the options window would make it \"" + Arg(p, 2) + "\")";
        }
    }
    return {};
}

std::string CalibrationKeptText(LanguageFlagValue lang) {
    return lang == kChinese
               ? "批量写入从不写功率校准数据（0x7E0、0x7F0）：每台对讲机保留自己的校准。"
               : "A fleet write never sends the power calibration (0x7E0, 0x7F0): each "
                 "radio keeps its own.";
}

}  // namespace talvo::fleet
