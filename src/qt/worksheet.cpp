// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/worksheet.h"

#include <QLocale>
#include <QColor>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <ctime>
#include <utility>

#include "game/board.h"
#include "game/dice.h"
#include "judge/judge.h"
#include "state/texts.h"

namespace sumdart {

double SystemDayClock::secondsSinceMidnight() {
  using namespace std::chrono;
  const auto now = system_clock::now();
  const std::time_t t = system_clock::to_time_t(now);
  std::tm local{};
  localtime_r(&t, &local);
  const auto millis = duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000;
  return local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec + static_cast<double>(millis) / 1000.0;
}

std::vector<Throw> drawThrows(int count, Random& random, DayClock& clock) {
  Dice dice{};  // carried from throw to throw, as the game's are
  std::vector<Throw> throws;
  for (int i = 0; i < count; ++i) {
    drawThrow(random, clock, dice);
    throws.push_back({dice[0], dice[1], dice[2], dice[3]});
  }
  return throws;
}

std::optional<ThrowAnswers> answerThrow(const Throw& dice) {
  NumberJudge judge;
  judge.judge(dice[0], dice[1], dice[2], dice[3]);
  const Explanations explained = explainThrow(dice);
  const auto made = [&](int n) -> std::optional<MadeNumber> {
    const auto& e = explained[static_cast<std::size_t>(n)];
    if (!e) return std::nullopt;
    return MadeNumber{n, *e};
  };

  ThrowAnswers answers;
  answers.dice = dice;
  answers.count = judge.countAllowed();
  int top = 100;
  while (top >= 1 && !judge.isAllowed(top)) --top;
  if (top < 1) return std::nullopt;
  const auto highest = made(top);
  if (!highest) return std::nullopt;
  answers.highest = *highest;
  // The board's doubles: twice each sector number, smallest first.
  std::array sectors = board::kSectors;
  std::ranges::sort(sectors);
  for (const int sector : sectors) {
    if (!judge.isAllowed(2 * sector)) continue;
    const auto d = made(2 * sector);
    if (!d) return std::nullopt;
    answers.doubles.push_back(*d);
  }
  return answers;
}

namespace {

// Page geometry in millimetres.
constexpr double kMargin = 15;
constexpr double kBottom = 12;  // content ends this far above the foot of the page
constexpr double kFooterFromBottom = 8;
// A throw on the sheet: a framed row with the dice on the left and two writing lines.
constexpr double kRowHeight = 36;
constexpr double kRowGap = 4;
constexpr double kDieSize = 14;
constexpr double kDieGap = 3.5;
// The answer key: a header line per throw, then its doubles in columns.
constexpr double kKeyIndent = 21;
constexpr int kKeyColumns = 3;
constexpr double kKeyLine = 4.9;
constexpr double kKeyEntryGap = 4;

constexpr auto kWrap = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;

const QColor kInk(25, 25, 25);
const QColor kGrey(100, 100, 100);
const QColor kRule(150, 150, 150);
const QColor kPanel(238, 241, 246);

// A text of the sheet in the language chosen for this run.
QString translated(const char* context, const char* text) { return QString::fromStdString(translate(context, text)); }

QString title() { return translated("Worksheet", "Sumdart Worksheet"); }
QString taskText() {
  return translated("Worksheet",
                    "Use all four dice, each once, with + \u2212 \u00d7 \u00f7. Make the highest number you can, and make a double.");
}

QString hint() {
  const int highestDouble = 2 * *std::ranges::max_element(board::kSectors);
  return translated("Worksheet",
                    "A double is 2, 4, 6, \u2026 up to %1. An answer that is not whole counts as its nearest whole number.")
      .arg(highestDouble);
}

QFont makeFont(double points, bool bold = false) {
  QFont f;
  f.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
  f.setPointSizeF(points);
  f.setBold(bold);
  return f;
}

}  // namespace

std::string decimalPoint() { return QLocale(QString::fromStdString(language())).decimalPoint().toStdString(); }

namespace {

// " = 6 × 3 − 4", or " ≈ 5 × 5 × 5 ÷ 2 = 62.5" when made by rounding; printed
// with a true minus sign, which reads better than a hyphen.
QString madeText(const MadeNumber& m) {
  const QString way = QString::fromStdString(m.way.expression).replace(QLatin1Char('-'), QChar(0x2212));
  if (m.way.exact) return QStringLiteral(" = ") + way;
  return QStringLiteral(" \u2248 ") + way + QStringLiteral(" = ") + QString::fromStdString(formatValue(m.way.value, decimalPoint()));
}

// Draws in millimetres on the PDF's pixels.
class Canvas {
 public:
  Canvas(QPdfWriter& writer, QPainter& painter)
      : writer_(writer), painter_(painter), perMm_(writer.resolution() / 25.4) {}

