#pragma once

#include "model/FormState.h"

namespace tavrosk {

// The chain runs one way only: drive to folder to files.

// Moves the folder list onto the drive just picked. The folder list's own
// change notification then runs OnFolderChange. A drive that cannot be
// opened is reported as the drive's failure, and the drive list shows the
// drive of the folder still open, so that picking the drive again tries
// again.
void OnDriveChange(FormState& state);

// Lists the files of the folder now open in the folder list.
void OnFolderChange(FormState& state);

// The drives may have changed (the drive list opens, a medium comes or
// goes): lists them anew. Where the open folder has gone, its nearest
// ancestor that is still there opens instead (the current folder where none
// is).
void OnDrivesChanged(FormState& state);

} // namespace tavrosk
