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

std::optional<DragPayload> PayloadOfKind(const QMimeData* mime, int kind) {
  if (kind < 0 || mime == nullptr || !mime->hasFormat(MimeType())) return std::nullopt;
  QDataStream in(mime->data(MimeType()));
  qint64 process = 0;
  qint32 document = 0, itemKind = -1, item = -1;
  in >> process >> document >> itemKind >> item;
  if (in.status() != QDataStream::Ok || itemKind != kind) return std::nullopt;
  return DragPayload{process, document, itemKind, item};
}

std::optional<DragPayload> OwnPayloadOfKind(const QMimeData* mime, int kind) {
  auto payload = PayloadOfKind(mime, kind);
  if (payload && payload->process != ThisProcess()) return std::nullopt;
  return payload;
}

}  // namespace tolvane
