#pragma once

namespace zelvar {

// Program entry: the application object, the visual theme, the main window and its start-up,
// then the event loop until the process ends.
int uygulamaCalistir(int argc, char** argv);

// The program's look: one style for every window, with the tab painter registered in it.
void temaUygula();

} // namespace zelvar
