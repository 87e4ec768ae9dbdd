#pragma once

// The pages of the service's site that the window links to, in one place, and the one way they are
// opened: in the user's default browser.

#include <QUrl>

class Links
{
public:
    static QUrl home();
    static QUrl signUp();
    static QUrl contact();
    // Knowledge-base articles behind the help buttons.
    static QUrl compressionLevels();
    static QUrl automaticResize();
    static QUrl cmykToRgb();
    static QUrl removeBackground();
    static QUrl removeExif();
    static QUrl upscale();

    static void open(const QUrl& url);
};
