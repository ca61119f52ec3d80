// Workbooks are untrusted input, and libfreexl does not survive every broken file: a crafted
// workbook can make it read out of bounds. So it reads in a child process that hands the cells
// back through a pipe; a crash, a hang or an oversized answer there is a failed load here.
#pragma once

#include <chrono>
#include <string>

#include "content/XlsBook.h"

namespace lumicord {

// Loads `path` into `book` (which must be empty) in a child process, waiting at most `limit`.
bool ReadWorkbookIsolated(const std::string& path, XlsBook& book,
                          std::chrono::milliseconds limit = std::chrono::seconds(60));

// The reading itself, in the calling process: libgsf for the container, libfreexl for the
// records. Only the child of ReadWorkbookIsolated calls it.
bool ReadWorkbookInProcess(const std::string& path, XlsBook& book);

// The child's answer: every sheet's name and cells, and back.
std::string SerializeBook(const XlsBook& book);
bool DeserializeBook(std::string_view bytes, XlsBook& book);

} // namespace lumicord
