#pragma once

#include <thread>

// Fills Qt's font database (every installed font, through fontconfig) on a thread of its own. The
// first text a window measures would otherwise wait for that on the GUI thread; started before
// the connection opens, the fill runs while the program connects and reads, and a widget that
// needs a font before it is done waits for it under the database's own lock. Qt supports fonts
// outside the GUI thread. The same thread loads the image-format plugins, which the first paint
// would otherwise load. Made after the application object and gone before it: the object
// waits for the thread when it goes.
class FontDatabaseFill {
public:
    FontDatabaseFill();
    ~FontDatabaseFill();
    FontDatabaseFill(const FontDatabaseFill&) = delete;
    FontDatabaseFill& operator=(const FontDatabaseFill&) = delete;

private:
    std::thread m_thread;
};
