#include "shell/keyboard_picture.h"

#include <QLinearGradient>
#include <QPainter>

#include <array>

namespace tolvane {

namespace {

constexpr int kWhiteKeys = 36;  // C to C over five octaves
// Black keys follow the white keys at these places within an octave.
constexpr std::array<bool, 7> kBlackAfter{true, true, false, true, true, true, false};

void DrawKeys(QPainter& p, const QRectF& area) {
  const double keyWidth = area.width() / kWhiteKeys;
  p.setPen(QPen(QColor(60, 60, 60), 1));
  for (int k = 0; k < kWhiteKeys; ++k) {
    QRectF key(area.left() + k * keyWidth, area.top(), keyWidth, area.height());
    QLinearGradient shade(key.topLeft(), key.bottomLeft());
    shade.setColorAt(0, QColor(235, 235, 230));
    shade.setColorAt(1, Qt::white);
    p.setBrush(shade);
    p.drawRect(key);
  }
  p.setBrush(QColor(20, 20, 20));
  for (int k = 0; k < kWhiteKeys - 1; ++k) {
    if (!kBlackAfter[static_cast<std::size_t>(k % 7)]) continue;
    const double x = area.left() + (k + 1) * keyWidth - keyWidth * 0.3;
    p.drawRect(QRectF(x, area.top(), keyWidth * 0.6, area.height() * 0.62));
  }
}

}  // namespace

QPixmap KeyboardPicture(int width, int height) {
  QPixmap picture(width, height);
  picture.fill(Qt::transparent);
  QPainter p(&picture);
  p.setRenderHint(QPainter::Antialiasing);
  // The instrument's body: a dark panel with the keys set into its front.
  const QRectF body(0.5, 0.5, width - 1.0, height - 1.0);
  QLinearGradient panel(body.topLeft(), body.bottomLeft());
  panel.setColorAt(0, QColor(70, 72, 78));
  panel.setColorAt(1, QColor(30, 31, 35));
  p.setBrush(panel);
  p.setPen(QPen(QColor(15, 15, 15), 1));
  p.drawRoundedRect(body, 6, 6);

  const double margin = width * 0.03;
  const QRectF controls(margin, height * 0.08, width - 2 * margin, height * 0.26);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(110, 180, 120));  // the display
  p.drawRect(QRectF(controls.left() + controls.width() * 0.38, controls.top(), controls.width() * 0.24,
                    controls.height()));
  p.setBrush(QColor(200, 200, 205));
  for (int b = 0; b < 10; ++b) {
    const double x = controls.left() + b * controls.width() * 0.035;
    p.drawRect(QRectF(x, controls.top() + controls.height() * 0.35, controls.width() * 0.022, controls.height() * 0.3));
    const double y = controls.right() - (b + 1) * controls.width() * 0.035;
    p.drawRect(QRectF(y, controls.top() + controls.height() * 0.35, controls.width() * 0.022, controls.height() * 0.3));
  }
  p.setPen(QColor(230, 230, 230));
  QFont font = p.font();
  font.setPixelSize(qMax(8, static_cast<int>(height * 0.09)));
  font.setBold(true);
  p.setFont(font);
  p.drawText(QRectF(margin, height * 0.34, width * 0.3, height * 0.12), Qt::AlignLeft | Qt::AlignVCenter,
             QStringLiteral("KORG i3"));

  DrawKeys(p, QRectF(margin, height * 0.48, width - 2 * margin, height * 0.47));
  return picture;
}

QIcon ProgramIcon() {
  QPixmap icon(32, 32);
  icon.fill(Qt::transparent);
  QPainter p(&icon);
  p.setPen(QPen(QColor(40, 40, 40), 1));
  p.setBrush(Qt::white);
  for (int k = 0; k < 5; ++k) p.drawRect(QRectF(1.5 + k * 5.8, 8.5, 5.8, 20));
  p.setBrush(QColor(20, 20, 20));
  for (int k : {0, 1, 3}) p.drawRect(QRectF(1.5 + (k + 1) * 5.8 - 1.8, 8.5, 3.6, 12));
  return QIcon(icon);
}

}  // namespace tolvane
