// Loading a skin container of the internal skin's shape (Options.dat, ButtonHuge.bmp,
// Master.bmp, seven PNGs) into skin data: unpacking, reading the description, decoding the
// pictures and building every array and index. Goal: under 3 ms median.
// Run: skin_load_bench --benchmark_repetitions=15 --benchmark_report_aggregates_only=true
#include <benchmark/benchmark.h>

#include "SkinFixture.h"
#include "skin/store/sSkinStore.h"

namespace {

void SkinLoad(benchmark::State& State) {
  const TBytes Container = InternalShapedSkin();
  for (auto _ : State) {
    TacSkinConvertor Package;
    Package.PackedData = Container;
    UnpackSkinPackage(Package);
    const TSkinDescription Description = TSkinDescription::FromBytes(*Package.Options);
    TsSkinStore Store;
    Store.LoadSkin(&Description, &Package);
    benchmark::DoNotOptimize(Store.ma().data());
  }
  State.counters["container_bytes"] = static_cast<double>(Container.size());
}
BENCHMARK(SkinLoad)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
