#pragma once

#include "framework/MenuItem.h"

// The root of a menu tree: its children are the menus shown on the bar.
class MenuBar : public MenuItem {};
