// aeriton-manual-pdf: turns the user manual, written in Markdown, into the
// printed manual "Aeriton.pdf" (A4, title page, contents, running header,
// page numbers, fonts embedded).
//
//   aeriton-manual-pdf MANUAL.md OUTPUT.pdf [--version TEXT] [--icon FILE.svg]
//
// The Markdown is read with Qt's own reader (QTextDocument::setMarkdown); the
// images it names are looked up beside the Markdown file, and a missing image
// is an error, so a broken manual never reaches the installation. The first
// lines of the file that begin with "% " are the title page: the title, the
// subtitle and the kind of document, in that order.
//
// Layout rules on top of the Markdown: every first-level heading starts a new
// page; a heading never stays alone at the foot of a page; an image stays on
// the page of the caption that follows it (a paragraph in italics right after
// an image paragraph).
//
// Exit status: 0 written; 1 the manual could not be read or written.

#include <QAbstractTextDocumentLayout>
#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgRenderer>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextLayout>
#include <QTextTable>
#include <cstdio>
#include <vector>

namespace {

// Page geometry, millimetres.
constexpr double kMarginLeftMm = 22;
constexpr double kMarginRightMm = 20;
constexpr double kMarginTopMm = 14;
constexpr double kMarginBottomMm = 14;
constexpr double kHeaderMm = 10;  // header band inside the top margin line
constexpr double kFooterMm = 10;
constexpr int kResolution = 600;  // device units per inch of the PDF writer

// Fonts: DejaVu carries the whole Greek alphabet with its accents.
const char* kBodyFamily = "DejaVu Serif";
const char* kSansFamily = "DejaVu Sans";
const char* kMonoFamily = "DejaVu Sans Mono";
constexpr double kBodyPt = 10.5;
constexpr double kTablePt = 9.0;
constexpr double kCodePt = 8.5;
constexpr double kHeadingPt[] = {0, 19, 14, 11.5, 10.5};

// Screenshots are taken at 96 dots per inch; printed at this share of their
// size they keep the screen's text legible and leave room for the prose.
constexpr double kImageScale = 0.78;

// The pagination passes (keep-with-next) each move one block to a new page; a
// manual needs a few dozen at most. The bound stops a rule that cannot be met.
constexpr int kMaxPaginationPasses = 400;

const QColor kHeadingColor(0x1a, 0x4f, 0x80);
const QColor kRuleColor(0x9a, 0xb3, 0xcc);
const QColor kCodeBackground(0xf2, 0xf4, 0xf7);
const QColor kQuoteBackground(0xfd, 0xf6, 0xe3);
const QColor kTableHeader(0xe3, 0xec, 0xf5);
const QColor kTableBorder(0x8a, 0x9b, 0xad);

void fail(const QString& why) {
  std::fprintf(stderr, "aeriton-manual-pdf: %s\n", why.toLocal8Bit().constData());
}

struct TitlePage {
  QString title, subtitle, kind;
};

// Removes the "% " lines at the top of the Markdown and returns them.
TitlePage takeTitleLines(QString& markdown) {
  TitlePage t;
  QStringList lines = markdown.split('\n');
  QStringList taken;
  while (!lines.isEmpty() && lines.first().startsWith(QLatin1String("% "))) {
    taken << lines.takeFirst().mid(2).trimmed();
  }
  if (taken.size() > 0) t.title = taken[0];
  if (taken.size() > 1) t.subtitle = taken[1];
  if (taken.size() > 2) t.kind = taken[2];
  markdown = lines.join('\n');
  return t;
}

class Manual {
 public:
  Manual(QPdfWriter& writer, const QString& baseDir) : writer_(writer), baseDir_(baseDir) {
    dpi_ = writer.resolution();
  }

  // Lengths on the page, in the writer's units (own drawing: header, contents).
  double pt(double points) const { return points * dpi_ / 72.0; }
  // Lengths in text formats (margins, padding, borders): the layout takes them
  // in pixels of 96 per inch and scales them to the writer itself.
  static double fpt(double points) { return points * 96.0 / 72.0; }
  double mm(double millimetres) const { return millimetres * dpi_ / 25.4; }

