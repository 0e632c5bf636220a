#include "compass/magnetic.h"

#include "engine/angles.h"
#include "navtext/navtext.h"
#include "navtext/say.h"

#include <GeographicLib/MagneticModel.hpp>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <mutex>
#include <system_error>
#include <vector>

namespace morvel::compass {

namespace {

using math::degree;
using navtext::say;

constexpr const char* modelName = "wmm2025";

/// The folders the model is looked for in, in order (magnetic.h).
std::vector<std::filesystem::path> candidates()
{
    std::vector<std::filesystem::path> folders;
    if (const char* named = std::getenv("MORVEL_MAGNETIC_PATH"); named && *named)
        folders.emplace_back(named);
    std::error_code ec;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (!ec)
        folders.push_back(self.parent_path() / ".." / "share" / "morvel" / "magnetic");
    folders.emplace_back(MORVEL_MAGNETIC_INSTALLED);
    return folders;
}

struct Loaded {
    std::unique_ptr<GeographicLib::MagneticModel> model;
    std::string folder;
    std::string why;  ///< why it was not read
};

const Loaded& loaded()
{
    static const Loaded model = [] {
        Loaded l;
        std::string tried;
        for (const std::filesystem::path& folder : candidates()) {
            std::error_code ec;
            if (!std::filesystem::exists(folder / (std::string(modelName) + ".wmm"), ec))
            {
                tried += (tried.empty() ? "" : ", ") + folder.lexically_normal().string();
                continue;
            }
            try {
                l.model = std::make_unique<GeographicLib::MagneticModel>(modelName, folder.string());
                l.folder = folder.lexically_normal().string();
                return l;
            } catch (const std::exception& e) {
                l.why = say(MORVEL_TR("compass", "the World Magnetic Model in %1 cannot be read: %2"),
                            {folder.lexically_normal().string(), e.what()});
                return l;
            }
        }
        l.why = say(MORVEL_TR("compass", "the World Magnetic Model's file %1.wmm is in none of %2 "
                                         "(MORVEL_MAGNETIC_PATH names its folder)"),
                    {modelName, tried});
        return l;
    }();
    return model;
}

/// The field at a fractional year and height; when names the instant in
/// the refusal of one outside the model's years.
Field fieldAt(double lat, double lon, double year, double height, const std::string& when)
{
    Field f;
    const Loaded& l = loaded();
    if (!l.model) {
        f.why = l.why;
        return f;
    }
    const GeographicLib::MagneticModel& m = *l.model;
    if (!(year >= m.MinTime() && year <= m.MaxTime())) {
        char from[32], to[32];
        std::snprintf(from, sizeof from, "%.1f", m.MinTime());
        std::snprintf(to, sizeof to, "%.1f", m.MaxTime());
        f.why = say(MORVEL_TR("compass", "the World Magnetic Model 2025 holds from %1 to %2, 1 January %3 to the "
                                         "end of %4; %5 is outside it"),
                    {from, to, std::to_string(int(m.MinTime())), std::to_string(int(m.MaxTime()) - 1), when});
        return f;
    }
    if (std::abs(lat) > math::halfPi - 1e-9) {
        f.why = say(lat > 0 ? MORVEL_TR("compass", "at a geographic pole the variation has no meaning: every "
                                                   "direction is south")
                            : MORVEL_TR("compass", "at a geographic pole the variation has no meaning: every "
                                                   "direction is north"));
        return f;
    }
    double bx = 0, by = 0, bz = 0;
    m(year, lat / degree, lon / degree, height, bx, by, bz);
    double h = 0, total = 0, d = 0, i = 0;
    GeographicLib::MagneticModel::FieldComponents(bx, by, bz, h, total, d, i);
    f.variation = d * degree;
    f.inclination = i * degree;
    f.total = total;
    f.horizontal = h;
    f.zone = h < blackoutIntensity  ? Field::Zone::blackout
             : h < cautionIntensity ? Field::Zone::caution
                                    : Field::Zone::clear;
    return f;
}

}  // namespace

double fractionalYear(const sight::UtcTime& when)
{
    const sight::UtcTime start{when.year, 1, 1, 0}, next{when.year + 1, 1, 1, 0};
    return when.year + when.secondsSince(start) / next.secondsSince(start);
}

Field fieldAt(double lat, double lon, const sight::UtcTime& when)
{
    return fieldAt(lat, lon, fractionalYear(when), 0, when.text().substr(0, 10));
}

Field fieldAt(double lat, double lon, double year, double height)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", year);
    return fieldAt(lat, lon, year, height, text);
}

std::string zoneWarning(const Field& f)
{
    const std::string strength = std::to_string(long(std::lround(f.horizontal)));
    switch (f.zone) {
    case Field::Zone::blackout:
        return say(MORVEL_TR("compass", "the horizontal field is %1 nT, under 2000 nT: the magnetic compass is "
                                        "unreliable here and the variation uncertain (the model's blackout zone, "
                                        "near a magnetic pole)"),
                   {strength});
    case Field::Zone::caution:
        return say(MORVEL_TR("compass", "the horizontal field is %1 nT, under 6000 nT: magnetic compass readings "
                                        "have large uncertainties here (the model's caution zone)"),
                   {strength});
    case Field::Zone::clear: break;
    }
    return {};
}

std::string modelFolder()
{
    return loaded().folder;
}

}  // namespace morvel::compass
