// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
// The printable rules, with a worked example and tips for the classroom,
// written as RTF: word processors open it under the ".doc" name the game uses,
// and it needs nothing but plain text to make. The content is rulesText's.
#include "assetgen.h"
#include "rulestext.h"

#include <QImage>
#include <QList>

#include <utility>

namespace sumdart::assetgen {
namespace {

// Plain text to RTF: escapes the three special characters, and writes every
// character outside ASCII as \uN with an ASCII stand-in for old readers.
QByteArray rtf(const QString& text) {
  QByteArray out;
  for (QChar ch : text) {
    const char16_t c = ch.unicode();
    if (c == u'\\' || c == u'{' || c == u'}') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c == u'\t') {
      out += "\\tab ";
    } else if (c < 0x80) {
      out += static_cast<char>(c);
    } else {
      char fallback = '?';
      switch (c) {
        case u'\u00d7': fallback = 'x'; break;  // multiplication sign
        case u'\u00f7': fallback = '/'; break;  // division sign
        case u'\u2212': fallback = '-'; break;  // minus sign
        case u'\u2013': fallback = '-'; break;  // en dash
        case u'\u2019': fallback = '\''; break;
        default: break;
      }
      const int code = c > 32767 ? static_cast<int>(c) - 65536 : static_cast<int>(c);
      out += "\\u" + QByteArray::number(code) + fallback;
    }
  }
  return out;
}

// Colour table entries.
constexpr int kMagentaInk = 1, kBlueInk = 2, kRedInk = 3, kGreyInk = 4, kRuleInk = 5, kHeaderFill = 6,
              kNoteFill = 7;

// Twips: the A4 page with 2 cm margins leaves 9638 twips for the text.
constexpr int kTextWidth = 9638;

QByteArray num(int n) { return QByteArray::number(n); }

class RtfWriter {
 public:
  explicit RtfWriter(const RulesText& text) {
    const QByteArray title = rtf(text.title);
    const QByteArray subject = rtf(text.subject);
    // The page number is a field the word processor fills in.
    const QByteArray footer = rtf(text.footer)
                                  .replace("\\u8211-", "\\endash ")
                                  .replace("%1", "{\\field{\\*\\fldinst PAGE}{\\fldrslt 1}}");
    doc_ += "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\n";
    doc_ += "{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}}\n";
    doc_ += "{\\colortbl;\\red192\\green0\\blue192;\\red0\\green0\\blue150;\\red170\\green0\\blue0;"
            "\\red90\\green90\\blue90;\\red150\\green160\\blue190;\\red222\\green230\\blue246;"
            "\\red255\\green248\\blue214;}\n";
    doc_ += "{\\info{\\title " + title + "}{\\subject " + subject + "}{\\author Sumdart}}\n";
    // A4, 2 cm margins, the footer 1 cm from the bottom edge.
    doc_ += "\\paperw11906\\paperh16838\\margl1134\\margr1134\\margt1134\\margb1134\\widowctrl\n";
    doc_ += "\\sectd\\pgwsxn11906\\pghsxn16838\\footery567\n";
    doc_ += "{\\footer\\pard\\plain\\qc\\f0\\fs16\\cf4 " + footer + "\\par}\n";
  }

