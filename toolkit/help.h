/// \file help.h
/// \brief Morvel's manual in the program: the Markdown pages of
/// doc/manual/, built into the program, shown in one help window without
/// any network, opened at the page of the window asked from.
///
/// A page is named by its file without ".md" ("sight-window"); links
/// between pages are followed in the window, links out of the manual are
/// not (the window says where they go and stays put).
#pragma once

#include <QString>

class QTextBrowser;
class QWidget;

namespace morvel::toolkit {

/// The page of the manual for a window, by the window's code name
/// ("locddf" is "decimal-degrees"); the contents for any other.
QString helpPageOf(const QString& windowName);

/// Shows the help window at a page, in front, and returns its browser.
QTextBrowser& showHelp(const QString& page);

/// The help window's browser when it has been opened, else null.
QTextBrowser* helpBrowser();

}  // namespace morvel::toolkit
