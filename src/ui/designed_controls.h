// The windows' controls as the window definitions hold them, before any
// creation handler runs.
#pragma once

// Puts every control record in its designed state.
void initialiseControls();