  void title(const QString& text) {
    doc_ += "\\pard\\plain\\qc\\sa60\\f0\\fs60\\b\\cf" + num(kMagentaInk) + " " + rtf(text) + "\\par\n";
  }
  void subtitle(const QString& text) {
    doc_ += "\\pard\\plain\\qc\\sa240\\f0\\fs28\\i\\cf" + num(kGreyInk) + " " + rtf(text) + "\\par\n";
  }
  void heading(const QString& text) {
    doc_ += "\\pard\\plain\\keepn\\sb200\\sa80\\f0\\fs30\\b\\cf" + num(kBlueInk) + " " + rtf(text) + "\\par\n";
  }
  void subheading(const QString& text) {
    doc_ += "\\pard\\plain\\keepn\\sb160\\sa60\\f0\\fs24\\b\\cf" + num(kBlueInk) + " " + rtf(text) + "\\par\n";
  }
  void body(const QString& text) {
    doc_ += "\\pard\\plain\\sa100\\sl240\\slmult1\\f0\\fs22 " + rtf(text) + "\\par\n";
  }
  // A paragraph kept on the page of the one after it.
  void lead(const QString& text) {
    doc_ += "\\pard\\plain\\keepn\\sa100\\sl240\\slmult1\\f0\\fs22 " + rtf(text) + "\\par\n";
  }
  void bullet(const QString& text) { bullet({}, text); }
  // A bullet point; `boldStart`, if any, opens it in bold.
  void bullet(const QString& boldStart, const QString& text) {
    doc_ += "\\pard\\plain\\fi-284\\li568\\tx568\\sa40\\sl240\\slmult1\\f0\\fs22 \\bullet\\tab ";
    if (!boldStart.isEmpty()) doc_ += "{\\b " + rtf(boldStart) + "} ";
    doc_ += rtf(text) + "\\par\n";
  }
  void numbered(int n, const QString& text) {
    doc_ += "\\pard\\plain\\fi-284\\li568\\tx568\\sa40\\sl240\\slmult1\\f0\\fs22 " + num(n) + ".\\tab " +
            rtf(text) + "\\par\n";
  }
  void example(const QString& text) {
    doc_ += "\\pard\\plain\\keep\\qc\\sb60\\sa120\\f0\\fs30\\b\\cf" + num(kRedInk) + " " + rtf(text) + "\\par\n";
  }
  void caption(const QString& text) {
    doc_ += "\\pard\\plain\\qc\\sa160\\f0\\fs18\\i\\cf" + num(kGreyInk) + " " + rtf(text) + "\\par\n";
  }
  // A shaded box of one paragraph, for a hint.
  void note(const QString& boldStart, const QString& text) {
    doc_ += "\\pard\\plain\\sb60\\sa160\\sl240\\slmult1\\li170\\ri170\\cbpat" + num(kNoteFill) +
            "\\brdrt\\brdrs\\brdrw10\\brsp60\\brdrcf" + num(kRuleInk) + "\\brdrb\\brdrs\\brdrw10\\brsp60\\brdrcf" +
            num(kRuleInk) + "\\f0\\fs22 {\\b " + rtf(boldStart) + "} " + rtf(text) + "\\par\n";
  }
  // A two-column table: the first row is a shaded header, every row is kept
  // whole, and the table stays on one page when it fits.
  void table(const QList<std::pair<QString, QString>>& rows, int firstColumn) {
    for (qsizetype i = 0; i < rows.size(); ++i) {
      const bool header = i == 0;
      QByteArray cells;
      for (int right : {firstColumn, kTextWidth}) {
        for (const char* side : {"t", "l", "b", "r"})
          cells += QByteArray("\\clbrdr") + side + "\\brdrs\\brdrw10\\brdrcf" + num(kRuleInk);
        if (header) cells += "\\clcbpat" + num(kHeaderFill);
        cells += "\\cellx" + num(right);
      }
      doc_ += "\\trowd\\trgaph100\\trleft0\\trkeep" + QByteArray(header ? "\\trhdr" : "") +
              "\\trpaddl100\\trpaddr100\\trpaddt30\\trpaddb30\\trpaddfl3\\trpaddfr3\\trpaddft3\\trpaddfb3" +
              cells + "\n";
      const QByteArray style = "\\pard\\plain\\intbl" + QByteArray(i + 1 < rows.size() ? "\\keepn" : "") +
                               "\\sl240\\slmult1\\f0\\fs20" + QByteArray(header ? "\\b" : "") + " ";
      doc_ += style + rtf(rows[i].first) + "\\cell" + style + rtf(rows[i].second) + "\\cell\\row\n";
    }
    doc_ += "\\pard\\plain\\sa120\\fs12\\par\n";  // a little space after the table
  }
  // A JPEG shown `widthTwips` wide, centred.
  void picture(const QByteArray& jpeg, int widthTwips) {
    const QImage image = QImage::fromData(jpeg);
    if (image.isNull()) return;
    const int w = image.width();
    const int h = image.height();
    doc_ += "\\pard\\plain\\qc\\keepn\\sb120\\sa60{\\pict\\jpegblip";
    // Natural size in hundredths of a millimetre, shown size in twips.
    const int heightTwips = static_cast<int>(static_cast<qint64>(h) * widthTwips / w);
    doc_ += "\\picw" + num(widthTwips * 2540 / 1440) + "\\pich" + num(heightTwips * 2540 / 1440);
    doc_ += "\\picwgoal" + num(widthTwips) + "\\pichgoal" + num(heightTwips) + "\n";
    const QByteArray hex = jpeg.toHex();
    for (qsizetype i = 0; i < hex.size(); i += 128) doc_ += hex.mid(i, 128) + "\n";
    doc_ += "}\\par\n";
  }
  QByteArray finish() { return doc_ + "}\n"; }
  // One block of the content; `jpeg` is a picture block's picture.
  void write(const RulesBlock& block, const QByteArray& jpeg) {
    using Kind = RulesBlock::Kind;
    switch (block.kind) {
      case Kind::title: title(block.text); break;
      case Kind::subtitle: subtitle(block.text); break;
      case Kind::heading: heading(block.text); break;
      case Kind::subheading: subheading(block.text); break;
      case Kind::body: body(block.text); break;
      case Kind::lead: lead(block.text); break;
      case Kind::bullet: bullet(block.boldStart, block.text); break;
      case Kind::numbered: numbered(block.number, block.text); break;
      case Kind::example: example(block.text); break;
      case Kind::caption: caption(block.text); break;
      case Kind::note: note(block.boldStart, block.text); break;
      case Kind::table: table(block.rows, block.twips); break;
      case Kind::picture: picture(jpeg, block.twips); break;
    }
  }

 private:
  QByteArray doc_;
};

}  // namespace

QByteArray rulesDocument(const QByteArray& boardJpeg, const QByteArray& throwJpeg, const QLocale& numbers) {
  const RulesText text = rulesText(numbers);
  RtfWriter w(text);
  for (const RulesBlock& block : text.blocks) {
    const QByteArray& jpeg = block.picture == RulesPicture::board ? boardJpeg : throwJpeg;
    if (block.picture != RulesPicture::none && jpeg.isEmpty()) continue;  // a missing picture, and its caption
    w.write(block, jpeg);
  }
  return w.finish();
}

}  // namespace sumdart::assetgen
