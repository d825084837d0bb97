// Every file the tape becomes is written through here: a temporary file beside the target
// that replaces it only once every byte is on the disk.
#pragma once

#include <QByteArrayView>
#include <QString>
#include <optional>

// Writes Bytes to FileName through a temporary file beside it that replaces it only once every
// byte is on the disk: a failed save leaves the old file as it was. Nothing on success, else
// the reason.
std::optional<QString> WriteFileAtomically(const QString& FileName, QByteArrayView Bytes);