  // Off while laying out: everything is measured, nothing drawn.
  bool drawing = true;

  // The extent of everything drawn since the last call, in millimetres.
  QRectF takeInk() { return std::exchange(ink_, QRectF()); }

  double mm(double v) const { return v * perMm_; }
  QRectF rect(double x, double y, double w, double h) const { return {mm(x), mm(y), mm(w), mm(h)}; }

  double width(const QString& s, const QFont& f) const {
    return QFontMetricsF(f, &writer_).horizontalAdvance(s) / perMm_;
  }

  // Text on the baseline y; returns where it ends.
  double text(double x, double y, const QString& s, const QFont& f, const QColor& c = kInk) {
    if (drawing) {
      const QFontMetricsF metrics(f, &writer_);
      const double ascent = metrics.ascent() / perMm_;
      ink({x, y - ascent, width(s, f), ascent + metrics.descent() / perMm_});
      painter_.setFont(f);
      painter_.setPen(c);
      painter_.drawText(QPointF(mm(x), mm(y)), s);
    }
    return x + width(s, f);
  }

  // Height of word-wrapped text in a box of width w.
  double paragraphHeight(double w, const QString& s, const QFont& f) const {
    const QRectF bounds(0, 0, mm(w), 1e6);
    return QFontMetricsF(f, &writer_).boundingRect(bounds, kWrap, s).height() / perMm_;
  }

  // Word-wrapped text in a box of width w from top y; returns its height.
  double paragraph(double x, double y, double w, const QString& s, const QFont& f, const QColor& c = kInk) {
    const double h = paragraphHeight(w, s, f);
    if (drawing) {
      ink({x, y, w, h});
      painter_.setFont(f);
      painter_.setPen(c);
      painter_.drawText(rect(x, y, w, h + 1), kWrap, s);
    }
    return h;
  }

  void centred(double y, const QString& s, const QFont& f, const QColor& c = kGrey) {
    const double pageWidth = writer_.pageLayout().fullRect(QPageLayout::Millimeter).width();
    text((pageWidth - width(s, f)) / 2, y, s, f, c);
  }

  void line(double x1, double y1, double x2, double y2, double thickness, const QColor& c) {
    if (!drawing) return;
    ink(QRectF(QPointF(x1, y1), QPointF(x2, y2)).normalized());
    painter_.setPen(QPen(c, mm(thickness), Qt::SolidLine, Qt::RoundCap));
    painter_.drawLine(QPointF(mm(x1), mm(y1)), QPointF(mm(x2), mm(y2)));
  }

  // A rounded box; no edge when thickness is 0.
  void box(double x, double y, double w, double h, double radius, const QColor& fill, const QColor& edge,
           double thickness) {
    if (!drawing) return;
    ink({x, y, w, h});
    painter_.setPen(thickness > 0 ? QPen(edge, mm(thickness)) : QPen(Qt::NoPen));
    painter_.setBrush(fill);
    painter_.drawRoundedRect(rect(x, y, w, h), mm(radius), mm(radius));
    painter_.setBrush(Qt::NoBrush);
  }

