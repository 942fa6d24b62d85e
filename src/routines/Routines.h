#pragma once

// The shared routines: date-time values, numbers as text, words, window placement, the debug log
// and the version texts.

#include "routines/DateTime.h"
#include "routines/DebugLog.h"
#include "routines/NumberText.h"
#include "routines/TextBasics.h"
#include "routines/VersionText.h"
#include "routines/WindowPosition.h"
#include "routines/Words.h"
