// Speed of reading a LAMMPS run back: writes a run folder (manifest.gas and dump.gas) of N
// particles spread through cubes of up to 200 each, F frames, then reads the dump
// once as --analyse and --export-xyz do and once with `wc -l` (the floor: a pass that only
// counts lines). The folder stays for bench/lammps_return.sh to analyse.
// Run: build/bench/lammps_read_bench DIR N F

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "files/lammpsdump.h"
#include "files/lammpsmanifest.h"
#include "files/numformat.h"

using namespace zentova;

namespace {

double seconds(std::chrono::steady_clock::time_point since) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: lammps_read_bench DIR PARTICLES FRAMES\n");
        return 2;
    }
    const std::string folder = argv[1];
    const long long n = std::atoll(argv[2]);
    const int frames = std::atoi(argv[3]);
    // As an export tiles them: the fewest cubes along each axis that share n out evenly with
    // at most 200 in each.
    int side = 1;
    while (side < 20 &&
           (n % (1LL * side * side * side) != 0 || n / (1LL * side * side * side) > 200))
        ++side;
    LammpsManifest m;
    m.projectName = "Gas";
    m.stem = "gas";
    m.particlesPerCube = n / (1LL * side * side * side);
    m.replicate = {side, side, side};
    m.particles = n;
    m.low = {0, 0, 0};
    m.high = {100.0 * side, 100.0 * side, 100.0 * side};
    m.step = 5e-5;
    m.frameInterval = 300;
    m.types = {{n / 3, 0.05, 7, {255, 80, 80}}, {n - n / 3, 0.05, 8, {40, 200, 60}}};
    std::filesystem::create_directories(folder);
    std::ofstream(folder + "/manifest.gas") << formatLammpsManifest(m);
    {
        std::ofstream dump(folder + "/dump.gas");
        std::mt19937 random(1);
        std::uniform_real_distribution<double> at(3.0, 100.0 * side - 3.0), speed(-20, 20);
        std::string text;
        for (int f = 0; f < frames; ++f) {
            text.assign("ITEM: UNITS\nlj\nITEM: TIME\n");
            text.append(formatSignificant(f * 0.015, 6));
            text.append("\nITEM: TIMESTEP\n");
            text.append(std::to_string(300 * f));
            text.append("\nITEM: NUMBER OF ATOMS\n");
            text.append(std::to_string(n));
            text.append("\nITEM: BOX BOUNDS ff ff ff\n");
            for (int c = 0; c < 3; ++c) {
                text.append("0 ");
                text.append(std::to_string(100 * side));
                text.push_back('\n');
            }
            text.append("ITEM: ATOMS id type x y z vx vy vz\n");
            for (long long i = 1; i <= n; ++i) {
                text.append(std::to_string(i));
                text.append(i <= n / 3 ? " 1" : " 2");
                for (int k = 0; k < 6; ++k) {
                    text.push_back(' ');
                    text.append(formatSignificant(k < 3 ? at(random) : speed(random), 9));
                }
                text.push_back('\n');
            }
            dump << text;
        }
    }
    const double megabytes = std::filesystem::file_size(folder + "/dump.gas") / 1e6;

    auto start = std::chrono::steady_clock::now();
    const auto in = openMaybeCompressed(folder + "/dump.gas");
    LammpsDumpReader reader(*in, folder + "/dump.gas", m);
    int read = 0;
    for (LammpsFrame frame; reader.next(frame);) ++read;
    const double reading = seconds(start);

    start = std::chrono::steady_clock::now();
    const std::string count = "wc -l < '" + folder + "/dump.gas' > /dev/null";
    if (std::system(count.c_str()) != 0) return 1;
    const double counting = seconds(start);
    std::printf("%lld particles, %d frames, %.1f MB: read %.1f MB/s (%.2f s), wc -l %.1f MB/s\n", n,
                read, megabytes, megabytes / reading, reading, megabytes / counting);
    return read == frames ? 0 : 1;
}
