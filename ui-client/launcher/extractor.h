#ifndef ORVANTA_LAUNCHER_EXTRACTOR_H
#define ORVANTA_LAUNCHER_EXTRACTOR_H

#include "ustring/ustring.h"

struct archive;

/// Unpacks a package archive (any format and filter libarchive reads) below a
/// target folder, reporting progress per entry through the notification
/// adapter. Every entry lands below the target: absolute paths are re-rooted,
/// entries with ".." are refused, and no entry or hard link may reach outside
/// through a symbolic link. Extraction stops at the first error; entries
/// already written stay for the caller to clean up.
///
/// Each call opens and frees its own libarchive handles. Extract() counts the
/// entries on a thread of its own while it extracts, and writes nothing before
/// the count has seen an entry; progress and label texts are always reported
/// on the calling thread, the steps once the total is known.
class Extractor
{
public:
    void SetTarget(const ustring &t);
    void SetSource(const ustring &s);

    /// Number of entries in the archive, or -1 when it cannot be read.
    int Count();
    /// 0 when every entry was written; -1 on any failure (an empty archive too).
    /// Reports UpdateProgress(total, n) for every entry n written, in order.
    int Extract();
    /// Writes the path of every entry to standard output; 0 or -1.
    int List();

private:
    int copy_data(struct archive *ar, struct archive *aw);

    ustring target;
    ustring source;
};

#endif
