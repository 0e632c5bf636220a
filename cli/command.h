/// \file command.h
/// \brief morvel-solve's command line: the options, one problem or a batch,
/// and the exit status. No Qt.
///
/// Exit status: 0 solved; 1 no solution (the engine's message is the
/// answer); 2 a bad option, value or set of inputs (the message on standard
/// error names the option and says what is allowed). A batch exits 2 when
/// any line was bad, else 1 when any had no solution, else 0; every line is
/// answered all the same. The messages quote what was given with its control
/// characters written as '?', and go out a line at a time as they arise; a
/// file that is a directory cannot be read.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace morvel::cli {

/// Runs morvel-solve with its arguments (the program name left out). The
/// batch file "-" is in.
int run(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err);

/// What --help prints.
std::string helpText();

}  // namespace morvel::cli
