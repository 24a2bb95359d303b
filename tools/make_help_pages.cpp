// Renders the help window's pages from their text files to JPEG pictures.
//
//   make_help_pages <text dir> <output dir>
//
// reads pageNN.txt (UTF-8) and writes pageNN.jpg for NN = 01..15. A text file
// holds a title line, then blocks separated by blank lines:
//   "# text"     a sub-heading
//   "- text"     a bullet (each such line is one bullet)
//   "== text"    a large centred line
//   "= text"     a centred line
//   "@ emblem"   the game's emblem, centred
//   otherwise    a paragraph; its lines are joined with blanks
// Words between asterisks (*Kaydet*) are set in bold.
// A page whose text does not fit the part of the page that the help window
// shows is an error: nothing is written for it and the tool ends with status 1.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QList>
#include <QPainter>
#include <QPixmap>
#include <QStringList>
#include <QTextLayout>
#include <QTextOption>

#include <cstdio>
#include <memory>
#include <vector>

#include "ui/help_pages.h"
#include "ui/qt/jpeg_image.h"
#include "ui/qt/piece_art.h"

namespace {

constexpr int kPageWidth = kHelpPictureWidth;
constexpr int kJpegQuality = 90;

// Window rows: where the title starts and where the footer of a paged topic's
// pages starts (the same on all of them); and the room kept free above a
// page's cut-off edge.
constexpr int kTitleRow = 12;
constexpr int kFooterRow = 386;
constexpr int kBottomGap = 8;

constexpr qreal kSideMargin = 14;
constexpr qreal kTextWidth = kPageWidth - 2 * kSideMargin;
constexpr qreal kBulletIndent = 12;
constexpr qreal kBlockGap = 5;
constexpr int kEmblemSize = 64;
constexpr qreal kCentredGroupGap = 10;

const QColor kBackground(255, 255, 255);
const QColor kMaroon(128, 0, 0);
const QColor kInk(28, 28, 28);
const QColor kFooterInk(110, 110, 110);

enum class BlockKind { Title, Heading, Paragraph, Bullet, Large, Centred, Emblem };

struct BlockStyle {
  int pixelSize;
  bool bold;
  bool maroon;
  bool centred;
  qreal gapBefore;
  qreal gapAfter;
};

BlockStyle styleOf(BlockKind kind) {
  switch (kind) {
    case BlockKind::Title: return {15, true, true, false, 0, 0};
    case BlockKind::Heading: return {11, true, true, false, 3, 2};
    case BlockKind::Large: return {20, true, true, true, 0, 2};
    case BlockKind::Centred: return {12, true, true, true, 0, 2};
    case BlockKind::Emblem: return {11, false, false, true, 4, 10};
    case BlockKind::Paragraph:
    case BlockKind::Bullet: break;
  }
  return {11, false, false, false, 0, kBlockGap};
}

struct Block {
  BlockKind kind;
  QString text;
};

// Splits a page's text into its title and blocks.
std::vector<Block> parsePage(const QString& source) {
  struct Marker {
    const char* prefix;
    BlockKind kind;
  };
  static const Marker markers[] = {{"# ", BlockKind::Heading},
                                   {"- ", BlockKind::Bullet},
                                   {"== ", BlockKind::Large},
                                   {"= ", BlockKind::Centred},
                                   {"@ ", BlockKind::Emblem}};
  std::vector<Block> blocks;
  QStringList lines = source.split(QLatin1Char('\n'));
  for (QString& line : lines) line = line.trimmed();
  while (!lines.isEmpty() && lines.first().isEmpty()) lines.removeFirst();
  if (lines.isEmpty()) return blocks;
  blocks.push_back({BlockKind::Title, lines.takeFirst()});

  QString paragraph;
  auto flush = [&] {
    if (!paragraph.isEmpty()) blocks.push_back({BlockKind::Paragraph, paragraph});
    paragraph.clear();
  };
  for (const QString& line : lines) {
    if (line.isEmpty()) {
      flush();
      continue;
    }
    const Marker* marker = nullptr;
    for (const Marker& m : markers) {
      if (line.startsWith(QLatin1String(m.prefix))) {
        marker = &m;
        break;
      }
    }
    if (marker) {
      flush();
      blocks.push_back({marker->kind, line.mid(static_cast<qsizetype>(qstrlen(marker->prefix)))});
    } else {
      paragraph += paragraph.isEmpty() ? line : QLatin1Char(' ') + line;
    }
  }
  flush();
  return blocks;
}

QFont dejaVu(int pixelSize, bool bold) {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  font.setHintingPreference(QFont::PreferFullHinting);
  return font;
}

// Takes the *bold* markers out of `text` and returns the bold ranges.
QList<QTextLayout::FormatRange> boldRanges(QString& text, const QFont& bold) {
  QList<QTextLayout::FormatRange> ranges;
  QString plain;
  int start = -1;
  for (QChar c : text) {
    if (c != QLatin1Char('*')) {
      plain += c;
    } else if (start < 0) {
      start = static_cast<int>(plain.size());
    } else {
      QTextLayout::FormatRange range;
      range.start = start;
      range.length = static_cast<int>(plain.size()) - start;
      range.format.setFont(bold);
      ranges.append(range);
      start = -1;
    }
  }
  text = plain;
  return ranges;
}

// Breaks the layout's text into lines of `width`; returns the height used.
qreal breakLines(QTextLayout& layout, qreal width, Qt::Alignment alignment) {
  QTextOption option(alignment);
  option.setWrapMode(QTextOption::WordWrap);
  layout.setTextOption(option);
  const qreal leading = QFontMetricsF(layout.font()).leading() + 1;
  qreal y = 0;
  layout.beginLayout();
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(width);
    line.setPosition(QPointF(0, y));
    y += line.height() + leading;
  }
  layout.endLayout();
  return y - leading;
}

