#pragma once

#include <QByteArray>
#include <QDataStream>
#include <QIODevice>

#include <cmath>

// A mono 16-bit WAV file of a 440 Hz tone lasting `milliseconds`: audio the tests
// and benchmarks make themselves, so the project needs no recordings.
inline QByteArray toneWav(int milliseconds)
{
    constexpr int Rate = 8000;
    const int samples = Rate * milliseconds / 1000;
    QByteArray wav;
    QDataStream out(&wav, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32(36 + samples * 2);
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << quint16(1) << quint16(1) << quint32(Rate) << quint32(Rate * 2) << quint16(2) << quint16(16);
    out.writeRawData("data", 4);
    out << quint32(samples * 2);
    for (int i = 0; i < samples; ++i)
        out << qint16(8000 * std::sin(2 * M_PI * 440 * i / Rate));
    return wav;
}
