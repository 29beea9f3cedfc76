// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zormade {

// Chooses the language of every text before any window opens: the one `asked` names (the
// command line's --lang), else the desktop's. False when `asked` names a language the program has
// no translation for; `refusal` then says so under the program's name, in the desktop's language,
// ending in a line end.
bool ChooseLanguage(const std::optional<std::string>& asked, std::string_view program,
                    std::string& refusal);

}  // namespace zormade
