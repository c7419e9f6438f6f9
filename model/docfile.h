#pragma once

#include <cstddef>
#include <functional>

class owstream;
class VexlorDoc;
struct KeptBytes;

// The document file: 17 signature bytes ("Atlantis Vexlor", 0x1A, 0x00), the format version
// (uint32, 1), then the document record, then the extension area when the document holds
// anything beyond the version-1 records (model/extarea.h). One reader and one writer for the
// program, the command-line companion and the tests.
constexpr size_t kDocSignatureSize = 17;

enum DocReadResult {
    DocRead = 0,         // read completely
    DocReadFailed = 1,   // truncated or unreadable: what was read completely stays
    DocNotADocument = 2, // wrong signature: nothing read
    DocWrongVersion = 3, // version other than 1: nothing read
    DocCannotOpen = -1,  // the file could not be opened
    DocNotAFile = -2,    // a folder, a FIFO or a device: not read, so nothing can block
    // Another program wrote, cut or replaced the file while it was read: nothing read, for the
    // bytes may belong to neither version.
    DocChangedWhileRead = -3,
};

enum DocSaveResult {
    DocSaved = 0,
    // The target is no regular file, or no temporary file could be made beside it.
    DocSaveCannotOpen = -1,
    DocSaveWriteFailed = -2, // writing failed; the old file is untouched
    DocSaveReadOnly = -3,    // the file may not be written; it is untouched
    // The file is no longer the one the document was read from or saved to: another program
    // wrote it meanwhile. It is untouched.
    DocSaveChanged = -4,
    // A list holds more entries than its count in the file can say; nothing was written.
    DocSaveBeyondLimits = -5,
};

// Told while a document is read, so that a window can show how far it is and keep repainting:
// steps done of total: one after each turn, one when the turns are indexed, then one as the
// extension area's part of each turn is walked, and the last when everything is read.
using DocReadProgress = std::function<void(int done, int total)>;

// Writes the framing and the document and flushes; 0 when the stream is good afterwards,
// else 1. Clears the modified flag only on success.
int WriteDocFile(owstream& os, VexlorDoc& doc);
// The whole file's bytes for doc (the framing, the document, its extension area) without
// touching the modified flag; false when os is not good afterwards. An ally's map is kept as
// such an image inside its owner's file (model/allychunk.h).
bool WriteDocImage(owstream& os, const VexlorDoc& doc);
// Reads the framing and the document from the file's bytes into doc (which the caller has
// cleared); the turns keep views of the bytes, which keep their owner alive. Bytes that end
// inside the signature or the version (an empty file too) give DocNotADocument. A damaged
// extension area still gives DocRead, with doc.Extras().damaged set.
DocReadResult ReadDocFile(const KeptBytes& file, VexlorDoc& doc,
                          const DocReadProgress& progress = {});

// Whether the file at path, a regular file only, begins as a document file does (its signature):
// a map where a report may stand as well.
bool StartsAsDocFile(const char* path);
// Saves to path without ever destroying what was there (base/replacefile.h): writes a
// temporary file beside it, syncs it, and only then renames it over the old one (a link is
// followed, also to a file not yet made, and owner and permissions are kept). A read-only file
// is refused, and so is, when path is the file the document was read from or last saved to,
// a file that changed since. On success records the file name and what was written and clears
// the modified flag; on failure leaves the old file as it was, removes the temporary and keeps
// the flag; error, when given, gets the system's error number (0 when there is none).
DocSaveResult SaveDocFile(VexlorDoc& doc, const char* path, int* error = nullptr);
// Clears doc, then reads the file, a regular file only, from its image (base/fileimage.h), which
// the document holds from then on, whatever becomes of the file. Records
// the file name for DocRead and DocReadFailed only, so that saving cannot overwrite a file that is
// not a document of this version, and the file as it was read for the check at the next save.
DocReadResult OpenDocFile(VexlorDoc& doc, const char* path, const DocReadProgress& progress = {});
