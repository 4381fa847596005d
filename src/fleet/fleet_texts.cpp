#include "fleet/fleet_texts.h"

namespace talvo::fleet {

namespace {

std::string Arg(const RowsProblem& p, std::size_t i) {
    return i < p.args.size() ? p.args[i] : std::string();
}

}  // namespace

Message RowsProblemText(const RowsProblem& p) {
    const std::vector<Message> args{Message::Literal(std::to_string(p.line)),
                                    Message::Literal(Arg(p, 0)), Message::Literal(Arg(p, 1)),
                                    Message::Literal(Arg(p, 2))};
    const auto w = [&](const Text& t) { return Message(t, args); };
    switch (p.kind) {
        case RowsProblem::Kind::NoHeading:
            return w(TALVO_TEXT(
                "FleetTexts",
                "the per-radio values file is empty: its first line names the settings"));
        case RowsProblem::Kind::UnknownName:
            return w(TALVO_TEXT("FleetTexts", "line %1: there is no setting called \"%2\""));
        case RowsProblem::Kind::RepeatedName:
            return w(TALVO_TEXT("FleetTexts", "line %1: the setting \"%2\" is named twice"));
        case RowsProblem::Kind::NoRows:
            return w(
                TALVO_TEXT("FleetTexts", "the per-radio values file has a heading but no rows"));
        case RowsProblem::Kind::CellCount:
            return w(TALVO_TEXT("FleetTexts", "line %1 has %2 cells, the heading has %3"));
        case RowsProblem::Kind::CommentRow:
            return w(
                TALVO_TEXT("FleetTexts",
                           "line %1 starts with \"#\" and would be skipped as a comment: put the "
                           "value in quotes (\"#...\")"));
        case RowsProblem::Kind::BadValue:
            if (Arg(p, 2).empty())
                return w(TALVO_TEXT("FleetTexts", "line %1: \"%3\" is not a value of %2"));
            return w(
                TALVO_TEXT("FleetTexts",
                           "line %1: %2 does not take \"%3\" (the options window would make it "
                           "\"%4\")"));
    }
    return Message::Literal({});
}

Text CalibrationKeptText() {
    return TALVO_TEXT("FleetTexts",
                      "A fleet write never sends the power calibration (0x7E0, 0x7F0): each radio "
                      "keeps its own.");
}

}  // namespace talvo::fleet
