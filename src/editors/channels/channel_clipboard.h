#pragma once

#include <QString>
#include <optional>

#include "editors/logic/channel_clip_form.h"

class QMimeData;

namespace talvo {

// The MIME type of the program's own, lossless clipboard form of channels.
inline constexpr const char* kChannelMimeType = "application/x-talvo-channels";

// Clipboard data for copied channels.
QMimeData* ChannelsToMime(const CopiedChannels& copied);

// What the clipboard offers as channels: the program's own form when present.
std::optional<CopiedChannels> ChannelsFromMime(const QMimeData* mime);

}  // namespace talvo
