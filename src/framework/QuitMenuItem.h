#pragma once

#include "framework/MenuItem.h"

// Choosing it ends the application's event loop, unless a handler of the
// program takes the command first.
class QuitMenuItem : public MenuItem {};