  // A die showing `face` pips, its top-left corner at (x, y).
  void die(double x, double y, double size, int face) {
    if (!drawing) return;
    box(x, y, size, size, size * 0.17, Qt::white, kInk, 0.45);
    // Pip centres as fractions of the face: low, middle, high.
    constexpr double lo = 0.27, mid = 0.5, hi = 0.73;
    static const std::vector<std::pair<double, double>> pips[7] = {
        {},
        {{mid, mid}},
        {{hi, lo}, {lo, hi}},
        {{hi, lo}, {mid, mid}, {lo, hi}},
        {{lo, lo}, {hi, lo}, {lo, hi}, {hi, hi}},
        {{lo, lo}, {hi, lo}, {mid, mid}, {lo, hi}, {hi, hi}},
        {{lo, lo}, {hi, lo}, {lo, mid}, {hi, mid}, {lo, hi}, {hi, hi}},
    };
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(kInk);
    const double r = mm(size * 0.085);
    for (const auto& [px, py] : pips[static_cast<std::size_t>(std::clamp(face, 0, 6))])
      painter_.drawEllipse(QPointF(mm(x + px * size), mm(y + py * size)), r, r);
    painter_.setBrush(Qt::NoBrush);
  }

 private:
  // Shapes count by their outlines, text by its advance and the font's ascent and descent.
  void ink(const QRectF& r) { ink_ = ink_.isNull() ? r : ink_.united(r); }

  QPdfWriter& writer_;
  QPainter& painter_;
  double perMm_;
  QRectF ink_;
};

// One double in the key: its row and the column it starts in (a long one runs on
// into the next column).
struct KeyCell {
  const MadeNumber* made;
  int row;
  int column;
};

// One throw in the key.
struct KeyBlock {
  const ThrowAnswers* answers;
  int number;  // counted from 1, as on the sheet
  std::vector<KeyCell> cells;
  double height = 0;
};

QString aboutTheKey(const Worksheet& sheet) {
  QString about = translated(
      "Worksheet",
      "For each throw: how many of the numbers 1 to 100 it makes, the highest, and every double it makes, "
      "each with one way to make it. \u201c=\u201d made exactly; \u201c\u2248\u201d made by rounding to the "
      "nearest whole number (an exact half goes to the even one).");
  if (sheet.seed)
    about += u'\n' + translated("Worksheet", "The same sheet again: %1").arg(QStringLiteral("sumdart-solve --worksheet %1 --seed %2%3"))
                 .arg(sheet.throws.size())
                 .arg(*sheet.seed)
                 .arg(sheet.letter ? QStringLiteral(" --letter") : QString());
  return about;
}

// Lays the pages out once (measuring only), then draws them.
class WorksheetPainter {
 public:
  WorksheetPainter(const Worksheet& sheet, QPdfWriter& writer, QPainter& painter)
      : sheet_(sheet), writer_(writer), canvas_(writer, painter) {
    const QRectF page = writer.pageLayout().fullRect(QPageLayout::Millimeter);
    width_ = page.width();
    height_ = page.height();
    contentWidth_ = width_ - 2 * kMargin;
    layOut();
  }

  int sheetPages() const { return static_cast<int>(sheetPages_.size()); }
  int keyPages() const { return static_cast<int>(keyPages_.size()); }
  const std::vector<PlacedBox>& boxes() const { return boxes_; }

  bool paint() {
    for (std::size_t p = 0; p < sheetPages_.size(); ++p) {
      if (!startPage()) return false;
      double y = p == 0 ? firstSheetHeader() : laterSheetHeader();
      placed(PlacedBox::Header);
      for (int t : sheetPages_[p]) {
        throwRow(y, t);
        placed(PlacedBox::SheetThrow, t + 1);
        y += kRowHeight + kRowGap;
      }
    }
    for (std::size_t p = 0; p < keyPages_.size(); ++p) {
      if (!startPage()) return false;
      double y = keyHeader(p == 0);
      placed(PlacedBox::Header);
      for (const KeyBlock* block : keyPages_[p]) {
        keyBlock(y, *block);
        placed(PlacedBox::KeyThrow, block->number);
        y += block->height;
      }
    }
    return true;
  }

 private:
  // Records what was drawn since the last piece as the piece `kind`.
  void placed(PlacedBox::Kind kind, int throwNumber = 0) {
    const QRectF r = canvas_.takeInk();
    boxes_.push_back({kind, page_ - 1, throwNumber, r.left(), r.top(), r.width(), r.height()});
  }

