#include "document/document.h"

#include "document/state_command.h"
#include "lang/catalogue.h"
#include "radio/codecs/encode.h"
#include "rules/channel_table.h"

namespace talvo {

Document::Document(ProgramState initial, QObject* parent)
    : QObject(parent), state_(std::move(initial)) {
    stack_.setUndoLimit(kUndoLimit);
    connect(&stack_, &QUndoStack::cleanChanged, this,
            [this](bool clean) { emit modifiedChanged(!clean); });
}

Document::~Document() {
    // The commands refer to the document: they go first.
    stack_.clear();
}

QString Document::labelText(const Message& label) const {
    return Tr(label, state_.language);
}

std::shared_ptr<const ImageBytes> Document::encodedSnapshot() {
    if (!encoded_ || *encoded_ != state_.EncodedImage) {
        encoded_ = std::make_shared<const ImageBytes>(state_.EncodedImage);
    }
    return encoded_;
}

bool Document::change(const Message& label, const std::vector<int>& channels, unsigned parts,
                      const StateMutator& mutate, MergeKey merge) {
    // A window answering an undo or a redo must not start a step in the middle of it.
    if (replaying_) return false;
    StateSlice before = TakeSlice(state_, channels, parts);
    mutate(state_);
    StateSlice after = TakeSlice(state_, channels, parts);
    if (after == before) return false;
    stack_.push(new StateCommand(*this, label, std::move(before), after, merge));
    announce(after);
    return true;
}

bool Document::changeChannels(const Message& label, const std::vector<int>& channels,
                              const ChannelMutator& mutate, MergeKey merge) {
    return change(
        label, channels, 0, [&mutate](ProgramState& s) { mutate(s.channels); }, merge);
}

bool Document::replaceChannels(const Message& label,
                               const std::vector<std::pair<int, ChannelRecord>>& records) {
    std::vector<int> channels;
    channels.reserve(records.size());
    for (const auto& r : records) channels.push_back(r.first);
    return changeChannels(label, channels, [&records](ChannelStores& stores) {
        for (const auto& [ch, record] : records) PutChannel(stores, ch, record);
    });
}

void Document::loadState(const Message& label, const ProgramState& after) {
    if (replaying_) return;
    auto before = std::make_unique<ProgramState>(state_);
    PutLoadedState(state_, after);
    stack_.push(
        new StateCommand(*this, label, std::move(before), std::make_unique<ProgramState>(state_)));
    emit stateReplaced();
}

void Document::apply(StateCommand& command, bool after) {
    replaying_ = true;
    // The encoder's image goes back to what it held on the other side of the step.
    std::shared_ptr<const ImageBytes> current = encodedSnapshot();
    state_.EncodedImage = *command.encoded_;
    encoded_ = command.encoded_;
    command.encoded_ = std::move(current);

    if (command.isLoad()) {
        PutLoadedState(state_, after ? *command.wholeAfter_ : *command.wholeBefore_);
        replaying_ = false;
        emit stateReplaced();
        return;
    }
    const StateSlice& slice = after ? command.after_ : command.before_;
    PutSlice(state_, slice);
    announce(slice);
    replaying_ = false;
}

void Document::announce(const StateSlice& slice) {
    if (!slice.channels.empty()) {
        QList<int> channels;
        channels.reserve(static_cast<qsizetype>(slice.channels.size()));
        for (const auto& kept : slice.channels) channels.append(kept.first);
        emit channelsChanged(channels);
    }
    unsigned parts = 0;
    if (slice.band) parts |= kPartBand;
    if (slice.options) parts |= kPartOptions;
    if (slice.fm || slice.fmWindow) parts |= kPartFm;
    if (slice.power) parts |= kPartPower;
    if (slice.dtmf) parts |= kPartDtmf;
    if (parts) emit partsChanged(parts);
}

void Document::setLanguage(Language lang) {
    state_.language = lang;
    for (int i = 0; i < stack_.count(); ++i) {
        auto* command = dynamic_cast<StateCommand*>(const_cast<QUndoCommand*>(stack_.command(i)));
        if (command) command->setText(labelText(command->label()));
    }
}

void Document::relabelChannelGrid() {
    ForgetShownWords(state_.channels);
    QList<int> all;
    for (int ch = 1; ch <= kChannelCount; ++ch) all.append(ch);
    emit channelsChanged(all);
}

const ImageBytes& Document::encode() {
    EncodeImage(state_);
    return state_.EncodedImage;
}

}  // namespace talvo
