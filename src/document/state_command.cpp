#include "document/state_command.h"

#include "lang/catalogue.h"

namespace talvo {
namespace {

// Every mergeable step shares one identifier; mergeWith compares the real keys.
constexpr int kMergeableId = 0x7a1;

}  // namespace

StateCommand::StateCommand(Document& document, Message label, StateSlice before, StateSlice after,
                           Document::MergeKey merge)
    : document_(document),
      label_(std::move(label)),
      before_(std::move(before)),
      after_(std::move(after)),
      encoded_(document.encodedSnapshot()),
      language_(document.language()),
      merge_(merge) {
    setText(document.labelText(label_));
}

StateCommand::StateCommand(Document& document, Message label, std::unique_ptr<ProgramState> before,
                           std::unique_ptr<ProgramState> after)
    : document_(document),
      label_(std::move(label)),
      wholeBefore_(std::move(before)),
      wholeAfter_(std::move(after)),
      encoded_(document.encodedSnapshot()),
      language_(document.language()) {
    setText(document.labelText(label_));
}

void StateCommand::undo() {
    document_.apply(*this, false);
}

void StateCommand::redo() {
    if (done_) {
        done_ = false;
        return;
    }
    document_.apply(*this, true);
}

int StateCommand::id() const {
    return merge_ != 0 && !isLoad() ? kMergeableId : -1;
}

bool StateCommand::mergeWith(const QUndoCommand* other) {
    const auto* next = dynamic_cast<const StateCommand*>(other);
    if (!next || next->merge_ != merge_ || next->isLoad() || isLoad()) return false;
    // The same scope, no encoding in between (its image must come back with the undo) and the
    // same language of the cell texts.
    auto sameScope = [](const StateSlice& a, const StateSlice& b) {
        if (a.channels.size() != b.channels.size()) return false;
        for (std::size_t i = 0; i < a.channels.size(); ++i) {
            if (a.channels[i].first != b.channels[i].first) return false;
        }
        return a.band.has_value() == b.band.has_value() && bool(a.options) == bool(b.options) &&
               bool(a.fm) == bool(b.fm) && a.power.has_value() == b.power.has_value() &&
               bool(a.dtmf) == bool(b.dtmf);
    };
    if (!sameScope(after_, next->after_) || next->encoded_ != encoded_ ||
        next->language_ != language_) {
        return false;
    }
    after_ = next->after_;
    setObsolete(after_ == before_);
    return true;
}

}  // namespace talvo
