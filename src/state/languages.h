// SPDX-FileCopyrightText: 2026 Sumdart developers <sumdart@users.noreply.github.com>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which translation to show, from the languages a person's desktop or browser
// asks for, most wanted first. Plain C++: the desktop and the browser choose alike.
#include <string>
#include <string_view>
#include <vector>

namespace sumdart {

// Whether a language code is English ("en", "en_GB", "en-US", "C", "POSIX").
bool isEnglish(std::string_view code);

// The translation to show, as its code ("de", "pt_BR"), or "" for English.
// `wanted` is most wanted first, in any of the usual spellings ("de-AT",
// "fr_FR.UTF-8", "C"); `available` the translations there are. The first
// wanted entry that is English, or whose full code ("pt-BR") or language
// ("de") has a translation, or a translation for another region of its
// language ("pt" and "pt-PT" get "pt_BR"), decides. A code with anything but
// letters in it is passed over: nothing else may reach a file name.
std::string chooseLanguage(const std::vector<std::string>& wanted, const std::vector<std::string>& available);

}  // namespace sumdart
