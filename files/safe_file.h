#pragma once
// Files written whole or not at all. The bytes go to a temporary file beside
// the target, every write is checked, and only a complete file is renamed
// over the target; a full disk or any other failure leaves the target as it
// was and says why. A target that is not a regular file (a device, a FIFO,
// a directory) is refused: a rename would replace it; so is a symbolic
// link, whose target a save must not replace. An existing file keeps its
// permissions and its owner; a read-only one is replaced only when the
// caller says so.
#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <functional>

namespace tarvik {

enum class ReadOnlyTarget { Refuse, Replace };

// Why a target may not be written at all, before anything is written:
// empty when it may. `readOnly` is set for an existing read-only file.
QString TargetProblem(const QString& path, bool& readOnly);

// Writes `produce`'s bytes to `path` as above. `produce` writes into the
// device it is given and returns false (with the device's error) when it
// fails. Throws Exception with "Cannot save ... to 'path': reason".
void WriteFileWhole(const QString& path, const QString& what, ReadOnlyTarget readOnly,
                    const std::function<bool(QIODevice&)>& produce);

// Every byte of `bytes` into `device`, or false.
bool WriteAll(QIODevice& device, const QByteArray& bytes);

}  // namespace tarvik