  void layOut() {
    canvas_.drawing = false;
    const double bottom = height_ - kBottom;
    // The sheet: as many rows as fit on each page.
    double y = firstSheetHeader();
    sheetPages_.emplace_back();
    for (int t = 0; t < static_cast<int>(sheet_.throws.size()); ++t) {
      if (y + kRowHeight > bottom) {
        sheetPages_.emplace_back();
        y = laterSheetHeader();
      }
      sheetPages_.back().push_back(t);
      y += kRowHeight + kRowGap;
    }

    // The key: a throw's doubles flow through the columns, a long one taking two;
    // a throw is never split across pages.
    const double columnWidth = (contentWidth_ - kKeyIndent) / kKeyColumns;
    blocks_.reserve(sheet_.throws.size());
    for (std::size_t t = 0; t < sheet_.throws.size(); ++t) {
      KeyBlock block{&sheet_.throws[t], static_cast<int>(t) + 1, {}, 0};
      int row = 0, column = 0;
      for (const MadeNumber& d : block.answers->doubles) {
        const double w = entryWidth(d);
        const int span = std::min(kKeyColumns, static_cast<int>(std::ceil((w + kKeyEntryGap) / columnWidth)));
        if (column + span > kKeyColumns) {
          ++row;
          column = 0;
        }
        block.cells.push_back({&d, row, column});
        column += span;
      }
      block.height = 6 + (row + 1) * kKeyLine + 3;
      blocks_.push_back(std::move(block));
    }
    y = keyHeader(true);
    keyPages_.emplace_back();
    for (const KeyBlock& block : blocks_) {
      if (y + block.height > bottom && !keyPages_.back().empty()) {
        keyPages_.emplace_back();
        y = keyHeader(false);
      }
      keyPages_.back().push_back(&block);
      y += block.height;
    }
    canvas_.drawing = true;
  }

  bool startPage() {
    if (page_ > 0 && !writer_.newPage()) return false;
    ++page_;
    canvas_.centred(height_ - kFooterFromBottom,
                    translated("Worksheet", "Sumdart \u00b7 page %1 of %2").arg(page_).arg(sheetPages() + keyPages()),
                    makeFont(8));
    placed(PlacedBox::Footer);
    return true;
  }

  // Title, name and date lines, and the task. Returns where the throws start.
  double firstSheetHeader() {
    const double x = kMargin, right = width_ - kMargin;
    canvas_.text(x, kMargin + 8, title(), makeFont(22, true));
    const QFont label = makeFont(12);
    double y = kMargin + 19;
    const double nameEnd = x + contentWidth_ * 0.62;
    const double afterName = canvas_.text(x, y, translated("Worksheet", "Name:"), label) + 2;
    canvas_.line(afterName, y + 0.8, nameEnd, y + 0.8, 0.3, kInk);
    const double afterDate = canvas_.text(nameEnd + 8, y, translated("Worksheet", "Date:"), label) + 2;
    canvas_.line(afterDate, y + 0.8, right, y + 0.8, 0.3, kInk);

    y += 6;
    const double pad = 4, inner = contentWidth_ - 2 * pad;
    const QFont task = makeFont(12.5, true), small = makeFont(9.5);
    const double taskH = canvas_.paragraphHeight(inner, taskText(), task);
    const double hintH = canvas_.paragraphHeight(inner, hint(), small);
    const double panelH = pad + taskH + 1.5 + hintH + pad;
    canvas_.box(x, y, contentWidth_, panelH, 3, kPanel, kPanel, 0);
    canvas_.paragraph(x + pad, y + pad, inner, taskText(), task);
    canvas_.paragraph(x + pad, y + pad + taskH + 1.5, inner, hint(), small, kGrey);
    return y + panelH + 5;
  }

  // A small title, and a name line in case the pages come apart.
  double laterSheetHeader() {
    const double y = kMargin + 5, right = width_ - kMargin;
    canvas_.text(kMargin, y, title(), makeFont(11, true), kGrey);
    const double after = canvas_.text(right - 70, y, translated("Worksheet", "Name:"), makeFont(11)) + 2;
    canvas_.line(after, y + 0.8, right, y + 0.8, 0.3, kInk);
    return y + 7;
  }

