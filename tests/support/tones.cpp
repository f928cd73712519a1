#include "tests/support/tones.h"

#include <QList>

#include <cmath>
#include <limits>

namespace tones {
namespace {

constexpr int kRate = 8000;

QList<qint16> samples(int ms)
{
    QList<qint16> out(qsizetype(kRate) * ms / 1000);
    for (qsizetype i = 0; i < out.size(); ++i)
        out[i] = qint16(8000 * std::sin(2 * M_PI * 440 * double(i) / kRate));
    return out;
}

// Writes bits most significant first, as FLAC reads them.
class BitWriter {
public:
    void put(quint64 value, int bits)
    {
        for (int bit = bits - 1; bit >= 0; --bit) {
            m_byte = quint8((m_byte << 1) | ((value >> bit) & 1));
            if (++m_filled == 8)
                flushByte();
        }
    }
    void align()
    {
        while (m_filled != 0)
            put(0, 1);
    }
    QByteArray& bytes() { return m_bytes; }

private:
    void flushByte()
    {
        m_bytes.append(char(m_byte));
        m_byte = 0;
        m_filled = 0;
    }
    QByteArray m_bytes;
    quint8 m_byte = 0;
    int m_filled = 0;
};

quint8 crc8(const QByteArray& bytes)
{
    quint8 crc = 0;
    for (const char c : bytes) {
        crc ^= quint8(c);
        for (int i = 0; i < 8; ++i)
            crc = quint8((crc & 0x80) ? (crc << 1) ^ 0x07 : crc << 1);
    }
    return crc;
}

quint16 crc16(const QByteArray& bytes)
{
    quint16 crc = 0;
    for (const char c : bytes) {
        crc ^= quint16(quint8(c) << 8);
        for (int i = 0; i < 8; ++i)
            crc = quint16((crc & 0x8000) ? (crc << 1) ^ 0x8005 : crc << 1);
    }
    return crc;
}

// One frame of up to 4,096 samples: a fixed second-order predictor and one Rice parameter.
QByteArray frame(const qint16* block, int count, int number)
{
    BitWriter w;
    w.put(0x3FFE, 14); // sync
    w.put(0, 2);       // reserved, fixed block size
    w.put(0b0111, 4);  // block size at the header's end
    w.put(0b0100, 4);  // 8 kHz
    w.put(0, 4);       // mono
    w.put(0b100, 3);   // 16 bits a sample
    w.put(0, 1);
    w.put(quint64(number), 8); // frame number, below 128
    w.put(quint64(count - 1), 16);
    w.put(crc8(w.bytes()), 8);

    const int order = std::min(2, count);
    QList<quint32> folded;
    for (int i = order; i < count; ++i) {
        const qint32 residual = block[i] - 2 * block[i - 1] + block[i - 2];
        folded.append(quint32(residual < 0 ? -2 * residual - 1 : 2 * residual));
    }
    int parameter = 0;
    quint64 leastBits = std::numeric_limits<quint64>::max();
    for (int k = 0; k < 15; ++k) {
        quint64 bits = 0;
        for (const quint32 u : folded)
            bits += (u >> k) + 1 + quint64(k);
        if (bits < leastBits) {
            leastBits = bits;
            parameter = k;
        }
    }
    w.put(0, 1);
    w.put(0b001000 | quint64(order), 6); // fixed predictor
    w.put(0, 1);
    for (int i = 0; i < order; ++i)
        w.put(quint16(block[i]), 16);
    w.put(0, 2); // Rice, 4-bit parameter
    w.put(0, 4); // one partition
    w.put(quint64(parameter), 4);
    for (const quint32 u : folded) {
        w.put(0, int(u >> parameter));
        w.put(1, 1);
        w.put(u, parameter);
    }
    w.align();
    w.put(crc16(w.bytes()), 16);
    return w.bytes();
}

} // namespace

QByteArray wav(int ms)
{
    const QList<qint16> pcm = samples(ms);
    const auto dataBytes = quint32(pcm.size() * 2);
    QByteArray out("RIFF");
    auto put32 = [&](quint32 v) { out.append(reinterpret_cast<const char*>(&v), 4); };
    auto put16 = [&](quint16 v) { out.append(reinterpret_cast<const char*>(&v), 2); };
    put32(36 + dataBytes);
    out.append("WAVEfmt ");
    put32(16);
    put16(1); // PCM
    put16(1); // mono
    put32(kRate);
    put32(kRate * 2);
    put16(2);
    put16(16);
    out.append("data");
    put32(dataBytes);
    out.append(reinterpret_cast<const char*>(pcm.constData()), dataBytes);
    return out;
}

QByteArray flac(int ms)
{
    constexpr int kBlock = 4096;
    const QList<qint16> pcm = samples(ms);
    BitWriter info;
    info.put(kBlock, 16);
    info.put(kBlock, 16);
    info.put(0, 24); // frame sizes unknown
    info.put(0, 24);
    info.put(kRate, 20);
    info.put(0, 3);  // one channel
    info.put(15, 5); // 16 bits
    info.put(quint64(pcm.size()), 36);
    info.put(0, 64); // no MD5 signature
    info.put(0, 64);
    QByteArray out("fLaC");
    out.append(char(0x80)); // the last metadata block: stream information
    out.append(QByteArray::fromHex("000022"));
    out.append(info.bytes());
    for (qsizetype at = 0, number = 0; at < pcm.size(); at += kBlock, ++number)
        out.append(frame(pcm.constData() + at, int(std::min<qsizetype>(kBlock, pcm.size() - at)),
                         int(number)));
    return out;
}

} // namespace tones
