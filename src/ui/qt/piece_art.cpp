// Piece pictures drawn from outlines on a 100 × 100 design grid, scaled to the
// requested size. Each piece is a silhouette (filled and outlined) plus detail
// strokes and dots drawn over it in a colour that contrasts with the fill.
#include "ui/qt/piece_art.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>

#include <array>

#include "controls/controls.h"
#include "game/pictures.h"
#include "game/types.h"
#include "ui/qt/widget_style.h"

namespace {

constexpr qreal kGrid = 100.0;      // design units across the picture
constexpr qreal kOutline = 3.4;     // silhouette outline width in design units
constexpr qreal kDetailLine = 2.6;  // width of the inner detail strokes

const QColor kLightSquare(255, 255, 255);
const QColor kDarkSquare = kSilver;

struct PieceShape {
  QPainterPath silhouette;
  QPainterPath details;  // stroked
  QPainterPath dots;     // filled
  // The two strokes as filled outlines, made once so that drawing a piece
  // only fills paths.
  QPainterPath outlineStroke;
  QPainterPath detailStroke;
};

// The stepped foot that every piece but the knight stands on.
QPainterPath foot() {
  QPainterPath p;
  p.addRoundedRect(QRectF(21, 80, 58, 11), 3, 3);
  p.addRoundedRect(QRectF(27, 72, 46, 10), 2, 2);
  return p;
}

// Horizontal detail line across the piece at height y.
void addLine(QPainterPath& details, qreal x1, qreal x2, qreal y) {
  details.moveTo(x1, y);
  details.lineTo(x2, y);
}

void addFootDetails(QPainterPath& details) { addLine(details, 29, 71, 80.5); }

PieceShape pawnShape() {
  PieceShape s;
  QPainterPath body;
  body.moveTo(41, 45);
  body.cubicTo(41, 58, 33, 64, 30, 74);
  body.lineTo(70, 74);
  body.cubicTo(67, 64, 59, 58, 59, 45);
  body.closeSubpath();
  QPainterPath collar;
  collar.addRoundedRect(QRectF(34, 39, 32, 8), 4, 4);
  QPainterPath head;
  head.addEllipse(QPointF(50, 27), 12.5, 12.5);
  s.silhouette = foot().united(body).united(collar).united(head);
  addFootDetails(s.details);
  addLine(s.details, 37, 63, 47);
  return s;
}

PieceShape rookShape() {
  PieceShape s;
  QPainterPath body;
  body.moveTo(33, 36);
  body.lineTo(67, 36);
  body.lineTo(70, 74);
  body.lineTo(30, 74);
  body.closeSubpath();
  // Top with three merlons between two crenels.
  QPainterPath top;
  top.moveTo(23, 14);
  top.lineTo(35, 14);
  top.lineTo(35, 22);
  top.lineTo(44, 22);
  top.lineTo(44, 14);
  top.lineTo(56, 14);
  top.lineTo(56, 22);
  top.lineTo(65, 22);
  top.lineTo(65, 14);
  top.lineTo(77, 14);
  top.lineTo(77, 32);
  top.lineTo(70, 38);
  top.lineTo(30, 38);
  top.lineTo(23, 32);
  top.closeSubpath();
  s.silhouette = foot().united(body).united(top);
  addFootDetails(s.details);
  addLine(s.details, 26, 74, 31);
  addLine(s.details, 32, 68, 40);
  addLine(s.details, 31, 69, 70);
  return s;
}

// A horse's head and neck facing left.
PieceShape knightShape() {
  PieceShape s;
  QPainterPath head;
  head.moveTo(75, 74);
  head.cubicTo(80, 56, 79, 34, 64, 21);  // back of the neck
  head.lineTo(61, 8);                    // ear
  head.lineTo(53, 17);
  head.cubicTo(42, 18, 33, 26, 27, 38);  // forehead
  head.cubicTo(22, 46, 16, 53, 17, 59);  // face down to the nose
  head.cubicTo(18, 65, 24, 68, 30, 66);  // muzzle
  head.cubicTo(35, 64, 38, 60, 45, 57);  // lower jaw
  head.cubicTo(46, 63, 34, 68, 30, 74);  // throat to the chest
  head.closeSubpath();
  s.silhouette = foot().united(head);
  addFootDetails(s.details);
  // Mane along the back of the neck.
  s.details.moveTo(63, 27);
  s.details.cubicTo(72, 38, 73, 55, 69, 70);
  s.dots.addEllipse(QPointF(44, 32), 3.6, 3.0);  // eye
  s.dots.addEllipse(QPointF(22, 59), 2.2, 2.2);  // nostril
  return s;
}

PieceShape bishopShape() {
  PieceShape s;
  QPainterPath mitre;
  mitre.moveTo(50, 16);
  mitre.cubicTo(63, 25, 70, 38, 67, 51);
  mitre.cubicTo(65, 59, 58, 62, 50, 62);
  mitre.cubicTo(42, 62, 35, 59, 33, 51);
  mitre.cubicTo(30, 38, 37, 25, 50, 16);
  mitre.closeSubpath();
  QPainterPath ball;
  ball.addEllipse(QPointF(50, 11), 5.5, 5.5);
  QPainterPath collar;
  collar.addRoundedRect(QRectF(35, 60, 30, 8), 4, 4);
  QPainterPath stem;
  stem.moveTo(42, 66);
  stem.lineTo(58, 66);
  stem.lineTo(64, 74);
  stem.lineTo(36, 74);
  stem.closeSubpath();
  s.silhouette = foot().united(stem).united(collar).united(mitre).united(ball);
  addFootDetails(s.details);
  addLine(s.details, 38, 62, 68);
  // The mitre's slit.
  s.details.moveTo(59, 30);
  s.details.lineTo(47, 45);
  return s;
}

// Crown points of the queen, left to right, and the valleys between them.
constexpr std::array<QPointF, 5> kQueenTips{{{19, 25}, {33, 19}, {50, 15}, {67, 19}, {81, 25}}};
constexpr std::array<QPointF, 4> kQueenValleys{{{32, 47}, {42, 43}, {58, 43}, {68, 47}}};

PieceShape queenShape() {
  PieceShape s;
  QPainterPath crown;
  crown.moveTo(31, 68);
  crown.lineTo(kQueenTips[0]);
  for (size_t i = 0; i < kQueenValleys.size(); ++i) {
    crown.lineTo(kQueenValleys[i]);
    crown.lineTo(kQueenTips[i + 1]);
  }
  crown.lineTo(69, 68);
  crown.closeSubpath();
  QPainterPath band;
  band.addRoundedRect(QRectF(29, 63, 42, 11), 3, 3);
  s.silhouette = foot().united(crown).united(band);
  for (const QPointF& tip : kQueenTips) {
    QPainterPath ball;
    ball.addEllipse(tip, 4.8, 4.8);
    s.silhouette = s.silhouette.united(ball);
  }
  addFootDetails(s.details);
  addLine(s.details, 32, 68, 64);
  return s;
}

PieceShape kingShape() {
  PieceShape s;
  // Two rounded lobes meeting under the cross.
  QPainterPath body;
  body.moveTo(31, 69);
  body.cubicTo(14, 57, 16, 33, 35, 33);
  body.cubicTo(43, 33, 48, 39, 50, 45);
  body.cubicTo(52, 39, 57, 33, 65, 33);
  body.cubicTo(84, 33, 86, 57, 69, 69);
  body.closeSubpath();
  QPainterPath bud;
  bud.addEllipse(QPointF(50, 35), 7, 9);
  QPainterPath cross;
  cross.addRect(QRectF(46.5, 5, 7, 24));
  cross.addRect(QRectF(40, 10, 20, 6.5));
  cross.setFillRule(Qt::WindingFill);
  QPainterPath band;
  band.addRoundedRect(QRectF(29, 63, 42, 11), 3, 3);
  s.silhouette = foot().united(body).united(band).united(bud).united(cross.simplified());
  addFootDetails(s.details);
  addLine(s.details, 32, 68, 64);
  s.details.moveTo(50, 46);
  s.details.lineTo(50, 63);
  return s;
}

PieceShape outlinedShape(int kind) {
  switch (kind) {
    case kPawn: return pawnShape();
    case kRook: return rookShape();
    case kKnight: return knightShape();
    case kBishop: return bishopShape();
    case kQueen: return queenShape();
    case kKing: return kingShape();
    default: return {};
  }
}

QPainterPath strokeOf(const QPainterPath& path, qreal width) {
  QPainterPathStroker stroker;
  stroker.setWidth(width);
  stroker.setCapStyle(Qt::RoundCap);
  stroker.setJoinStyle(Qt::RoundJoin);
  return stroker.createStroke(path);
}

PieceShape buildShape(int kind) {
  PieceShape s = outlinedShape(kind);
  s.outlineStroke = strokeOf(s.silhouette, kOutline);
  s.detailStroke = strokeOf(s.details, kDetailLine);
  return s;
}

// The outlines are built once per kind: joining paths is the costly part of
// drawing a piece.
const PieceShape& shapeOf(int kind) {
  static const PieceShape none;
  static const PieceShape shapes[6] = {buildShape(kPawn),   buildShape(kRook),  buildShape(kKnight),
                                       buildShape(kBishop), buildShape(kQueen), buildShape(kKing)};
  switch (kind) {
    case kPawn: return shapes[0];
    case kRook: return shapes[1];
    case kKnight: return shapes[2];
    case kBishop: return shapes[3];
    case kQueen: return shapes[4];
    case kKing: return shapes[5];
    default: return none;
  }
}

// Draws the piece into the design grid of `painter`.
void drawPiece(QPainter& painter, int kind, int side) {
  const PieceShape& shape = shapeOf(kind);
  if (shape.silhouette.isEmpty() || (side != kWhite && side != kBlack)) return;
  const bool white = side == kWhite;

  // A soft light from the upper left gives the flat shapes some body.
  QLinearGradient fill(QPointF(25, 10), QPointF(75, 90));
  fill.setColorAt(0, white ? QColor(255, 255, 255) : QColor(88, 88, 92));
  fill.setColorAt(1, white ? QColor(226, 222, 208) : QColor(22, 22, 24));
  const QColor outline = white ? QColor(24, 24, 24) : QColor(0, 0, 0);
  const QColor detail = white ? QColor(40, 40, 40) : QColor(228, 228, 228);

  painter.fillPath(shape.silhouette, fill);
  painter.fillPath(shape.outlineStroke, outline);
  painter.fillPath(shape.detailStroke, detail);
  painter.fillPath(shape.dots, detail);
}

// The icon's own drawing at one pixel size: a white knight on a corner of
// board, framed in maroon.
QPixmap iconPixmap(int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(size / kGrid, size / kGrid);

  const QRectF tile(2, 2, 96, 96);
  QPainterPath frame;
  frame.addRoundedRect(tile, 12, 12);
  painter.setClipPath(frame);
  painter.fillRect(tile, kFormColour);
  painter.fillRect(QRectF(2, 2, 48, 48), QColor(150, 160, 110));
  painter.fillRect(QRectF(50, 50, 48, 48), QColor(150, 160, 110));
  painter.setClipping(false);

  painter.save();
  painter.translate(8, 6);
  painter.scale(0.86, 0.86);
  drawPiece(painter, kKnight, kWhite);
  painter.restore();

  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(kMaroon, size <= 24 ? 8 : 5));
  painter.drawPath(frame);
  painter.end();
  return QPixmap::fromImage(image);
}

}  // namespace

QImage pieceImage(int kind, int side, bool darkSquare, int logicalSize, qreal devicePixelRatio) {
  if (logicalSize <= 0 || devicePixelRatio <= 0) return {};
  const int pixels = qRound(logicalSize * devicePixelRatio);
  QImage image(pixels, pixels, QImage::Format_RGB32);
  image.fill(darkSquare ? kDarkSquare : kLightSquare);

  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(pixels / kGrid, pixels / kGrid);
  drawPiece(painter, kind, side);
  painter.end();

  image.setDevicePixelRatio(devicePixelRatio);
  return image;
}

QImage stockBitmap(int stockPicture, int logicalSize, qreal devicePixelRatio) {
  const int slot = stockPicture - kFirstStockPicture;
  if (slot < 0 || slot >= kStockPictureCount) return {};
  const StockPicture& entry = kStockPictures[slot];
  return pieceImage(entry.kind, entry.side, entry.parity == 0, logicalSize, devicePixelRatio);
}

QIcon applicationIcon(int largestSize) {
  QIcon icon;
  for (int size : {16, 24, 32, 48, 64, 128, 256}) {
    if (size <= largestSize) icon.addPixmap(iconPixmap(size));
  }
  return icon;
}
