#pragma once

// Standard output and standard error of the command. Everything the command prints goes through here,
// so that the API key is masked wherever it might turn up, even inside a message the service sent.

#include <QByteArray>
#include <QString>

#include <cstdio>

class Console
{
public:
    Console(std::FILE* out = stdout, std::FILE* err = stderr);

    // Text equal to the key is printed masked from now on.
    void setSecret(const QString& secret);

    void out(const QString& text);
    // Text already in UTF-8, such as a long report, which then needs no conversion of its own.
    void outUtf8(QByteArray text);
    void err(const QString& text);

    // `text` (a file name, or a message that may quote one) as it can safely go to a terminal: control
    // characters, which could recolour the screen, retitle the window or break a line, and the bytes of
    // a name that are not UTF-8 are shown as escapes ("\n", "\e", "\xff"), as are the characters that
    // turn the direction of text.
    static QString visible(const QString& text);
    // Columns `text` takes on a terminal: two for a wide character (the ideographs, kana and hangul of
    // East Asian scripts, fullwidth forms, emoji), none for a combining mark, one for any other.
    static int columns(const QString& text);
    // The longest start, and the longest end, of `text` that take at most `columns` columns.
    static QString firstColumns(const QString& text, int columns);
    static QString lastColumns(const QString& text, int columns);

    bool errIsTerminal() const { return m_errIsTerminal; }
    // Columns of the terminal on standard error; 80 when it cannot tell.
    int errColumns() const;

private:
    void write(std::FILE* stream, const QString& text);
    static void write(std::FILE* stream, const QByteArray& bytes);

    std::FILE* m_out;
    std::FILE* m_err;
    bool m_errIsTerminal;
    QString m_secret;
};
