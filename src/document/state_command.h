#pragma once

#include <QString>
#include <QUndoCommand>
#include <memory>

#include "document/document.h"
#include "radio/state/state_parts.h"

namespace talvo {

// One step of the document's history: either a slice of the state (the channels and parts an
// edit touched) before and after, or, for a load, everything a load fills before and after.
// Besides, the encoder's image as it was on the other side of the step: undo and redo swap it
// with the current one.
class StateCommand : public QUndoCommand {
  public:
    StateCommand(Document& document, Message label, StateSlice before, StateSlice after,
                 Document::MergeKey merge);
    StateCommand(Document& document, Message label, std::unique_ptr<ProgramState> before,
                 std::unique_ptr<ProgramState> after);

    void undo() override;
    void redo() override;
    int id() const override;
    bool mergeWith(const QUndoCommand* other) override;

    const Message& label() const { return label_; }
    bool isLoad() const { return wholeAfter_ != nullptr; }

  private:
    friend class Document;

    Document& document_;
    Message label_;
    StateSlice before_;
    StateSlice after_;
    std::unique_ptr<ProgramState> wholeBefore_;
    std::unique_ptr<ProgramState> wholeAfter_;
    std::shared_ptr<const ImageBytes> encoded_;
    Document::MergeKey merge_ = 0;
    // The change was made before the command was pushed; the push's redo does nothing.
    bool done_ = true;
};

}  // namespace talvo