  void throwRow(double y, int index) {
    const ThrowAnswers& t = sheet_.throws[static_cast<std::size_t>(index)];
    const double x = kMargin;
    canvas_.box(x, y, contentWidth_, kRowHeight, 3, Qt::white, kRule, 0.3);
    canvas_.text(x + 5, y + 7, translated("Worksheet", "Throw %1").arg(index + 1), makeFont(11, true));
    const double diceTop = y + (kRowHeight - kDieSize) / 2 + 3;
    for (std::size_t d = 0; d < 4; ++d)
      canvas_.die(x + 5 + static_cast<double>(d) * (kDieSize + kDieGap), diceTop, kDieSize, t.dice[d]);

    // Two long lines to write on, each with its label.
    const double writeLeft = x + 5 + 4 * kDieSize + 3 * kDieGap + 10;
    const double writeRight = x + contentWidth_ - 6;
    const QFont label = makeFont(10.5);
    const QString highest = translated("Worksheet", "Highest:"), twice = translated("Worksheet", "Double:");
    const double lineLeft = writeLeft + std::max(canvas_.width(highest, label), canvas_.width(twice, label)) + 3;
    const double firstLine = y + 14, secondLine = y + 29;
    canvas_.text(writeLeft, firstLine, highest, label, kGrey);
    canvas_.line(lineLeft, firstLine + 0.8, writeRight, firstLine + 0.8, 0.25, kRule);
    canvas_.text(writeLeft, secondLine, twice, label, kGrey);
    canvas_.line(lineLeft, secondLine + 0.8, writeRight, secondLine + 0.8, 0.25, kRule);
  }

  double keyHeader(bool first) {
    const double x = kMargin;
    if (!first) {
      canvas_.text(x, kMargin + 5, translated("Worksheet", "Answer key (continued)"), makeFont(11, true), kGrey);
      return kMargin + 10;
    }
    canvas_.text(x, kMargin + 8, translated("Worksheet", "Answer key"), makeFont(20, true));
    const double y = kMargin + 13;
    return y + canvas_.paragraph(x, y, contentWidth_, aboutTheKey(sheet_), makeFont(9), kGrey) + 4;
  }

  // "12 = 6 × 2", the number in bold; returns where it ends.
  double entry(double x, double y, const MadeNumber& m, double points) {
    const double after = canvas_.text(x, y, QString::number(m.number), makeFont(points, true));
    return canvas_.text(after, y, madeText(m), makeFont(points));
  }
  double entryWidth(const MadeNumber& m) {
    return canvas_.width(QString::number(m.number), makeFont(kEntryPoints, true)) +
           canvas_.width(madeText(m), makeFont(kEntryPoints));
  }

  void keyBlock(double y, const KeyBlock& block) {
    const ThrowAnswers& t = *block.answers;
    const double x = kMargin;
    const QFont head = makeFont(10.5), headBold = makeFont(10.5, true);
    const double base = y + 5;
    canvas_.text(x, base, translated("Worksheet", "Throw %1").arg(block.number), headBold);
    // The dice as digits in small squares.
    const double cell = 5.2, gap = 1.6;
    for (std::size_t d = 0; d < 4; ++d) {
      const double cx = x + kKeyIndent + static_cast<double>(d) * (cell + gap);
      const QString digit = QString::number(t.dice[d]);
      canvas_.box(cx, base - 4, cell, cell, 1, Qt::white, kInk, 0.25);
      canvas_.text(cx + (cell - canvas_.width(digit, headBold)) / 2, base, digit, headBold);
    }
    const double countX = x + kKeyIndent + 4 * cell + 3 * gap + 7;
    canvas_.text(countX, base, QString::fromStdString(translate("Worksheet", "%n number(s)", nullptr, t.count)),
                 head);
    const double highestX = canvas_.text(countX + 28, base, translated("Worksheet", "Highest:") + u' ', head, kGrey);
    entry(highestX, base, t.highest, 10.5);

    const double first = base + kKeyLine + 0.6;
    canvas_.text(x, first, t.doubles.empty() ? translated("Worksheet", "Doubles: none") : translated("Worksheet", "Doubles:"),
                 makeFont(kEntryPoints), kGrey);
    const double columnWidth = (contentWidth_ - kKeyIndent) / kKeyColumns;
    for (const KeyCell& c : block.cells)
      entry(x + kKeyIndent + c.column * columnWidth, first + c.row * kKeyLine, *c.made, kEntryPoints);
    const double rule = y + block.height - 1.5;
    canvas_.line(x, rule, x + contentWidth_, rule, 0.2, kRule);
  }

