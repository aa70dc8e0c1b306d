#pragma once

#include <functional>
#include <string>
#include <utility>

#include "calc/report.h"
#include "model/frame.h"
#include "model/particles.h"
#include "model/project.h"

namespace zentova {

// The particles of a picture as the description reads them: particles 1..count, their
// coordinates (c 0..2) and types. The count is asked for each time: a replay's frames
// change it after the places are given.
struct ParticlePlaces {
    std::function<int()> count;
    std::function<double(int p, int c)> position;
    std::function<int(int p)> type;
};

// What the key D says about a picture in words: how many particles of which types, how
// spread out they are (the radius of gyration: the root mean square distance from their
// centre) against the cube, and whether the types are mixed or separated. Types count as
// separated when the centres of two of them lie more than half the radius of gyration apart;
// types mixed at random have centres far closer than that.
std::string DescribeParticles(const Project& project, const ParticlePlaces& places,
                              double cubeHalfSize);

// The places of particles 1..n of a state, or of a trajectory's frame.
ParticlePlaces statePlaces(const ParticleState& particles, int n);
ParticlePlaces framePlaces(const Frame& frame);

// "t = 1.250", as the status line writes a time (in the chosen language).
std::string timeText(double time);

// A calculation's status line: its readings, and the bath's factor as the keys H, C and B
// leave it; in the chosen language, with its decimal separator.
std::string readingsOnScreen(const Readings& readings, double bath);

class TForm2;

// For the length of a run: what the view's live description says of the run (`facts`) and
// what the key D says of the picture (`places`, described with DescribeParticles). Both are
// taken away again at the end.
class RunWords {
  public:
    RunWords(TForm2& view, std::function<std::string()> facts, const Project& project,
             ParticlePlaces places, double cubeHalfSize);
    ~RunWords();
    RunWords(const RunWords&) = delete;
    RunWords& operator=(const RunWords&) = delete;

  private:
    TForm2& m_view;
};

}  // namespace zentova
