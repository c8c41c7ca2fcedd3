#include "model/ValueStore.h"
#include "photometry/DownwardLight.h"
#include "photometry/EstimatedDistribution.h"
#include "photometry/LampPlan.h"
#include "photometry/RoomEfficiency.h"
#include "photometry/WorkPlaneIlluminance.h"
#include "support/Maths.h"

#include <benchmark/benchmark.h>

#include <cmath>

// The room dialog recomputes everything on each keystroke, so one room must take well under a
// millisecond, for any lamp; preparing a lamp's light happens once, when the dialog opens.

namespace {

// A maker's grid: `planes` C-planes round the circle, `gammas` angles from nadir to zenith, a
// wide beam that is brighter along C0.
LightDistribution MakersGrid(int planes, int gammas) {
    LightDistribution distribution;
    distribution.symmetry = PlaneSymmetry::None;
    for (int i = 0; i < planes; ++i) {
        distribution.planes.push_back(360.0 * i / planes);
    }
    for (int j = 0; j < gammas; ++j) {
        distribution.gammas.push_back(180.0 * j / (gammas - 1));
    }
    for (double c : distribution.planes) {
        for (double gamma : distribution.gammas) {
            const double down = std::cos(gamma * maths::kRadiansPerDegree);
            distribution.intensities.push_back(down > 0 ? down * (1.5 + std::cos(c)) : 0.0);
        }
    }
    return distribution;
}

LightDistribution Lamp(int which) {
    switch (which) {
    case 0:
        return EstimatedDistribution(36);
    case 1:
        return MakersGrid(72, 37); // 5 degrees by 5, as most makers' files
    default:
        return MakersGrid(720, 361); // the largest grid the program reads
    }
}

// Choosing a lamp: its light prepared for the room method.
void PrepareLamp(benchmark::State& state) {
    const LightDistribution distribution = Lamp(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        DownwardLight light(distribution);
        benchmark::DoNotOptimize(light.DownwardShare());
    }
}
BENCHMARK(PrepareLamp)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// A keystroke in the room dialog: the room's efficiency and the lamps it needs.
void RoomKeystroke(benchmark::State& state) {
    const DownwardLight light(Lamp(static_cast<int>(state.range(0))));
    ValueStore main;
    LoadDefaults(main);
    Room room;
    room.length = 10;
    room.width = 6;
    room.height = 3;
    for (auto _ : state) {
        room.length += 1e-9; // a new room each time
        const std::optional<RoomEfficiency> result = CalculateRoomEfficiency(room, light);
        main.value[kRoomArea] = room.length * room.width;
        main.value[kRoomEfficiency] = result->percent;
        const LampPlan plan = PlanLamps(main, room);
        benchmark::DoNotOptimize(plan);
    }
}
BENCHMARK(RoomKeystroke)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// A keystroke in the distribution dialog: the whole grid of 400 points (a hall 101 x 101 m
// less a band of 0.5 m: 20 x 20) under 100 luminaires, which should take at most 5 ms.
void WorkPlaneKeystroke(benchmark::State& state) {
    const LightDistribution distribution = Lamp(static_cast<int>(state.range(0)));
    const IntensityTable intensities(distribution);
    const DownwardLight downward(distribution);
    Room room;
    room.length = 101;
    room.width = 101;
    room.height = 8;
    const LuminaireLight light{10000, 0.8, CandelaScaleForFlux(distribution, 10000, 0.8)};
    for (auto _ : state) {
        room.length += 1e-9; // a new room each time
        const WorkPlaneIlluminance result = CalculateWorkPlaneIlluminance(
            room, LuminaireLayout{10, 10, false}, 0.5, light, intensities, downward);
        benchmark::DoNotOptimize(result.mean);
    }
    state.counters["points"] = 400;
}
BENCHMARK(WorkPlaneKeystroke)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

} // namespace
