#pragma once

#include "main_window/LineSink.h"
#include "main_window/SaveTextSource.h"

// Writes the results list and the notes as a text file: a heading naming the
// seven columns, one tab-separated line per row, a line of dashes, then a line
// ending and the notes as they are.
class SaveTextWriter {
public:
    static void WriteResults(const SaveTextSource& results, LineSink& sink);
};
