// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace zormade {

// An event's words in the chosen language: its prompt, and answer 0 to 3's text and result.
QString EventPrompt(int index);
QString EventAnswerText(int index, int answer);
QString EventResultText(int index, int answer);

}  // namespace zormade
