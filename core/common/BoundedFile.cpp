#include "core/common/BoundedFile.h"

#include <QCoreApplication>
#include <QFile>

std::optional<QByteArray> readBoundedFile(const QString& path, qint64 limit, const QString& kind, QString* error)
{
    const auto tooLarge = [&] {
        *error = QCoreApplication::translate("BoundedFile", "Cannot read %1: it is larger than any %2 can be (%3 MiB).")
                     .arg(path, kind, QString::number(limit / (1024 * 1024)));
        return std::nullopt;
    };
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QCoreApplication::translate("BoundedFile", "Cannot read %1: %2.").arg(path, file.errorString());
        return std::nullopt;
    }
    if (!file.isSequential() && file.size() > limit)
        return tooLarge();

    constexpr qint64 kChunk = 64 * 1024;
    QByteArray bytes;
    bytes.reserve(file.isSequential() ? kChunk : file.size() + kChunk);
    for (;;) {
        const qsizetype before = bytes.size();
        if (bytes.capacity() < before + kChunk)
            bytes.reserve(2 * bytes.capacity());
        bytes.resize(before + kChunk);
        const qint64 read = file.read(bytes.data() + before, kChunk);
        if (read < 0) {
            *error = QCoreApplication::translate("BoundedFile", "Cannot read %1: %2.").arg(path, file.errorString());
            return std::nullopt;
        }
        bytes.resize(before + read);
        if (bytes.size() > limit)
            return tooLarge();
        if (read == 0)
            return bytes;
    }
}

std::optional<QByteArray> readCsvFile(const QString& path, QString* error)
{
    return readBoundedFile(path, kMaxCsvFileBytes, QCoreApplication::translate("BoundedFile", "CSV file of results"),
                           error);
}