// One block placed on the page.
struct PlacedBlock {
  BlockKind kind;
  std::unique_ptr<QTextLayout> layout;  // none for the emblem
  QPointF origin;
  QColor colour;
};

// The paged topic that page `number` belongs to, if any.
const HelpPagedTopic* pagedTopicOf(int number) {
  for (const HelpPagedTopic& topic : kHelpPagedTopics) {
    if (number >= topic.firstPage && number <= helpTopicLastPage(topic)) return &topic;
  }
  return nullptr;
}

class PageRenderer {
 public:
  PageRenderer(int pageNumber, const HelpPagePlace& geometry)
      : number_(pageNumber), geometry_(geometry), topic_(pagedTopicOf(pageNumber)) {}

  // Lays out and draws the page; false if the text does not fit.
  bool render(const std::vector<Block>& blocks, QImage& image) {
    if (!place(blocks)) return false;
    image = QImage(kPageWidth * kHelpPictureScale, geometry_.pictureHeight * kHelpPictureScale, QImage::Format_RGB32);
    image.setDevicePixelRatio(kHelpPictureScale);  // drawn in page units
    image.fill(kBackground);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    for (const PlacedBlock& block : placed_) draw(painter, block);
    if (topic_) drawFooter(painter);
    painter.end();
    return true;
  }

 private:
  // Image row of a window row.
  qreal rowOf(int windowRow) const { return windowRow - geometry_.top; }

  bool place(const std::vector<Block>& blocks) {
    const qreal limit = topic_ ? rowOf(kFooterRow) - 4 : rowOf(helpPageBottom(geometry_) - kBottomGap);
    qreal y = rowOf(kTitleRow);
    for (size_t i = 0; i < blocks.size(); ++i) {
      const Block& block = blocks[i];
      const BlockStyle style = styleOf(block.kind);
      PlacedBlock out{block.kind, nullptr, {}, style.maroon ? kMaroon : kInk};
      y += style.gapBefore;
      // A centred group keeps some distance from the left-aligned text around it.
      if (i > 1 && style.centred != styleOf(blocks[i - 1].kind).centred) y += kCentredGroupGap;
      if (block.kind == BlockKind::Emblem) {
        out.origin = QPointF((kPageWidth - kEmblemSize) / 2.0, y);
        y += kEmblemSize;
      } else {
        const qreal indent = block.kind == BlockKind::Bullet ? kBulletIndent : 0;
        QString text = block.text;
        const QFont font = dejaVu(style.pixelSize, style.bold);
        const QList<QTextLayout::FormatRange> bold = boldRanges(text, dejaVu(style.pixelSize, true));
        out.layout = std::make_unique<QTextLayout>(text, font);
        out.layout->setFormats(bold);
        const Qt::Alignment alignment = style.centred ? Qt::AlignHCenter : Qt::AlignLeft;
        out.origin = QPointF(kSideMargin + indent, y);
        y += breakLines(*out.layout, kTextWidth - indent, alignment);
      }
      if (block.kind == BlockKind::Title) {
        ruleRow_ = y + 4;
        y = ruleRow_ + 8;
      }
      y += style.gapAfter;
      placed_.push_back(std::move(out));
    }
    const qreal end = y - kBlockGap;
    if (end > limit) {
      std::fprintf(stderr, "page%02d: text does not fit: ends at row %.0f, room up to row %.0f\n", number_, end, limit);
      return false;
    }
    return true;
  }

