#pragma once

#include <QString>
#include <optional>
#include <string>

#include "rules/channel_clip_form.h"

class QMimeData;

namespace talvo {

// The MIME type of the program's own, lossless clipboard form of channels.
inline constexpr const char* kChannelMimeType = "application/x-talvo-channels";

// Clipboard data for copied channels: the program's own form, and `text` (the tab-separated
// form) for other programs.
QMimeData* ChannelsToMime(const CopiedChannels& copied, const std::string& text);

// The program's own form on the clipboard, when present and sound.
std::optional<CopiedChannels> ChannelsFromMime(const QMimeData* mime);

}  // namespace talvo
