#pragma once

#include <memory>
#include <vector>

#include "framework/FileType.h"

// The program's file types: plain text, offered by the save dialog.
namespace FileTypes1 {

// The text type; nullptr before Initialize has run.
std::shared_ptr<FileType> Text();
// Creates the text type, fills it in and registers it with the framework.
void Initialize();
// Every type of the set (pAllFileTypes).
const std::vector<std::shared_ptr<FileType>>& AllFileTypes();

}  // namespace FileTypes1