  void draw(QPainter& painter, const PlacedBlock& block) const {
    if (block.kind == BlockKind::Emblem) {
      painter.drawPixmap(block.origin, applicationIcon(256).pixmap(kEmblemSize, kEmblemSize));
      return;
    }
    painter.setPen(block.colour);
    block.layout->draw(&painter, block.origin);
    if (block.kind == BlockKind::Title) {
      painter.setPen(QPen(kMaroon, 1));
      painter.drawLine(QPointF(kSideMargin, ruleRow_ + 0.5), QPointF(kPageWidth - kSideMargin, ruleRow_ + 0.5));
    } else if (block.kind == BlockKind::Bullet) {
      painter.setPen(kMaroon);
      painter.setFont(block.layout->font());
      painter.drawText(
          QPointF(block.origin.x() - kBulletIndent + 2, block.origin.y() + block.layout->lineAt(0).ascent()),
          QStringLiteral("•"));
    }
  }

  // "2- OYUN ... 3 / 6" under a rule, at the same window row on every page of
  // a paged topic.
  void drawFooter(QPainter& painter) const {
    const qreal y = rowOf(kFooterRow);
    painter.setPen(QPen(kMaroon, 1));
    painter.drawLine(QPointF(kSideMargin, y + 0.5), QPointF(kPageWidth - kSideMargin, y + 0.5));
    painter.setFont(dejaVu(10, false));
    painter.setPen(kFooterInk);
    const QRectF box(kSideMargin, y + 2, kTextWidth, 13);
    painter.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, QString::fromUtf8(topic_->name));
    painter.drawText(box, Qt::AlignRight | Qt::AlignVCenter,
                     QStringLiteral("%1 / %2").arg(number_ - topic_->firstPage + 1).arg(topic_->pageCount));
  }

  int number_;
  HelpPagePlace geometry_;
  const HelpPagedTopic* topic_;  // none for a page of its own
  std::vector<PlacedBlock> placed_;
  qreal ruleRow_ = 0;
};

bool readText(const QString& path, QString& text) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return false;
  text = QString::fromUtf8(file.readAll());
  return true;
}

bool writeFile(const QString& path, const QByteArray& data) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(data) == data.size();
}

}  // namespace

int main(int argc, char** argv) {
  // Rendering needs fonts but no screen.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: make_help_pages <text dir> <output dir>\n");
    return 2;
  }
  const QDir textDir(QString::fromLocal8Bit(argv[1]));
  const QDir outputDir(QString::fromLocal8Bit(argv[2]));

  int status = 0;
  int number = 1;
  for (const HelpPagePlace& geometry : kHelpPagePlaces) {
    const QString name = QStringLiteral("page%1").arg(number, 2, 10, QLatin1Char('0'));
    QString text;
    QImage image;
    QByteArray jpeg;
    if (!readText(textDir.filePath(name + QStringLiteral(".txt")), text)) {
      std::fprintf(stderr, "%s.txt: cannot read\n", qPrintable(name));
      status = 1;
    } else if (!PageRenderer(number, geometry).render(parsePage(text), image)) {
      status = 1;
    } else if (!encodeJpeg(image, kJpegQuality, jpeg) ||
               !writeFile(outputDir.filePath(name + QStringLiteral(".jpg")), jpeg)) {
      std::fprintf(stderr, "%s.jpg: cannot write\n", qPrintable(name));
      status = 1;
    }
    ++number;
  }
  return status;
}
