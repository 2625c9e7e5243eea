#include "wave_info.h"

#include <QFile>
#include <QtEndian>

namespace kes {

namespace {

constexpr int kFormatPcm = 1;
constexpr qint64 kHeaderLimit = 4096;  // where the data chunk must begin

quint32 u32(const QByteArray& b, qsizetype at) { return qFromLittleEndian<quint32>(b.constData() + at); }
quint16 u16(const QByteArray& b, qsizetype at) { return qFromLittleEndian<quint16>(b.constData() + at); }

}  // namespace

std::optional<int> waveLength(const QString& file) {
  QFile f(file);
  if (!f.open(QIODevice::ReadOnly)) return std::nullopt;
  const QByteArray head = f.read(kHeaderLimit);
  if (head.size() < 12 || !head.startsWith("RIFF") || head.mid(8, 4) != "WAVE") return std::nullopt;
  quint32 byteRate = 0;
  int format = 0;
  for (qsizetype at = 12; at + 8 <= head.size();) {
    const QByteArray id = head.mid(at, 4);
    const quint32 size = u32(head, at + 4);
    const qsizetype body = at + 8;
    if (id == "fmt " && body + 16 <= head.size()) {
      format = u16(head, body);
      byteRate = u32(head, body + 8);
    } else if (id == "data") {
      if (format != kFormatPcm || byteRate == 0) return std::nullopt;
      const qint64 available = f.size() - body;
      const qint64 bytes = std::min<qint64>(size, available);
      if (bytes <= 0) return std::nullopt;
      return static_cast<int>(bytes * 1000 / byteRate);
    }
    at = body + static_cast<qsizetype>(size) + (size & 1);
  }
  return std::nullopt;
}

}  // namespace kes
