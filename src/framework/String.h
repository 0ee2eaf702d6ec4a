#pragma once

#include <QString>

// The framework's immutable Unicode text.
using String = QString;
