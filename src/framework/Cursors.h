#pragma once

// The stock mouse cursors a window can show.
enum class Cursors { StandardPointer, SplitterNorthSouth };
