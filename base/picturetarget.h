#pragma once

// Where a picture may be written: a path with nothing there yet, or a PNG picture (which an
// earlier picture may well be). Never the open document, by its name, another name or a link,
// and never any other file: a mistyped output path must not cost a map.
enum class PictureTarget {
    Free,
    IsTheDocument, // path names the document's file
    NotAPicture,   // something is there that is not a PNG picture (a folder or FIFO too)
};

// documentPath may be null when no document is open.
PictureTarget CheckPictureTarget(const char* path, const char* documentPath);