  static constexpr double kEntryPoints = 9.5;

  const Worksheet& sheet_;
  QPdfWriter& writer_;
  Canvas canvas_;
  double width_ = 0, height_ = 0, contentWidth_ = 0;
  int page_ = 0;
  std::vector<std::vector<int>> sheetPages_;
  std::vector<KeyBlock> blocks_;
  std::vector<std::vector<const KeyBlock*>> keyPages_;
  std::vector<PlacedBox> boxes_;
};

}  // namespace

namespace {

// Qt warns when XDG_RUNTIME_DIR is unset, as it is under cron or sudo; nothing
// here needs that folder. While one of these lives, that warning is dropped and
// every other message goes where it would have gone.
class QuietRuntimeDirWarning {
 public:
  QuietRuntimeDirWarning() { passOn_ = qInstallMessageHandler(filter); }
  ~QuietRuntimeDirWarning() { qInstallMessageHandler(passOn_); }
  QuietRuntimeDirWarning(const QuietRuntimeDirWarning&) = delete;
  QuietRuntimeDirWarning& operator=(const QuietRuntimeDirWarning&) = delete;

 private:
  static void filter(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set"))) return;
    if (passOn_) passOn_(type, context, message);
  }
  static inline QtMessageHandler passOn_ = nullptr;
};

}  // namespace

WriteOutcome writeWorksheetPdf(const Worksheet& sheet, const std::string& path) {
  WriteOutcome outcome;
  const QString name = QString::fromStdString(path);
  const auto fail = [&](WriteOutcome::Result result, const QString& why) {
    outcome.result = result;
    outcome.problem = translated("Worksheet", "cannot write \"%1\": %2").arg(name, why).toStdString();
    return outcome;
  };
  if (QFileInfo(name).isDir()) return fail(WriteOutcome::CannotOpen, translated("Worksheet", "it is a folder"));
  // Written to a temporary file beside the target, renamed over it only when complete;
  // dropped if anything fails before then.
  QSaveFile file(name);
  file.setDirectWriteFallback(false);
  if (!file.open(QIODevice::WriteOnly)) return fail(WriteOutcome::CannotOpen, file.errorString());

  // Fonts and the PDF need a GUI application, but never a display.
  const QuietRuntimeDirWarning quiet;
  std::optional<QGuiApplication> app;
  if (!QGuiApplication::instance()) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static int argc = 1;
    static char program[] = "sumdart-solve";
    static char* argv[] = {program, nullptr};
    app.emplace(argc, argv);
  }
  {
    QPdfWriter writer(&file);
    writer.setPageSize(QPageSize(sheet.letter ? QPageSize::Letter : QPageSize::A4));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setResolution(600);
    writer.setTitle(translated("Worksheet", "Sumdart worksheet"));
    writer.setCreator(QStringLiteral("sumdart-solve"));
    QPainter painter;
    if (!painter.begin(&writer)) return fail(WriteOutcome::Failed, translated("Worksheet", "the PDF could not be started"));
    WorksheetPainter pages(sheet, writer, painter);
    const bool drawn = pages.paint();
    if (!painter.end() || !drawn) return fail(WriteOutcome::Failed, translated("Worksheet", "the PDF could not be drawn"));
    outcome.sheetPages = pages.sheetPages();
    outcome.keyPages = pages.keyPages();
    outcome.boxes = pages.boxes();
  }
  if (!file.commit()) return fail(WriteOutcome::Failed, file.errorString());
  outcome.result = WriteOutcome::Written;
  return outcome;
}

}  // namespace sumdart