  bool load(const QString& markdown, QString* error);
  void paginate();
  bool write(const TitlePage& title, const QString& version, const QString& iconPath);

 private:
  struct Heading {
    int level;
    QString text;
    int bodyPage;  // 0-based page of the body
  };

  void styleBlocks();
  void styleTables();
  bool resolveImages(QString* error);
  int pageOfY(double y) const { return static_cast<int>(y / bodyHeight_); }
  double blockTop(const QTextBlock& b) const {
    return doc_.documentLayout()->blockBoundingRect(b).top();
  }
  int firstLinePage(const QTextBlock& b) const;
  int lastLinePage(const QTextBlock& b) const;
  static bool isCodeBlock(const QTextBlock& b);
  bool isImageBlock(const QTextBlock& b) const;
  bool isCaptionBlock(const QTextBlock& b) const;
  std::vector<Heading> headings() const;

  void drawTitlePage(QPainter& p, const TitlePage& title, const QString& version,
                     const QString& iconPath);
  int contentsPages(const std::vector<Heading>& hs) const;
  void drawContents(QPainter& p, const std::vector<Heading>& hs, int firstBodyPage,
                    int& pageNumber);
  void drawFrame(QPainter& p, int pageNumber, const QString& chapter);

  QPdfWriter& writer_;
  QString baseDir_;
  double dpi_ = kResolution;
  QTextDocument doc_;
  double bodyWidth_ = 0;
  double bodyHeight_ = 0;
  double bodyTop_ = 0;
};

bool Manual::load(const QString& markdown, QString* error) {
  // Layout in the writer's own units, so that fonts are measured as printed.
  doc_.documentLayout()->setPaintDevice(&writer_);
  const double pageW = writer_.width();
  const double pageH = writer_.height();
  bodyTop_ = mm(kHeaderMm);
  bodyWidth_ = pageW;
  bodyHeight_ = pageH - mm(kHeaderMm) - mm(kFooterMm);

  QFont body(QString::fromLatin1(kBodyFamily));
  body.setPointSizeF(kBodyPt);
  doc_.setDefaultFont(body);
  doc_.setDocumentMargin(0);
  doc_.setBaseUrl(QUrl::fromLocalFile(baseDir_ + '/'));
  doc_.setMarkdown(markdown, QTextDocument::MarkdownDialectGitHub);
  doc_.setPageSize(QSizeF(bodyWidth_, bodyHeight_));
  if (!resolveImages(error)) return false;
  styleBlocks();
  styleTables();
  return true;
}

// Loads every image named by the Markdown from the manual's folder and sizes
// it for the page.
bool Manual::resolveImages(QString* error) {
  const double pxPerScreenPx = dpi_ / 96.0;  // how Qt scales an image for the writer
  for (QTextBlock b = doc_.begin(); b.isValid(); b = b.next()) {
    for (auto it = b.begin(); !it.atEnd(); ++it) {
      const QTextFragment f = it.fragment();
      if (!f.charFormat().isImageFormat()) continue;
      QTextImageFormat img = f.charFormat().toImageFormat();
      const QString file = QFileInfo(baseDir_ + '/' + img.name()).absoluteFilePath();
      QImage image(file);
      if (image.isNull()) {
        *error = QStringLiteral("image not found or unreadable: ") + file;
        return false;
      }
      doc_.addResource(QTextDocument::ImageResource, QUrl(img.name()), image);
      double w = image.width() * kImageScale;
      const double maxW = bodyWidth_ / pxPerScreenPx;
      if (w > maxW) w = maxW;
      const double h = w * image.height() / image.width();
      img.setWidth(w);
      img.setHeight(h);
      QTextCursor c(&doc_);
      c.setPosition(f.position());
      c.setPosition(f.position() + f.length(), QTextCursor::KeepAnchor);
      c.setCharFormat(img);
    }
  }
  return true;
}

void Manual::styleBlocks() {
  bool firstH1 = true;
  for (QTextBlock b = doc_.begin(); b.isValid(); b = b.next()) {
    QTextBlockFormat bf = b.blockFormat();
    const int level = bf.headingLevel();
    QTextCursor c(b);
    if (level > 0) {
      const int l = qMin(level, 4);
      bf.setTopMargin(fpt(l == 1 ? 0 : l == 2 ? 14 : 10));
      bf.setBottomMargin(fpt(l == 1 ? 14 : 6));
      if (l == 1) {
        if (!firstH1) bf.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
        firstH1 = false;
      }
      c.setBlockFormat(bf);
      // Heading text: sans serif, fixed sizes, the manual's blue.
      for (auto it = b.begin(); !it.atEnd(); ++it) {
        const QTextFragment f = it.fragment();
        QTextCharFormat cf = f.charFormat();
        cf.clearProperty(QTextFormat::FontSizeAdjustment);
        cf.setFontFamilies({QString::fromLatin1(kSansFamily)});
        cf.setFontPointSize(kHeadingPt[l]);
        cf.setFontWeight(QFont::Bold);
        cf.setForeground(kHeadingColor);
        QTextCursor fc(&doc_);
        fc.setPosition(f.position());
        fc.setPosition(f.position() + f.length(), QTextCursor::KeepAnchor);
        fc.setCharFormat(cf);
      }
      continue;
    }
    if (isCodeBlock(b)) {
      // A fenced block is one block per line: air above its first line and
      // below its last, none between.
      bf.setBackground(kCodeBackground);
      bf.setLeftMargin(fpt(8));
      bf.setTopMargin(isCodeBlock(b.previous()) ? 0 : fpt(3));
      bf.setBottomMargin(isCodeBlock(b.next()) ? 0 : fpt(7));
      c.setBlockFormat(bf);
      QTextCharFormat cf;
      cf.setFontFamilies({QString::fromLatin1(kMonoFamily)});
      cf.setFontPointSize(kCodePt);
      QTextCursor all(b);
      all.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
      all.mergeCharFormat(cf);
      continue;
    }
    if (bf.intProperty(QTextFormat::BlockQuoteLevel) > 0) {
      bf.setBackground(kQuoteBackground);
      bf.setLeftMargin(fpt(12));
      bf.setRightMargin(fpt(4));
      bf.setTopMargin(fpt(4));
      bf.setBottomMargin(fpt(8));
      c.setBlockFormat(bf);
      continue;
    }
    if (b.textList()) {
      bf.setBottomMargin(fpt(2.5));
      c.setBlockFormat(bf);
      continue;
    }
    if (b.text().isEmpty() && !isImageBlock(b)) continue;
    bf.setBottomMargin(fpt(isImageBlock(b) ? 3 : 6.5));
    // Text lines get air; an image line is as high as the image.
    if (isImageBlock(b))
      bf.setAlignment(Qt::AlignHCenter);
    else
      bf.setLineHeight(112, QTextBlockFormat::ProportionalHeight);
    if (isCaptionBlock(b)) {
      bf.setAlignment(Qt::AlignHCenter);
      bf.setBottomMargin(fpt(12));
    }
    c.setBlockFormat(bf);
    // Inline code in running text.
    for (auto it = b.begin(); !it.atEnd(); ++it) {
      const QTextFragment f = it.fragment();
      QTextCharFormat cf = f.charFormat();
      if (!cf.fontFixedPitch() &&
          !cf.fontFamilies().toStringList().contains(QLatin1String("monospace")))
        continue;
      cf.setFontFamilies({QString::fromLatin1(kMonoFamily)});
      cf.setFontPointSize(kBodyPt * 0.88);
      QTextCursor fc(&doc_);
      fc.setPosition(f.position());
      fc.setPosition(f.position() + f.length(), QTextCursor::KeepAnchor);
      fc.setCharFormat(cf);
    }
  }
}

void Manual::styleTables() {
  for (QTextFrame* frame : doc_.rootFrame()->childFrames()) {
    auto* table = qobject_cast<QTextTable*>(frame);
    if (!table) continue;
    QTextTableFormat tf = table->format();
    tf.setBorder(fpt(0.5));
    tf.setBorderBrush(kTableBorder);
    tf.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    tf.setBorderCollapse(true);
    tf.setCellPadding(fpt(3));
    tf.setCellSpacing(0);
    tf.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    tf.setHeaderRowCount(1);
    tf.setTopMargin(fpt(2));
    tf.setBottomMargin(fpt(10));
    table->setFormat(tf);
    for (int r = 0; r < table->rows(); ++r) {
      for (int col = 0; col < table->columns(); ++col) {
        QTextTableCell cell = table->cellAt(r, col);
        QTextCharFormat cf;
        cf.setFontFamilies({QString::fromLatin1(kSansFamily)});
        cf.setFontPointSize(kTablePt);
        if (r == 0) {
          cf.setFontWeight(QFont::Bold);
          QTextTableCellFormat shade = cell.format().toTableCellFormat();
          shade.setBackground(kTableHeader);
          cell.setFormat(shade);
        }
        QTextCursor c = cell.firstCursorPosition();
        c.setPosition(cell.lastCursorPosition().position(), QTextCursor::KeepAnchor);
        c.mergeCharFormat(cf);
        for (QTextFrame::iterator it = cell.begin(); !it.atEnd(); ++it) {
          QTextBlock b = it.currentBlock();
          if (!b.isValid()) continue;
          QTextBlockFormat bf = b.blockFormat();
          bf.setBottomMargin(0);
          bf.setLineHeight(105, QTextBlockFormat::ProportionalHeight);
          QTextCursor(b).setBlockFormat(bf);
        }
      }
    }
  }
}

bool Manual::isCodeBlock(const QTextBlock& b) {
  if (!b.isValid()) return false;
  const QTextBlockFormat bf = b.blockFormat();
  return bf.hasProperty(QTextFormat::BlockCodeFence) || bf.nonBreakableLines();
}

bool Manual::isImageBlock(const QTextBlock& b) const {
  bool image = false;
  for (auto it = b.begin(); !it.atEnd(); ++it) {
    const QTextFragment f = it.fragment();
    if (f.charFormat().isImageFormat())
      image = true;
    else if (!f.text().trimmed().isEmpty())
      return false;
  }
  return image;
}

bool Manual::isCaptionBlock(const QTextBlock& b) const {
  const QTextBlock prev = b.previous();
  if (!prev.isValid() || !isImageBlock(prev) || b.text().trimmed().isEmpty()) return false;
  for (auto it = b.begin(); !it.atEnd(); ++it) {
    const QTextFragment f = it.fragment();
    if (!f.text().trimmed().isEmpty() && !f.charFormat().fontItalic()) return false;
  }
  return true;
}

int Manual::firstLinePage(const QTextBlock& b) const {
  const QTextLayout* l = b.layout();
  double y = blockTop(b);
  if (l && l->lineCount() > 0) y += l->lineAt(0).y() + l->lineAt(0).height() / 2;
  return pageOfY(y);
}

int Manual::lastLinePage(const QTextBlock& b) const {
  const QTextLayout* l = b.layout();
  double y = blockTop(b);
  if (l && l->lineCount() > 0) {
    const QTextLine last = l->lineAt(l->lineCount() - 1);
    y += last.y() + last.height() / 2;
  }
  return pageOfY(y);
}

// Keeps headings with what follows them and images with their captions: the
// first block that breaks a rule gets a page break before it, and the layout
// is done again, until no rule is broken.
void Manual::paginate() {
  for (int pass = 0; pass < kMaxPaginationPasses; ++pass) {
    doc_.documentLayout()->documentSize();  // lays the whole document out
    bool moved = false;
    for (QTextBlock b = doc_.begin(); b.isValid() && !moved; b = b.next()) {
      const QTextBlock next = b.next();
      if (!next.isValid()) break;
      const bool heading = b.blockFormat().headingLevel() > 0;
      const bool imageWithCaption = isImageBlock(b) && isCaptionBlock(next);
      if (!heading && !imageWithCaption) continue;
      if (b.blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore) continue;
      // A heading followed by a heading is kept with that one's own text.
      if (lastLinePage(b) == firstLinePage(next)) continue;
      // A heading directly after another heading moves with it.
      QTextBlock first = b;
      while (first.previous().isValid() && first.previous().blockFormat().headingLevel() > 0 &&
             !(first.blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore))
        first = first.previous();
      QTextBlockFormat bf = first.blockFormat();
      bf.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
      QTextCursor(first).setBlockFormat(bf);
      moved = true;
    }
    if (!moved) return;
  }
  fail(QStringLiteral("pagination did not settle; the manual is written as it stands"));
}

std::vector<Manual::Heading> Manual::headings() const {
  std::vector<Heading> hs;
  for (QTextBlock b = doc_.begin(); b.isValid(); b = b.next()) {
    const int level = b.blockFormat().headingLevel();
    if (level < 1 || level > 2) continue;
    hs.push_back(Heading{level, b.text().trimmed(), firstLinePage(b)});
  }
  return hs;
}

void Manual::drawTitlePage(QPainter& p, const TitlePage& title, const QString& version,
                           const QString& iconPath) {
  const double w = writer_.width();
  const double h = writer_.height();
  double y = h * 0.16;
  if (!iconPath.isEmpty()) {
    QSvgRenderer icon(iconPath);
    if (icon.isValid()) {
      const double side = mm(46);
      icon.render(&p, QRectF((w - side) / 2, y, side, side));
      y += side + mm(14);
    }
  }
  auto centred = [&](const QString& text, const char* family, double size, bool bold,
                     const QColor& colour, double after) {
    QFont f(QString::fromLatin1(family));
    f.setPointSizeF(size);
    f.setBold(bold);
    p.setFont(f);
    p.setPen(colour);
    const QRectF box(0, y, w, h);
    const QRectF used =
        p.boundingRect(box, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, text);
    p.drawText(box, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, text);
    y += used.height() + after;
  };
  centred(title.title, kSansFamily, 40, true, kHeadingColor, mm(6));
  centred(title.subtitle, kSansFamily, 13.5, false, QColor(0x33, 0x33, 0x33), mm(22));
  p.setPen(QPen(kRuleColor, pt(1)));
  p.drawLine(QPointF(w * 0.25, y), QPointF(w * 0.75, y));
  y += mm(10);
  centred(title.kind, kSansFamily, 22, true, QColor(0x22, 0x22, 0x22), mm(8));
  if (!version.isEmpty()) {
    QFont f(QString::fromLatin1(kSansFamily));
    f.setPointSizeF(11);
    p.setFont(f);
    p.setPen(QColor(0x55, 0x55, 0x55));
    p.drawText(QRectF(0, h - mm(20), w, mm(10)), Qt::AlignHCenter | Qt::AlignVCenter,
               QStringLiteral("Έκδοση ") + version);
  }
}

// Contents lines per page: the first page carries the word "Περιεχόμενα".
namespace contents {
constexpr double kTitlePt = 19;
constexpr double kLinePt = 10.5;
constexpr double kLineSpacing = 1.55;
}  // namespace contents

int Manual::contentsPages(const std::vector<Heading>& hs) const {
  const double line = pt(contents::kLinePt * contents::kLineSpacing);
  const double first = bodyHeight_ - pt(contents::kTitlePt) - pt(24);
  const int perFirst = qMax(1, static_cast<int>(first / line));
  const int perPage = qMax(1, static_cast<int>(bodyHeight_ / line));
  const int n = static_cast<int>(hs.size());
  if (n <= perFirst) return 1;
  return 1 + (n - perFirst + perPage - 1) / perPage;
}

void Manual::drawContents(QPainter& p, const std::vector<Heading>& hs, int firstBodyPage,
                          int& pageNumber) {
  const double line = pt(contents::kLinePt * contents::kLineSpacing);
  double y = bodyTop_;
  QFont titleFont(QString::fromLatin1(kSansFamily));
  titleFont.setPointSizeF(contents::kTitlePt);
  titleFont.setBold(true);
  p.setFont(titleFont);
  p.setPen(kHeadingColor);
  p.drawText(QRectF(0, y, bodyWidth_, pt(30)), Qt::AlignLeft | Qt::AlignTop,
             QStringLiteral("Περιεχόμενα"));
  y += pt(contents::kTitlePt) + pt(24);
  drawFrame(p, pageNumber, QStringLiteral("Περιεχόμενα"));

  for (const Heading& h : hs) {
    if (y + line > bodyTop_ + bodyHeight_) {
      writer_.newPage();
      ++pageNumber;
      drawFrame(p, pageNumber, QStringLiteral("Περιεχόμενα"));
      y = bodyTop_;
    }
    QFont f(QString::fromLatin1(h.level == 1 ? kSansFamily : kBodyFamily));
    f.setPointSizeF(contents::kLinePt);
    f.setBold(h.level == 1);
    p.setFont(f);
    p.setPen(h.level == 1 ? QColor(0x11, 0x11, 0x11) : QColor(0x33, 0x33, 0x33));
    const double indent = h.level == 1 ? 0 : mm(7);
    const QString number = QString::number(firstBodyPage + h.bodyPage);
    const QFontMetricsF fm(f, &writer_);
    const double numberW = fm.horizontalAdvance(number);
    const double textMax = bodyWidth_ - indent - numberW - mm(12);
    const QString text = fm.elidedText(h.text, Qt::ElideRight, textMax);
    const double textW = fm.horizontalAdvance(text);
    const double base = y + fm.ascent();
    p.drawText(QPointF(indent, base), text);
    p.drawText(QPointF(bodyWidth_ - numberW, base), number);
    // Dotted leader between the heading and its page.
    const double dotW = fm.horizontalAdvance(QStringLiteral(" ."));
    const double from = indent + textW + mm(2);
    const double to = bodyWidth_ - numberW - mm(2);
    if (to > from + dotW) {
      const int dots = static_cast<int>((to - from) / dotW);
      p.setPen(QColor(0x88, 0x88, 0x88));
      p.drawText(QPointF(to - dots * dotW, base), QString(QStringLiteral(" .")).repeated(dots));
    }
    y += line;
  }
}

// The running header (program and chapter) and the page number.
void Manual::drawFrame(QPainter& p, int pageNumber, const QString& chapter) {
  QFont f(QString::fromLatin1(kSansFamily));
  f.setPointSizeF(8);
  p.setFont(f);
  p.setPen(QColor(0x55, 0x55, 0x55));
  const double headerBase = mm(kHeaderMm) - mm(4);
  p.drawText(QRectF(0, 0, bodyWidth_ / 2, headerBase), Qt::AlignLeft | Qt::AlignBottom,
             QStringLiteral("Aeriton — Εγχειρίδιο Χρήσης"));
  const QFontMetricsF fm(f, &writer_);
  p.drawText(QRectF(bodyWidth_ / 2, 0, bodyWidth_ / 2, headerBase),
             Qt::AlignRight | Qt::AlignBottom,
             fm.elidedText(chapter, Qt::ElideRight, bodyWidth_ / 2));
  p.setPen(QPen(kRuleColor, pt(0.6)));
  p.drawLine(QPointF(0, headerBase + mm(1.2)), QPointF(bodyWidth_, headerBase + mm(1.2)));
  const double footerTop = bodyTop_ + bodyHeight_;
  p.setPen(QColor(0x44, 0x44, 0x44));
  f.setPointSizeF(9);
  p.setFont(f);
  p.drawText(QRectF(0, footerTop, bodyWidth_, mm(kFooterMm)), Qt::AlignHCenter | Qt::AlignVCenter,
             QString::number(pageNumber));
}

bool Manual::write(const TitlePage& title, const QString& version, const QString& iconPath) {
  const std::vector<Heading> hs = headings();
  const int bodyPages = doc_.pageCount();
  const int tocPages = contentsPages(hs);
  const int firstBodyPage = 1 + tocPages + 1;  // pages are numbered from the title page

  QPainter p;
  if (!p.begin(&writer_)) return false;
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  drawTitlePage(p, title, version, iconPath);

  int pageNumber = 2;
  writer_.newPage();
  drawContents(p, hs, firstBodyPage, pageNumber);

  QString chapter;
  size_t nextHeading = 0;
  for (int page = 0; page < bodyPages; ++page) {
    writer_.newPage();
    ++pageNumber;
    while (nextHeading < hs.size() && hs[nextHeading].bodyPage <= page) {
      if (hs[nextHeading].level == 1) chapter = hs[nextHeading].text;
      ++nextHeading;
    }
    drawFrame(p, pageNumber, chapter);
    p.save();
    p.translate(0, bodyTop_ - page * bodyHeight_);
    const QRectF clip(0, page * bodyHeight_, bodyWidth_, bodyHeight_);
    p.setClipRect(clip);
    QAbstractTextDocumentLayout::PaintContext ctx;
    ctx.clip = clip;
    ctx.palette.setColor(QPalette::Text, Qt::black);
    doc_.documentLayout()->draw(&p, ctx);
    p.restore();
  }
  return p.end();
}

}  // namespace

