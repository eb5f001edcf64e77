// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
// The rules as one HTML page, which the browser edition opens in a new tab:
// the content of the printable rules (rulesText), styled to read on a screen
// and to print on A4. It stands alone: no scripts, nothing from elsewhere but
// its two pictures beside it.
#include "assetgen.h"
#include "rulestext.h"

namespace sumdart::assetgen {
namespace {

// The style: the printed document's fonts, inks and spacing (Arial, magenta
// title, blue headings, ruled tables), with A4 pages of 2 cm margins in print.
constexpr const char* kStyle = R"(@page { size: A4; margin: 2cm; }
html { background: #fff; color: #000; }
body { font: 12pt/1.4 Arial, Helvetica, sans-serif; max-width: 17cm; margin: 0 auto; padding: 1.5em 1em 3em; }
h1 { text-align: center; font-size: 30pt; color: #c000c0; margin: 0 0 3pt; }
h2 { font-size: 15pt; color: #000096; margin: 12pt 0 4pt; break-after: avoid; }
h3 { font-size: 12pt; color: #000096; margin: 10pt 0 3pt; break-after: avoid; }
p { margin: 0 0 5pt; }
ul, ol { margin: 0 0 5pt; padding-left: 28pt; }
li { margin-bottom: 2pt; }
.subtitle { text-align: center; font-style: italic; font-size: 14pt; color: #5a5a5a; margin-bottom: 12pt; }
.lead, .picture { break-after: avoid; }
.example { text-align: center; font-weight: bold; font-size: 15pt; color: #aa0000; margin: 3pt 0 6pt; }
.caption { text-align: center; font-style: italic; font-size: 9pt; color: #5a5a5a; margin-bottom: 8pt; }
.picture { text-align: center; margin: 6pt 0 3pt; break-inside: avoid; }
img { max-width: 100%; height: auto; }
.note { background: #fff8d6; border-top: 1px solid #96a0be; border-bottom: 1px solid #96a0be; padding: 3pt 8.5pt; margin: 3pt 0 8pt; }
table { width: 100%; border-collapse: collapse; margin: 0 0 6pt; font-size: 11pt; break-inside: avoid; }
th, td { border: 1px solid #96a0be; padding: 1.5pt 5pt; text-align: left; vertical-align: top; }
th { background: #dee6f6; }
tr { break-inside: avoid; }
.note, th { -webkit-print-color-adjust: exact; print-color-adjust: exact; }
@media print {
  body { font-size: 11pt; max-width: none; padding: 0; }
  table { font-size: 10pt; }
}
)";

// Text for an element or an attribute.
QString escaped(const QString& text) { return text.toHtmlEscaped(); }

// Text as a CSS string, quotes included.
QString cssString(QString text) {
  return QLatin1Char('"') + text.replace(QLatin1Char('\\'), QLatin1String("\\\\")).replace(QLatin1Char('"'), QLatin1String("\\\"")) +
         QLatin1Char('"');
}

class HtmlWriter {
 public:
  HtmlWriter(const RulesText& text, const QString& language, const PageImage& board, const PageImage& diceThrow)
      : board_(board), throw_(diceThrow) {
    // The printed footer with the page number, where the browser fills in
    // page margins.
    QStringList footer;
    for (const QString& words : text.footer.split(QStringLiteral("%1")))
      footer << (words.isEmpty() ? QString() : cssString(words));
    const QString pageFooter = footer.join(QStringLiteral(" counter(page) ")).trimmed();
    html_ = QStringLiteral("<!DOCTYPE html>\n<html lang=\"%1\">\n<head>\n<meta charset=\"utf-8\">\n")
                .arg(QString(language).replace(QLatin1Char('_'), QLatin1Char('-')));
    html_ += QStringLiteral("<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n");
    html_ += QStringLiteral("<title>%1</title>\n").arg(escaped(text.title));
    html_ += QStringLiteral("<meta name=\"description\" content=\"%1\">\n").arg(escaped(text.subject));
    html_ += QStringLiteral("<style>\n") + QString::fromLatin1(kStyle);
    html_ += QStringLiteral("@page { @bottom-center { content: %1; font: 8pt Arial, sans-serif; color: #5a5a5a; } }\n")
                 .arg(pageFooter);
    html_ += QStringLiteral("</style>\n</head>\n<body>\n");
  }

  void write(const RulesBlock& block) {
    using Kind = RulesBlock::Kind;
    if (block.kind != Kind::bullet && block.kind != Kind::numbered) closeList();
    switch (block.kind) {
      case Kind::title: element("h1", {}, block.text); break;
      case Kind::subtitle: element("p", "subtitle", block.text); break;
      case Kind::heading: element("h2", {}, block.text); break;
      case Kind::subheading: element("h3", {}, block.text); break;
      case Kind::body: element("p", {}, block.text); break;
      case Kind::lead: element("p", "lead", block.text); break;
      case Kind::bullet: item("ul", block); break;
      case Kind::numbered: item("ol", block); break;
      case Kind::example: element("p", "example", block.text); break;
      case Kind::caption: element("p", "caption", block.text); break;
      case Kind::note: html_ += QStringLiteral("<p class=\"note\">") + opening(block) + QStringLiteral("</p>\n"); break;
      case Kind::table: table(block); break;
      case Kind::picture: picture(block); break;
    }
  }

  QByteArray finish() {
    closeList();
    return (html_ + QStringLiteral("</body>\n</html>\n")).toUtf8();
  }

 private:
  void element(const char* tag, const char* style, const QString& text) {
    const QString name = QString::fromLatin1(tag);
    const QString attribute = style ? QStringLiteral(" class=\"%1\"").arg(QString::fromLatin1(style)) : QString();
    html_ += QStringLiteral("<%1%2>%3</%1>\n").arg(name, attribute, escaped(text));
  }
  // A block's text, after its bold opening words if it has any.
  static QString opening(const RulesBlock& block) {
    if (block.boldStart.isEmpty()) return escaped(block.text);
    return QStringLiteral("<b>%1</b> %2").arg(escaped(block.boldStart), escaped(block.text));
  }
  // A list item; consecutive items share their list.
  void item(const char* tag, const RulesBlock& block) {
    if (list_ != QLatin1String(tag)) {
      closeList();
      list_ = QString::fromLatin1(tag);
      html_ += block.number > 1 ? QStringLiteral("<ol start=\"%1\">\n").arg(block.number) : QStringLiteral("<%1>\n").arg(list_);
    }
    html_ += QStringLiteral("<li>") + opening(block) + QStringLiteral("</li>\n");
  }
  void closeList() {
    if (list_.isEmpty()) return;
    html_ += QStringLiteral("</%1>\n").arg(list_);
    list_.clear();
  }
  // A two-column table with a header row, its first column as wide as in print.
  void table(const RulesBlock& block) {
    html_ += QStringLiteral("<table>\n<colgroup><col style=\"width:%1%\"><col></colgroup>\n")
                 .arg(block.twips * 100 / kTextWidthTwips);
    for (qsizetype i = 0; i < block.rows.size(); ++i) {
      const QString cell = i == 0 ? QStringLiteral("th") : QStringLiteral("td");
      if (i <= 1) html_ += i == 0 ? QStringLiteral("<thead>\n") : QStringLiteral("<tbody>\n");
      html_ += QStringLiteral("<tr><%1>%2</%1><%1>%3</%1></tr>\n")
                   .arg(cell, escaped(block.rows[i].first), escaped(block.rows[i].second));
      if (i == 0) html_ += QStringLiteral("</thead>\n");
    }
    html_ += QStringLiteral("</tbody>\n</table>\n");
  }
  // A picture as wide as in print (1440 twips to 96 pixels an inch).
  void picture(const RulesBlock& block) {
    const PageImage& image = block.picture == RulesPicture::board ? board_ : throw_;
    const int width = block.twips / 15;
    const int height = (width * image.size.height() + image.size.width() / 2) / image.size.width();
    html_ += QStringLiteral("<p class=\"picture\"><img src=\"%1\" width=\"%2\" height=\"%3\" alt=\"%4\"></p>\n")
                 .arg(escaped(image.file), QString::number(width), QString::number(height), escaped(block.text));
  }

  static constexpr int kTextWidthTwips = 9638;  // A4 less 2 cm margins
  PageImage board_, throw_;
  QString html_;
  QString list_;  // the list open, "ul" or "ol", if any
};

}  // namespace

QByteArray rulesPage(const QString& language, const PageImage& board, const PageImage& diceThrow, const QLocale& numbers) {
  const RulesText text = rulesText(numbers);
  HtmlWriter page(text, language, board, diceThrow);
  for (const RulesBlock& block : text.blocks) {
    const PageImage& image = block.picture == RulesPicture::board ? board : diceThrow;
    if (block.picture != RulesPicture::none && image.size.isEmpty()) continue;  // a missing picture, and its caption
    page.write(block);
  }
  return page.finish();
}

}  // namespace sumdart::assetgen
