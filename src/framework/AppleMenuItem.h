#pragma once

#include "framework/MenuItem.h"

// An entry that the platform may move to its application menu (the About
// entry); otherwise an ordinary entry.
class AppleMenuItem : public MenuItem {};
