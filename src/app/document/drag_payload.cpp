#include "document/drag_payload.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QIODevice>
#include <QMimeData>

namespace tolvane {

const char* const kItemMimeType = "application/x-tolvane-item";

namespace {

QString MimeType() { return QString::fromLatin1(kItemMimeType); }

}  // namespace

long long ThisProcess() { return QCoreApplication::applicationPid(); }

QMimeData* MakeDragMime(int document, int kind, int item, long long process) {
  QByteArray data;
  QDataStream out(&data, QIODevice::WriteOnly);
  out << static_cast<qint64>(process) << qint32(document) << qint32(kind) << qint32(item);
  auto* mime = new QMimeData;
  mime->setData(MimeType(), data);
  return mime;
}

QMimeData* MakeLibraryDragMime(const std::string& setPath, int kind, int item, std::uint64_t contentA,
                               std::uint64_t contentB, long long process) {
  QByteArray data;
  QDataStream out(&data, QIODevice::WriteOnly);
  out << static_cast<qint64>(process) << qint32(0) << qint32(kind) << qint32(item) << QString::fromStdString(setPath)
      << quint64(contentA) << quint64(contentB);
  auto* mime = new QMimeData;
  mime->setData(MimeType(), data);
  return mime;
}

std::optional<DragPayload> PayloadOfKind(const QMimeData* mime, int kind) {
  if (kind < 0 || mime == nullptr || !mime->hasFormat(MimeType())) return std::nullopt;
  QDataStream in(mime->data(MimeType()));
  qint64 process = 0;
  qint32 document = 0, itemKind = -1, item = -1;
  in >> process >> document >> itemKind >> item;
  if (in.status() != QDataStream::Ok || itemKind != kind) return std::nullopt;
  DragPayload payload;
  payload.process = process;
  payload.document = document;
  payload.kind = itemKind;
  payload.item = item;
  if (document == 0) {
    QString path;
    quint64 a = 0, b = 0;
    in >> path >> a >> b;
    if (in.status() != QDataStream::Ok || path.isEmpty()) return std::nullopt;
    payload.setPath = path.toStdString();
    payload.contentA = a;
    payload.contentB = b;
  }
  return payload;
}

std::optional<DragPayload> OwnPayloadOfKind(const QMimeData* mime, int kind) {
  auto payload = PayloadOfKind(mime, kind);
  if (payload && payload->process != ThisProcess()) return std::nullopt;
  return payload;
}

}  // namespace tolvane