int main(int argc, char** argv) {
  // Runs at build time, without a screen.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral("Writes the printed user manual of Aeriton."));
  parser.addHelpOption();
  parser.addPositionalArgument(QStringLiteral("manual"), QStringLiteral("the manual in Markdown"));
  parser.addPositionalArgument(QStringLiteral("output"), QStringLiteral("the PDF to write"));
  QCommandLineOption versionOption(QStringLiteral("version"),
                                   QStringLiteral("program version for the title page"),
                                   QStringLiteral("text"));
  QCommandLineOption iconOption(QStringLiteral("icon"),
                                QStringLiteral("SVG icon for the title page"),
                                QStringLiteral("file"));
  parser.addOption(versionOption);
  parser.addOption(iconOption);
  parser.process(app);
  const QStringList args = parser.positionalArguments();
  if (args.size() != 2) {
    fail(QStringLiteral("usage: aeriton-manual-pdf MANUAL.md OUTPUT.pdf [--version V] [--icon F]"));
    return 1;
  }

  QFile in(args[0]);
  if (!in.open(QIODevice::ReadOnly)) {
    fail(QStringLiteral("cannot read ") + args[0]);
    return 1;
  }
  QString markdown = QString::fromUtf8(in.readAll());
  const TitlePage title = takeTitleLines(markdown);

  for (const char* family : {kBodyFamily, kSansFamily, kMonoFamily}) {
    if (!QFontDatabase::families().contains(QString::fromLatin1(family)))
      fail(QStringLiteral("font missing, a substitute is used: ") + QString::fromLatin1(family));
  }

  // Written to a temporary file that replaces the manual only when complete.
  QSaveFile out(args[1]);
  if (!out.open(QIODevice::WriteOnly)) {
    fail(QStringLiteral("cannot write ") + args[1]);
    return 1;
  }
  QPdfWriter writer(&out);
  writer.setResolution(kResolution);
  writer.setPageSize(QPageSize(QPageSize::A4));
  writer.setPageMargins(QMarginsF(kMarginLeftMm, kMarginTopMm, kMarginRightMm, kMarginBottomMm),
                        QPageLayout::Millimeter);
  writer.setTitle(title.title + QStringLiteral(" — ") + title.kind);
  writer.setCreator(QStringLiteral("Aeriton"));

  Manual manual(writer, QFileInfo(args[0]).absolutePath());
  QString error;
  if (!manual.load(markdown, &error)) {
    fail(error);
    return 1;
  }
  manual.paginate();
  if (!manual.write(title, parser.value(versionOption), parser.value(iconOption))) {
    fail(QStringLiteral("the PDF could not be drawn"));
    return 1;
  }
  if (!out.commit()) {
    fail(QStringLiteral("cannot write ") + args[1]);
    return 1;
  }
  return 0;
}
