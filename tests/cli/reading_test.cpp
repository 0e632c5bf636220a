// What every reader of CSV does with a file that is not as it should be:
// a line too long, a stream that never ends a line (/dev/zero given as a
// log), lines ended by CR alone, a header in capitals, a line with a cell
// more than the header names. The readers: the triangle batch and the
// almanac batch (--batch), the sight log (--sights) and the sight window's
// file (readLogbook).
#include "cli/command.h"
#include "sightlog/csv_reader.h"
#include "sightlog/logbook.h"

#include <gtest/gtest.h>

#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

namespace morvel::test {
namespace {

/// /dev/zero: NUL bytes without end, counting how many were taken.
class Zeros : public std::streambuf {
public:
    size_t given = 0;

protected:
    int_type underflow() override
    {
        setg(block_, block_, block_ + sizeof block_);
        given += sizeof block_;
        return 0;
    }

private:
    char block_[4096] = {};
};

enum class Reader { triangle, almanac, sights, logbook };

/// Zeros in place of the input.
const std::string endless = "<endless>";

const std::string logHeader = "utc,body,limb,hs,ic,eye,temp,pressure,dr_lat,dr_lon";
const std::string capella = "2026-12-07T19:33:00Z,Capella,,19 2.2,-1.2,3.5,8,1016,40 05.0N,35 45.0W";
const std::string altair = "2026-12-07T19:34:00Z,Altair,,45 1.9,-1.2,3.5,8,1016,40 05.0N,35 45.0W";
const std::string tooLong(70000, '7');

struct Fault {
    const char* name;
    Reader reader;
    std::string input;
    int status;
    const char* out;  ///< found in standard output (the logbook: "N rows")
    const char* err;  ///< found in standard error (the logbook: its errors)
};

const Fault faults[] = {
    {"triangle_line_too_long", Reader::triangle, "lat,lha,dec\n" + tooLong + "\n40N,10,5N\n", 2,
     "2,error,,,,,,,,,,,,longer than 65536 bytes\n3,ok,1,", "1 line with errors"},
    {"almanac_line_too_long", Reader::almanac, "body,at\n" + tooLong + "\nSun,2026-12-07T17:32:10Z\n", 2,
     ",,,,,,,,longer than 65536 bytes\nSun,2026-12-07T17:32:10Z,", "standard input:2: longer than 65536 bytes"},
    {"sights_line_too_long", Reader::sights, logHeader + "\n" + tooLong + "\n" + capella + "\n", 2, "Capella",
     "line 2: longer than 65536 bytes"},
    {"logbook_line_too_long", Reader::logbook, logHeader + "\n" + tooLong + "\n" + capella + "\n", 2, "1 rows",
     "line 2: longer than 65536 bytes"},

    {"triangle_endless", Reader::triangle, endless, 2, "", "standard input:1: the header is longer than 65536 bytes"},
    {"almanac_endless", Reader::almanac, endless, 2, "", "standard input:1: the header is longer than 65536 bytes"},
    {"sights_endless", Reader::sights, endless, 2, "", "line 1: the header is longer than 65536 bytes"},
    {"logbook_endless", Reader::logbook, endless, 2, "0 rows", "line 1: the header is longer than 65536 bytes"},

    {"triangle_cr_ends", Reader::triangle, "lat,lha,dec\r40N,10,5N\r\r40N,10,5N", 0, "\n4,ok,1,40°0'N", ""},
    {"almanac_cr_ends", Reader::almanac, "body,at\rSun,2026-12-07T17:32:10Z\r", 0, "\nSun,2026-12-07T17:32:10Z,", ""},
    {"sights_cr_ends", Reader::sights, logHeader + "\r" + capella + "\r" + altair + "\r", 0, "Fix at", ""},
    {"logbook_cr_ends", Reader::logbook,
     "# dr: 40 05.0N 35 45.0W; 2026-12-07T19:30:00Z; 090; 10\r" + logHeader + "\r" + capella + "\r", 0,
     "1 rows, DR 40 05.0N 35 45.0W", ""},

    {"triangle_header_in_capitals", Reader::triangle, "Lat,LHA,Dec\n40N,10,5N\n", 0, "\n2,ok,1,", ""},
    {"almanac_header_in_capitals", Reader::almanac, "BODY,AT\nSun,2026-12-07T17:32:10Z\n", 0, "status\nSun,", ""},
    {"sights_header_in_capitals", Reader::sights,
     "UTC,Body,Limb,HS,IC,Eye,Temp,Pressure,DR_Lat,DR_Lon\n" + capella + "\n" + altair + "\n", 0, "Fix at", ""},
    {"logbook_header_in_capitals", Reader::logbook,
     "UTC,Body,Limb,HS,IC,Eye,Temp,Pressure,DR_Lat,DR_Lon\n" + capella + "\n", 0, "1 rows", ""},

    {"triangle_extra_cell", Reader::triangle, "lat,lha,dec\n40N,10,5N,7\n", 2, "2,error,,,,,,,,,,,,4 cells for 3 columns",
     ""},
    {"almanac_extra_cell", Reader::almanac, "body,at\nSun,2026-12-07T17:32:10Z,7\n", 2,
     "Sun,2026-12-07T17:32:10Z,,,,,,,3 cells for 2 columns", "standard input:2: 3 cells for 2 columns"},
    {"sights_extra_cell", Reader::sights, logHeader + "\n" + capella + ",7\n", 2, "",
     "line 2, column 11: 11 cells for 10 columns"},
    {"logbook_extra_cell", Reader::logbook, logHeader + "\n" + capella + ",7\n", 2, "0 rows",
     "line 2, column 11: 11 cells for 10 columns"},

    {"no_known_column", Reader::triangle, "foo,bar\n", 2, "",
     "or body, at and optionally dut1 for the almanac"},
};

class Reading : public ::testing::TestWithParam<Fault> {};

TEST_P(Reading, SaysWhatIsWrongAndGoesOnOrStops)
{
    const Fault& f = GetParam();
    Zeros zeros;
    std::istringstream text(f.input);
    std::istream in(f.input == endless ? static_cast<std::streambuf*>(&zeros) : text.rdbuf());
    int status = 0;
    std::string out, err;
    if (f.reader == Reader::logbook) {
        const sightlog::LogbookFile file = sightlog::readLogbook(in);
        status = file.badHeader || !file.errors.empty() ? 2 : 0;
        out = std::to_string(file.book.rows.size()) + " rows, DR " + file.book.dr.position;
        for (const sightlog::SightLogError& e : file.errors)
            err += e.text() + "\n";
    } else {
        std::ostringstream o, e;
        status = cli::run({f.reader == Reader::sights ? "--sights" : "--batch", "-"}, in, o, e);
        out = o.str();
        err = e.str();
    }
    EXPECT_EQ(status, f.status) << err;
    EXPECT_NE(out.find(f.out), std::string::npos) << out;
    EXPECT_NE(err.find(f.err), std::string::npos) << err;
    // The endless stream is given up after the bound, not read on.
    EXPECT_LE(zeros.given, 3 * sightlog::maxLineBytes);
}

INSTANTIATE_TEST_SUITE_P(Csv, Reading, ::testing::ValuesIn(faults),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace morvel::test
