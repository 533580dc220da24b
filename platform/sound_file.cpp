#include "platform/sound_file.h"

#include "shell/content_error.h"
#include "shell/content_file.h"

std::optional<QByteArray> readSoundFile(const QString& path) {
    try {
        QByteArray bytes = readContentFile(path, kLargeFileLimit);
        if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
            return std::nullopt;
        return bytes;
    } catch (const ContentError&) {
        // Sounds are optional content: one that cannot be read is skipped, without a message.
        return std::nullopt;
    }
}
