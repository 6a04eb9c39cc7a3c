// Who the program says it is: its name and version, the desktop entry it belongs to and
// the icon every window shows.
#pragma once

namespace ratebook {

void setUpApplication();

} // namespace ratebook
