/// \file scenario.h
/// \brief Replays plain-text scenarios against the real windows, headless,
/// with the message box, printer, quit and timer services replaced by
/// doubles. One command a line; '#' starts a comment; blank lines are
/// ignored. Commands:
///
///     click WIN.CTRL                  a user's click on a shown, enabled button
///     type WIN.CTRL "text"            select all of a text box, then type the text (any Unicode)
///     key WIN KEY                     Return, Tab, Escape or Alt+X where the focus is
///     expect WIN.CTRL.PROP VALUE      "string", true/false, integer (twips, within 1), 0x hex colour
///     expect WIN.PROP VALUE           Visible, Caption, Width, Height, BackColor of the window
///     expect focus WIN.CTRL
///     expect message "text"           the oldest unread message, which is then read
///     expect no message
///     print WIN.CTRL.PROP | WIN.PROP  writes "WIN.CTRL.PROP = VALUE"
///     messages                        writes each unread message and reads it
///     tick WIN.TIMER [N]              the timer fires N times (1) while enabled, the
///                                     window repainted after each
///     snapshot WIN FILE.png           saves the window's current image
///
/// A double-quoted string may hold the escapes \" and \\, and \r and \n for a
/// carriage return and a line feed (a message of two lines); any other
/// backslash stands for itself.
///
/// Each file starts from a fresh program showing the main menu. A failure
/// is reported as "FILE:LINE: expected ..., got ..." and ends that file.
#pragma once

#include <QString>
#include <QTextStream>

namespace morvel::scenario {

/// Runs one file; writes print/messages output and failures to out.
/// Returns true when the file passed.
bool runFile(const QString& path, QTextStream& out);

}  // namespace morvel::scenario
