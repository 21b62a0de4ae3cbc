// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/ConfigFile.h"

#include <QByteArrayView>

#include <cstdint>
#include <cstdlib>

// Any bytes as a configuration file. Besides not crashing, the reader must be able to read back
// exactly what the writers make of its result: whatever it accepted, saving and reading again
// changes nothing.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace pse;
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString folder = QStringLiteral("/prog/");

    Settings local;
    parseConfig(bytes, folder, local, u',');

    Settings first;
    const bool complete = parseConfig(bytes, folder, first);
    if (!complete && !(first == Settings{}))
        std::abort();

    static const QDateTime when(QDate(2024, 3, 5), QTime(14, 7, 9));
    const ConfigLanguage language =
        size % 2 == 0 ? ConfigLanguage::Croatian : ConfigLanguage::English;
    const QByteArray saved = configFileText(first, language, when, QLocale::c());

    Settings second;
    if (!parseConfig(saved, folder, second) || !(second == first))
        std::abort();
    return 0;
}
