// The Swiss Ephemeris reference (reference.csv, made by make_reference.sh),
// read once for every suite that checks against it: each instant's TT and
// UT1 Julian dates and each body's place, in radians (sd and hp 0 where the
// file leaves them empty), with the magnitude where the file gives one.
#pragma once

#include <cmath>
#include <fstream>
#include <map>
#include <numbers>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace morvel::test {

struct ReferencePlace {
    double gha = 0, dec = 0, sd = 0, hp = 0;
    bool figures = false;  ///< sd and hp are given (Sun, Moon, planets)
    std::optional<double> mag;
};

struct ReferenceEpoch {
    double tt = 0, ut1 = 0;
    std::map<std::string, ReferencePlace> bodies;
};

/// The lines of a reference file that are not comments, each split into
/// its n comma-separated fields (missing ones empty).
inline std::vector<std::vector<std::string>> referenceLines(const char* file, std::size_t n)
{
    std::vector<std::vector<std::string>> lines;
    std::ifstream in(file);
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#')
            continue;
        std::vector<std::string>& f = lines.emplace_back();
        std::stringstream s(line);
        for (std::string c; std::getline(s, c, ',');)
            f.push_back(c);
        f.resize(n);
    }
    return lines;
}

inline const std::vector<ReferenceEpoch>& referenceEpochs()
{
    static const std::vector<ReferenceEpoch> epochs = [] {
        constexpr double degree = std::numbers::pi / 180, arcmin = degree / 60;
        std::vector<ReferenceEpoch> out;
        std::string last;
        for (const std::vector<std::string>& f : referenceLines(MORVEL_ALMANAC_REFERENCE, 8)) {
            if (f[0] != last)
                out.push_back({std::stod(f[0]), std::stod(f[1]), {}});
            last = f[0];
            ReferencePlace& p = out.back().bodies[f[2]];
            p.gha = std::stod(f[3]) * degree;
            p.dec = std::stod(f[4]) * degree;
            p.figures = !f[5].empty();
            if (p.figures) {
                p.sd = std::stod(f[5]) * arcmin;
                p.hp = std::stod(f[6]) * arcmin;
            }
            if (!f[7].empty())
                p.mag = std::stod(f[7]);
        }
        return out;
    }();
    return epochs;
}

}  // namespace morvel::test
