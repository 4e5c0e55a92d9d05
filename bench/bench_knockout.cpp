// A 64-team knockout stage with every result: built from its seeds result by result, then shown
// in the Knockout window at 1920x1080 and drawn to a picture.
#include "WidgetBenchmarkMain.h"
#include "core/tournament/TournamentDocument.h"
#include "gui/knockout/KnockoutWindow.h"

#include <QPixmap>

namespace {

KnockoutStage playedStage()
{
    QVector<KnockoutTeam> seeds;
    for (int seed = 1; seed <= 64; ++seed)
        seeds.append({ 0, seed, QStringLiteral("Team %1 United").arg(seed) });
    KnockoutStage stage = *KnockoutStage::fromSeeds(seeds, nullptr);
    stage.setThirdPlaceMatch(true);
    // A mix of the ways a tie ends, so that every kind of box is drawn.
    const TieResult won { { { 2, 1 } }, std::nullopt, std::nullopt };
    const TieResult extraTime { { { 1, 1 } }, GameScore { 2, 1 }, std::nullopt };
    const TieResult penalties { { { 0, 0 } }, GameScore { 1, 1 }, GameScore { 4, 3 } };
    int tie = 0;
    for (const QString& code : stage.tieCodes()) {
        const TieResult& result = tie % 3 == 0 ? won : tie % 3 == 1 ? extraTime : penalties;
        if (!stage.setResult(code, result, nullptr))
            std::abort();
        ++tie;
    }
    return stage;
}

void BM_BuildAndDrawBracket(benchmark::State& state)
{
    for (auto _ : state) {
        TournamentDocument document;
        document.setKnockoutStage(playedStage());
        KnockoutWindow window(&document);
        window.resize(1920, 1080);
        const QPixmap picture = window.grab();
        benchmark::DoNotOptimize(picture.cacheKey());
    }
}
BENCHMARK(BM_BuildAndDrawBracket)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    return runWidgetBenchmarks(argc, argv);
}
