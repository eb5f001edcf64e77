// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
// The rules document's content, once: its title and footer and its blocks
// (headings, paragraphs, lists, tables, pictures) in reading order, in the
// language of the translation installed. The RTF document (rulesdoc.cpp) and
// the browser's HTML page (ruleshtml.cpp) are both written from it.
#pragma once

#include <QList>
#include <QLocale>
#include <QString>

#include <utility>

namespace sumdart::assetgen {

// The document's two pictures.
enum class RulesPicture { none, board, diceThrow };

struct RulesBlock {
  enum class Kind { title, subtitle, heading, subheading, body, lead, bullet, numbered, example, caption, note, table, picture };
  Kind kind = Kind::body;
  QString text;       // a picture's: its description, for readers who cannot see it
  QString boldStart;  // bullet, note: the words opening it in bold, if any
  int number = 0;     // numbered: its number
  QList<std::pair<QString, QString>> rows;  // table: two columns, the header row first
  int twips = 0;      // picture: its printed width; table: the first column's
  // A picture block's picture; for any other block the picture it goes with,
  // left out with it when the picture is missing.
  RulesPicture picture = RulesPicture::none;
};

struct RulesText {
  QString title;    // the document's name ("Sumdart Rules")
  QString subject;  // one line on what it holds
  QString footer;   // each printed page's footer, "%1" for the page number
  QList<RulesBlock> blocks;
};

// The rules, their worked sums writing a fraction as `numbers` does.
RulesText rulesText(const QLocale& numbers);

}  // namespace sumdart::assetgen
