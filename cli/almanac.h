/// \file almanac.h
/// \brief morvel-solve's almanac: where a body stands at an instant, every
/// body at once, a batch of bodies and instants, and a day's hourly page.
/// No Qt; the places are almanac/almanac.h's.
///
/// Plain text: GHA, SHA and declination in degrees and minutes as a sight
/// form and a printed almanac write them (navtext's nav...Text: "324°00.3'",
/// "20°00.7'S"), or five decimals with --decimal; semi-diameter and horizontal parallax in minutes of arc to a
/// tenth; magnitudes to a tenth. JSON: body, at, gha, dec (north positive)
/// and sha in decimal degrees, sd and hp in minutes of arc, mag. CSV (the
/// daily page with --csv): body,at,gha,dec,sha,sd,hp,mag in decimal degrees
/// and minutes of arc, empty where a value does not apply.
///
/// A batch answers in the same columns and a last one, status: ok, or why
/// the line was not answered (no body of that name, an instant or a dut1
/// that cannot be read, an unclosed quote, more cells than the header
/// names, a line too long), the line keeping its place with its places
/// empty; with JSON such a line is {"line":N,"error":why}. Each answer is
/// written as its line is read, and each line not answered is also named
/// on the error stream as it is met: "NAME:LINE: why".
#pragma once

#include "almanac/daily_page.h"
#include "sightlog/csv_reader.h"

#include <optional>

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

namespace morvel::cli {

struct AlmanacOptions {
    bool decimal = false;
    bool json = false;
    double dut1 = 0;  ///< UT1 - UTC in seconds
};

/// Why DUT1 cannot go with the UTC instant (or date, at its midnight) of
/// text: the almanac's reason (a DUT1 before 1960, when a time is UT1
/// itself), or empty when it can or when the text is refused for itself.
std::string dut1Refused(const std::string& text, double dut1);

/// --almanac BODY --at INSTANT: one body, or every body for "all".
int runAlmanac(const std::string& body, const std::string& at, const AlmanacOptions& options, std::ostream& out,
               std::ostream& err);

/// --daily DATE [--days N]: the daily pages of N UTC dates from DATE
/// (YYYY-MM-DD), a form feed between pages; csv writes one line a body and
/// hour instead, under body,at,gha,dec,sha,sd,hp,mag,v,d (v and d in
/// minutes of arc an hour, d signed north positive: almanac/daily_page.h),
/// and JSON the same as objects.
/// With pdf, the pages go to that file as a PDF (through the writer set
/// below) and nothing to out.
int runDaily(const std::string& date, int days, bool csv, const std::optional<std::string>& pdf,
             const AlmanacOptions& options, std::ostream& out, std::ostream& err);

/// Writes count daily pages, day i from page(i), as a PDF to file: empty
/// when done, else why not. morvel-solve built with Qt sets one (Qt's PDF
/// writer, almanacpage/); without it --pdf is refused.
using DailyPdfWriter = std::string (*)(const std::string& file, int count,
                                       const std::function<almanac::DailyPage(int)>& page);
void setDailyPdfWriter(DailyPdfWriter writer);

/// Why a date is refused for a page or a day's events (the almanac's
/// years less their first and last day).
extern const char* const pageDaysText;

/// The UTC date of --daily, or nothing with error set.
std::optional<almanac::UtcDate> dailyDate(const std::string& date, std::string& error);

/// A batch whose header (already read, in header) names body and at, and
/// optionally dut1, in any case: one answer line per line.
int runAlmanacBatch(sightlog::CsvReader& reader, const std::vector<std::string>& header, const std::string& name,
                    const AlmanacOptions& options, std::ostream& out, std::ostream& err);

/// Whether a batch header is the almanac's (it names the body column, in
/// any case).
bool isAlmanacHeader(const std::vector<std::string>& header);

}  // namespace morvel::cli
