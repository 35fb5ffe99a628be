// Option.ret: the preferences and the saved search options, read from a
// file as at start-up.
#include "FuzzInput.h"
#include "ui/main/OptionsFile.h"

#include <QFile>
#include <QTemporaryDir>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir;
    static const QString path = dir.filePath(QStringLiteral("Option.ret"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(FuzzInput::bytes(data, size));
    }
    OptionsFile::readPreferences(path);
    OptionsFile::readSearchOptions(path);
    return 0;
}
