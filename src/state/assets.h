// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The catalogue of everything the game loads from beside the program, by role:
// the sounds, the pictures and the printable rules, each with its file name as
// the program asks for it ("wav\\click1.wav"; the asset resolver turns the
// backslash into the folder separator and matches the folders' case). The
// entries live in state/assets.def, which the build reads as well to know what
// the generator writes. Plain C++, no Qt.
#include <array>
#include <string>
#include <string_view>

namespace sumdart {

enum class Sound {
#define SUMDART_SOUND(role, file) role,
#include "state/assets.def"
};

enum class Picture {
#define SUMDART_PICTURE(role, file) role,
#include "state/assets.def"
};

enum class Document {
#define SUMDART_DOCUMENT(role, file) role,
#include "state/assets.def"
};

// Every entry of each kind, in the catalogue's order.
inline constexpr std::array kAllSounds{
#define SUMDART_SOUND(role, file) Sound::role,
#include "state/assets.def"
};
inline constexpr std::array kAllPictures{
#define SUMDART_PICTURE(role, file) Picture::role,
#include "state/assets.def"
};
inline constexpr std::array kAllDocuments{
#define SUMDART_DOCUMENT(role, file) Document::role,
#include "state/assets.def"
};

// The program-relative file name ("wav\\click1.wav", "Images\\target2.bmp",
// "Sumdart Rules.doc").
constexpr const char* fileName(Sound sound) {
  switch (sound) {
#define SUMDART_SOUND(role, file) \
  case Sound::role:               \
    return file;
#include "state/assets.def"
  }
  return "";
}

constexpr const char* fileName(Picture picture) {
  switch (picture) {
#define SUMDART_PICTURE(role, file) \
  case Picture::role:               \
    return file;
#include "state/assets.def"
  }
  return "";
}

constexpr const char* fileName(Document document) {
  switch (document) {
#define SUMDART_DOCUMENT(role, file) \
  case Document::role:               \
    return file;
#include "state/assets.def"
  }
  return "";
}

// The document in a language ("de"): the language goes before the extension,
// "Sumdart Rules.de.doc". No language gives the file itself.
inline std::string fileName(Document document, std::string_view language) {
  const std::string name = fileName(document);
  if (language.empty()) return name;
  const std::size_t dot = name.rfind('.');
  if (dot == std::string::npos) return name + "." + std::string(language);
  return name.substr(0, dot) + "." + std::string(language) + name.substr(dot);
}

}  // namespace sumdart
