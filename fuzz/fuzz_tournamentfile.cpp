// Feeds arbitrary bytes to the tournament file reader. Whatever it accepts must survive a write
// and a second read unchanged: the writer's output of the second reading equals that of the first.
#include "core/tournament/TournamentFile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const TournamentReadResult first = parseTournament(bytes);
    if (!first.ok()) {
        if (first.line < 1 || first.error.isEmpty())
            std::abort();
        return 0;
    }
    const std::optional<QByteArray> written = formatTournament(*first.data);
    if (!written)
        return 0; // only a text with a lone carriage return gets here: it cannot be a line of its own
    const TournamentReadResult second = parseTournament(*written);
    if (!second.ok())
        std::abort();
    const std::optional<QByteArray> rewritten = formatTournament(*second.data);
    if (!rewritten || *rewritten != *written)
        std::abort();
    return 0;
}
