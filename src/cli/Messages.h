#pragma once

#include <QString>

// The command line speaks the language of the reader's locale for messages
// (LC_ALL, then LC_MESSAGES, then LANG): Arabic for an Arabic locale, English otherwise.
class Messages
{
public:
    Messages();
    bool arabic() const { return m_arabic; }
    QString operator()(const QString &arabic, const QString &english) const
    {
        return m_arabic ? arabic : english;
    }

private:
    bool m_arabic = false;
};
