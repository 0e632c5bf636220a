/// \file options.h
/// \brief The options of one of morvel-solve's modes (--noon, --compass,
/// ...), given by name without their dashes, checked against what the mode
/// takes and read one by one. No Qt.
#pragma once

#include "navtext/navtext.h"
#include "sight/corrections.h"
#include "sight/utc.h"

#include <initializer_list>
#include <iosfwd>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace morvel::cli {

/// The index of the mode among flags ("--noon", ...) whose flag is "--"
/// name, or -1 when none is.
int modeOf(std::string_view name, std::span<const char* const> flags);

/// Whether name is one of names.
bool oneOf(std::string_view name, std::initializer_list<std::string_view> names);

/// What a mode takes, and what it needs.
struct ModeOptions {
    std::vector<std::string> allowed, needed;
};

/// Why the options given do not suit the mode (an option it takes not, or
/// one it needs missing), or empty when they do.
std::string modeRefusal(const std::string& modeName, const ModeOptions& taken,
                        const std::map<std::string, std::string>& values);

/// Reads the options of a mode. The first refusal is kept and the reads
/// after it give harmless values: a mode reads everything, then asks ok()
/// before it computes anything.
class Reader {
public:
    explicit Reader(const std::map<std::string, std::string>& values) : values_(values) {}

    bool has(const std::string& name) const { return values_.count(name) > 0; }
    const std::string& text(const std::string& name) const { return values_.at(name); }

    void refuse(const std::string& why) const
    {
        if (error_.empty())
            error_ = why;
    }
    bool ok() const { return error_.empty(); }
    /// Writes the refusal; the exit status of bad input.
    int failed(std::ostream& err) const;

    /// An angle of that kind; what names it in a message ("a bearing").
    double angle(const std::string& name, navtext::AngleKind kind, std::string_view what = {}) const;
    /// An angle east or west (navtext::readEastWest).
    double eastWest(const std::string& name, std::string_view what) const;
    /// A plain number from low to high, in the unit given.
    double number(const std::string& name, double low, double high, const std::string& unit, double fallback) const;
    /// A quantity in its unit as navtext.h reads it (0 when not given).
    double read(const std::string& name, navtext::ValueRead (*reader)(std::string_view), const char* what) const;
    /// A position with its longitude.
    std::pair<double, double> position() const;
    sight::UtcTime instant(const std::string& name) const;
    /// --date: with --zone the date on board (navtext::readDate), without it
    /// a UTC date; its midnight either way.
    sight::UtcTime date() const;
    /// --zone, the zone description in hours (UT = zone time + zone,
    /// navtext::readZone), when given.
    std::optional<double> zone() const;
    sight::Conditions conditions() const;
    sight::Limb limb() const;

private:
    const std::map<std::string, std::string>& values_;
    mutable std::string error_;
};

}  // namespace morvel::cli
