// One QApplication for a whole test program (offscreen under ctest).
#pragma once

namespace testsupport {

// Creates the application on first use; pictures, fonts and widgets need it.
void ensureQtApplication();

}  // namespace testsupport
