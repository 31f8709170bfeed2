#include "runtime/widgets/font_database_fill.h"

#include "runtime/widgets/look.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImageReader>
#include <QStringList>

namespace {

void fill() {
    QFontDatabase::families();
    // Resolving the screens' families once also fills the database's shared list of each
    // family's fallbacks (fontconfig's slowest answer); the fonts themselves are made again by
    // the thread that draws with them.
    QFontMetrics(QGuiApplication::font()).height();
    for (ScreenFont font : {ScreenFont::Arial9, ScreenFont::ArialCE9})
        QFontMetrics(screenFont(font)).height();
    // The style reads some of what it draws from image files, and the first image read loads
    // every image-format plugin to ask which one reads it: loaded here, the plugins are shared,
    // and the window's first paint no longer waits for them.
    QImageReader::supportedImageFormats();
}

} // namespace

FontDatabaseFill::FontDatabaseFill() : m_thread(fill) {}

FontDatabaseFill::~FontDatabaseFill() {
    m_thread.join();
}
