#pragma once

#include "model/BackgroundSteps.h"
#include "model/FormState.h"
#include "model/TitleReader.h"

namespace tavrosk {

// As AppendSelectedNames, but each selected file gives the title of its
// tag; a file with no title gives its name. The tags are read in steps off
// the window's thread; when the user cancels, nothing is appended.
void AppendTitlesFromTags(FormState& state, const TitleReader& titles, BackgroundSteps& steps);

} // namespace tavrosk
