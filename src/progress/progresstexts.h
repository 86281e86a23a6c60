#pragma once

#include "languagekeys.h"

// The texts of the progress map, the weak-facts sheet and the history messages: section
// [Progress] of each language file. A file without it shows the English fallbacks.
namespace ProgressTexts {
extern const CaptionSection section;
}
