#pragma once
// The exports' file writer moved to shell/Dateischreiber.h (the one writer of every file);
// this include keeps exports written against the old place building until they include
// the new one.

#include "shell/Dateischreiber.h"
