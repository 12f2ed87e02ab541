#include "navigation/Navigation.h"

namespace tavrosk {

void OnDriveChange(FormState& state) {
    state.dir1.setPath(state.drive1.drive());
}

void OnFolderChange(FormState& state) {
    state.file1.setPath(state.dir1.path());
}

} // namespace tavrosk
