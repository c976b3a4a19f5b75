// How many GDI objects and windows the test process holds, for checks that
// a piece of work gives back everything it made. Wine answers 0 to
// GetGuiResources, so where it does the GDI count comes from the process's
// GDI handle table (the same table Windows keeps in the process
// environment block) and the window count from enumerating the process's
// windows and their descendants.
#pragma once

// Live GDI objects of the process that a program can own (stock objects
// included; under Wine without the window manager's own regions and cached
// window device contexts). A count that cannot be read fails the test.
[[nodiscard]] int liveGdiObjects();
// Windows of the calling thread: top-level ones and every descendant.
[[nodiscard]] int liveWindows();

#include <string>
#include <vector>

// The live GDI objects at one moment, to name the ones made after it when a
// count does not come back (type, and size, colour or face where it helps).
class GdiObjectSnapshot {
  public:
    GdiObjectSnapshot();
    [[nodiscard]] std::string objectsMadeSince() const;

  private:
    std::vector<unsigned> slots_;  // per handle slot: 0 free, else unique + 1
};
