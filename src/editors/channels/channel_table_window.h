#pragma once

#include "editors/editor_window.h"

class QTableWidget;

namespace talvo {

// "Channel Edit" (Form1): the 128-channel grid with its floating editors.
class ChannelTableWindow : public EditorWindow {
    Q_OBJECT
public:
    ChannelTableWindow(ProgramState& state, QWidget* parent = nullptr);

    void applyLanguage() override;
    // Rebuilds every grid row from the model's cell texts (after a decode or New).
    void loadFromModel() override;
    // Language switch: re-renders the words of the list columns from the stores.
    void RefreshChannelGrid();
    // New: tone list at item 0, lists at item 1, every channel cleared.
    void StartForm();
    // Runs the frequency commit when the frequency editor is shown (before a transfer).
    void commitPendingFrequency();
    bool frequencyEditorVisible() const;

    QTableWidget* grid() const;
};

}  // namespace talvo
