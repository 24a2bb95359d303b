// Program start: every piece of static state at the value a fresh process
// gives it, before any window is created. Tests and the bench use it to start
// over within one process.
#pragma once

void startUp();
