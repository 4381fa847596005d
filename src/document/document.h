#pragma once

#include <QList>
#include <QObject>
#include <QUndoStack>
#include <cstdint>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "model/language.h"
#include "radio/state/program_state.h"
#include "radio/state/state_parts.h"

namespace talvo {

class StateCommand;

// The program's one document: it owns the program state and is the only way to change what
// the state holds for the radio. Every change is a command with a label in both languages,
// pushed on an undo stack, so it can be undone and redone; the document then says what changed
// and every window shows that part again.
//
// Windows read through state() (const) and change through the calls below. A change names
// what it touches (channels by number, radio-wide parts by StatePart flags); the document keeps
// only that part before and after, so a channel edit holds one channel, not the whole state.
// Loads (Read, Open, New, an import, a backup) replace everything in one step.
//
// Not edits, and not on the stack: the language, the port number, the band question flags,
// the hidden modes, RadioImage as a transfer's target, and the encoder's EncodedImage. They sit
// in sessionState(). Undo and redo still put EncodedImage back to what it held when the step was
// taken (a byte the encoder leaves alone keeps its earlier content, so undoing everything gives
// byte for byte the image encoded before).
class Document : public QObject {
    Q_OBJECT
  public:
    // Steps the history holds; older ones are dropped.
    static constexpr int kUndoLimit = 1000;
    // Consecutive changes with the same non-zero key and the same scope become one step (the
    // keys typed into one field, one drag of a slider). A step that ends where it began vanishes.
    using MergeKey = std::uint64_t;
    using StateMutator = std::function<void(ProgramState&)>;
    using ChannelMutator = std::function<void(ChannelStores&)>;

    explicit Document(ProgramState initial = StartupState(), QObject* parent = nullptr);
    ~Document() override;

    const ProgramState& state() const { return state_; }
    Language language() const { return state_.language; }

    // One change of `channels` and of the radio-wide `parts` (StatePart flags): `mutate` runs
    // once on the state and may change only what the scope names. Returns false, and records
    // nothing, when it changed nothing. Refused (nothing runs) while an undo or redo is put back.
    bool change(const Message& label, const std::vector<int>& channels, unsigned parts,
                const StateMutator& mutate, MergeKey merge = 0);
    // The same for channels only.
    bool changeChannels(const Message& label, const std::vector<int>& channels,
                        const ChannelMutator& mutate, MergeKey merge = 0);
    // One step that writes whole channel records (a paste, an insert, a move, an import).
    bool replaceChannels(const Message& label,
                         const std::vector<std::pair<int, ChannelRecord>>& records);
    // One step that replaces everything a load fills (see PutLoadedState) with `after`'s.
    // The caller builds `after` from a copy of state() (Read, Open, New, an import).
    void loadState(const Message& label, const ProgramState& after);

    // The history.
    QUndoStack& undoStack() { return stack_; }
    void undo() { stack_.undo(); }
    void redo() { stack_.redo(); }
    // The state differs from what the document's file holds (or, with no file, from what the
    // last New or Read gave). A write to the radio changes nothing about that.
    bool isModified() const { return !stack_.isClean(); }
    // After Open, Save, Read and New: the state as it is now counts as kept.
    void markSaved() { stack_.setClean(); }
    // True while an undo or a redo puts a step back (windows close open editors then).
    bool replaying() const { return replaying_; }

    // Fields outside the history. Changing the radio's data through this reference bypasses
    // undo and the signals: only for transfers, the encoder, the session fields and tests.
    ProgramState& sessionState() { return state_; }
    // The program's language: the flag, and the labels of the history follow it.
    void setLanguage(Language lang);
    // A language switch draws the channel grid afresh: rows then read from their values alone
    // (not a step).
    void relabelChannelGrid();
    // EncodeImage on the state; returns the encoded image.
    const ImageBytes& encode();

  signals:
    // These channels (1..128) hold something else now.
    void channelsChanged(const QList<int>& channels);
    // These StatePart flags' parts hold something else now.
    void partsChanged(unsigned parts);
    // Everything may have changed (a load, its undo or redo).
    void stateReplaced();
    void modifiedChanged(bool modified);

  private:
    friend class StateCommand;
    // Puts a step's side back (undo when `after` is false) and tells the windows.
    void apply(StateCommand& command, bool after);
    void announce(const StateSlice& slice);
    std::shared_ptr<const ImageBytes> encodedSnapshot();
    QString labelText(const Message& label) const;

    ProgramState state_;
    QUndoStack stack_;
    std::shared_ptr<const ImageBytes> encoded_;
    bool replaying_ = false;
};

}  // namespace talvo
