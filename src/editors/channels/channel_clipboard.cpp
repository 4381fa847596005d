#include "editors/channels/channel_clipboard.h"

#include <QByteArray>
#include <QMimeData>
#include <string>

namespace talvo {

QMimeData* ChannelsToMime(const CopiedChannels& copied, const std::string& text) {
    auto* mime = new QMimeData;
    mime->setText(QString::fromStdString(text));
    const std::string bytes = EncodeCopiedChannels(copied);
    mime->setData(QString::fromLatin1(kChannelMimeType),
                  QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
    return mime;
}

std::optional<CopiedChannels> ChannelsFromMime(const QMimeData* mime) {
    if (!mime) return std::nullopt;
    const QString type = QString::fromLatin1(kChannelMimeType);
    if (mime->hasFormat(type)) {
        const QByteArray bytes = mime->data(type);
        return DecodeCopiedChannels(std::string_view(bytes.constData(), bytes.size()));
    }
    return std::nullopt;
}

}  // namespace talvo
