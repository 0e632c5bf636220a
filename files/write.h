/// \file write.h
/// \brief A file written as what its path names asks: the one way Morvel
/// writes a file a user chose (morvel-solve --gpx, the sight window's Save)
/// and the sight window's recovery file. Plain C++ on POSIX, no Qt.
///
/// - A symbolic link is followed (a link to a link too, relative links
///   from the link's folder) and its target written: the link stays a
///   link, and the file it points to holds the text. A link that points
///   nowhere yet makes the file it points to, as a shell's > does.
/// - A regular file, or none yet, is written whole or not at all: into a
///   temporary in the same folder (".NAME.XXXXXXXX"), given the target's
///   permission bits, owner and group (a new file: 0666 less the umask),
///   flushed to the disk (fsync), then renamed over the target, and the
///   folder flushed. On any failure the temporary is removed and the
///   target is as it was. A file that we may not write is refused, as a
///   shell would, not replaced. A regular file with other hard links is
///   replaced like any other: the other names keep the old text.
/// - A regular file we may write but not replace so is written in place
///   (truncated, written, flushed): when no temporary can be made in its
///   folder (a folder we may not write, a name too long), when its folder
///   refuses the rename (a sticky folder such as /tmp, the file another
///   user's), or when its owner and group cannot be given to a new file
///   (replacing it would hand it to another group). In place is not whole
///   or nothing: a failure half-way leaves the file cut short.
/// - A FIFO, a character or a block device (/dev/null, /dev/stdout, a named
///   pipe a plotter's program reads) is written as a stream in place: no
///   temporary, no truncation. Opening a FIFO waits for its reader, as a
///   shell's > does; a reader that goes away is an error ("Broken pipe"),
///   never a SIGPIPE that would end the program.
/// - A folder is refused ("Is a directory"); so is anything that cannot be
///   opened for writing (a socket).
#pragma once

#include <string>
#include <string_view>

namespace morvel::files {

/// Writes data to the file at path as above. Empty when done; else why
/// not, naming the path and the reason (strerror of errno):
/// "/home/nav/route.gpx: Permission denied", and for a link
/// "route.gpx (a link to /media/card/route.gpx): No space left on device".
std::string writeFile(const std::string& path, std::string_view data);

}  // namespace morvel::files
