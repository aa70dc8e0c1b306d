#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/project.h"

namespace zentova {

// The pair law as a LAMMPS "pair_style table bitmap" table. A bitmapped table keeps 2^bits
// entries whose squared distances are single-precision floats laid out by their bits: the
// low exponent bits and the high mantissa bits of r^2 index the entry. So the points lie
// evenly in log(r^2), a fixed number per octave, from the inner distance to the cutoff:
// fine where the repelling core makes the law steep, and no finer than needed far out,
// where a table even in r^2 would spend nearly all of its points.
//
// LAMMPS interpolates force/r linearly in r^2 between two entries. With 2^10 entries per
// octave an interval spans at most 1/1024 of its r^2, and the relative error of the linear
// interpolation of a law falling as r^-s is at most (s + 1)(s + 3) / 32 / 1024^2: below
// 1e-6 for the core's steepest parts (s about 5 to 10) and below 1e-4 up to s = 55.
inline constexpr int TableMantissaBits = 10;

// The smallest distance the table covers (cube units). LAMMPS stops a run when two
// particles come closer than this; the repelling core keeps them some units apart.
inline constexpr double TableInnerDistance = 0.01;

// Where the entries of a bitmapped table lie, as LAMMPS lays them out for an inner
// distance, a cutoff and a number of bits (its init_bitmap).
struct BitmapLayout {
    int bits = 0;            // 2^bits entries
    int shiftBits = 0;       // low mantissa bits below the index
    std::uint32_t low = 0;   // high bits of the inner r^2
    std::uint32_t high = 0;  // high bits of the cutoff's r^2
    double inner = 0.0;
    double cutoff = 0.0;
};

// The layout with TableMantissaBits bits per octave for the range [inner, cutoff].
BitmapLayout bitmapLayout(double inner, double cutoff);

// The distance of each entry in file order: the square root of the entry's
// single-precision r^2, in single precision, as LAMMPS computes it.
std::vector<double> bitmapDistances(const BitmapLayout& layout);

// The LAMMPS force between two types at distance r (cube units): positive pushes apart.
// The model's scalar F (positive attracts) gives a vector of length F / DistanceScale.
double lammpsPairForce(const Project& project, double cubeHalfSize, int ti, int tj, double r);

// One section of the table file for types ti <= tj, named "T<ti>_<tj>": the header
// "N <entries> BITMAP <inner> <cutoff>", then per entry its number, r, the energy (zero
// at infinite distance, from the law's integral) and the force.
std::string tableSection(const Project& project, double cubeHalfSize, int ti, int tj,
                         const BitmapLayout& layout);

// The name of the section of types ti and tj.
std::string tableSectionName(int ti, int tj);

}  // namespace zentova
