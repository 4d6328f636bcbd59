// Fuzz target: the reader of "path.mpt", on any bytes.
#include "app/core/settings_file.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    for (const bool cutAtBound : {false, true}) {
        const SettingsFile::ReadResult result = SettingsFile::parse(bytes, cutAtBound);
        if (result.linesRead > SettingsFile::kLineCount) std::abort();
        const auto problem = result.problem();
        if (problem.has_value() ==
            (result.linesRead == SettingsFile::kLineCount && result.garbledLines.isEmpty()))
            std::abort();
        // A file read whole is written back as the same values.
        if (!problem) {
            const SettingsFile::ReadResult again =
                SettingsFile::parse(SettingsFile::format(result.settings));
            if (again.problem() || !(again.settings == result.settings)) std::abort();
        }
    }
    return 0;
}
